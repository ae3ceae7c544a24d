#pragma once

#include <cstdint>
#include <string>

#include "core/WbVisibleComponent.h"

namespace wb {

// The base of the form controls that submit a named value: the text field, the text area, the
// check box, the radio button, the drop-down list and the list box. The browser submits the
// control's value under its FieldName.
class TWbCustomInputComponent : public TWbVisibleComponent {
public:
    using TWbVisibleComponent::TWbVisibleComponent;
    static void Publish();

    // Published property. A new name shows in the next rendering; it neither notifies nor
    // repaints.
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(std::string Value) { FFieldName = std::move(Value); }

private:
    std::string FFieldName;
};

// One line of an option list, "value=text", split at its first "=". A line without "=" is
// both the value and the text: the option "Small" submits "Small" and shows "Small".
struct TWbOption {
    std::string Value;
    std::string Text;
};
TWbOption WbSplitOption(const std::string& Line);

// Appends one OPTION element per line of OptionValues, the one at index Selected (from 0)
// marked SELECTED: the body of the SELECT element of the drop-down list and the list box.
void WbPutOptions(std::string& Markup, const TStrings& OptionValues, int32_t Selected);

}  // namespace wb
