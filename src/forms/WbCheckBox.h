#pragma once

#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A check box: an INPUT element of type CHECKBOX.
class TWbCheckBox : public TWbCustomInputComponent {
public:
    explicit TWbCheckBox(TComponent* AOwner);
    static void Publish();

    // Published properties. Checked shows in the preview and repaints it; Value is only stored.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    const std::string& Value() const { return FValue; }
    void SetValue(std::string Value) { FValue = std::move(Value); }

    std::string put() override;
    // A small white square in the top-left corner, ticked when Checked, inside the dashed
    // outline.
    void paint() override;

private:
    bool FChecked = false;
    std::string FValue;
};

}  // namespace wb
