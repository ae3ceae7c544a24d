#pragma once

#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A radio button: an INPUT element of type RADIO. Radio buttons form a group in the browser by
// sharing one FieldName; each writes its own checked state, so several of one name may all be
// written checked.
class TWbRadioButton : public TWbCustomInputComponent {
public:
    explicit TWbRadioButton(TComponent* AOwner);
    static void Publish();

    // Published properties. Checked shows in the preview and repaints it; Value is only stored.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    const std::string& Value() const { return FValue; }
    void SetValue(std::string Value) { FValue = std::move(Value); }

    std::string put() override;
    // A small white circle in the top-left corner, with a dot when Checked, inside the
    // dashed outline.
    void paint() override;

private:
    bool FChecked = false;
    std::string FValue;
};

}  // namespace wb
