#pragma once

#include <cstdint>
#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A multi-line TEXTAREA element with its initial lines.
class TWbTextArea : public TWbCustomInputComponent {
public:
    explicit TWbTextArea(TComponent* AOwner);
    static void Publish();

    // Published properties; each one is what the preview shows, so every write notifies and
    // repaints (HasChanged). Nothing is clamped. The getter of Value gives the area's own list.
    int32_t Columns() const { return FColumns; }
    void SetColumns(int32_t Value);
    int32_t Rows() const { return FRows; }
    void SetRows(int32_t Value);
    TStrings& GetValue() { return FValue; }
    const TStrings& GetValue() const { return FValue; }
    void SetValue(const TStrings& Value);

    std::string put() override;
    // The boxed preview: a box of Columns and Rows, the first Rows lines in it.
    void paint() override;

private:
    TStringList FValue;
    int32_t FRows = 0;
    int32_t FColumns = 0;
};

}  // namespace wb
