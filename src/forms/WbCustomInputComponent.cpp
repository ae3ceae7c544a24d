#include "forms/WbCustomInputComponent.h"

#include "host/Published.h"

namespace wb {

void TWbCustomInputComponent::Publish() {
    Published<TWbCustomInputComponent>("TWbCustomInputComponent", "TWbVisibleComponent",
                                       kAbstractClass)
        .Str("FieldName", &TWbCustomInputComponent::FieldName,
             &TWbCustomInputComponent::SetFieldName);
}

TWbOption WbSplitOption(const std::string& Line) {
    // Seeding both parts with the line is what a line without "=" keeps.
    TWbOption option{Line, Line};
    WbExtractHiddenValues(Line, option.Value, option.Text);
    return option;
}

void WbPutOptions(std::string& Markup, const TStrings& OptionValues, int32_t Selected) {
    for (int32_t i = 0; i < OptionValues.Count(); ++i) {
        const TWbOption option = WbSplitOption(OptionValues[i]);
        Markup += "<OPTION ";
        if (i == Selected) Markup += "SELECTED";
        Markup += " VALUE=\"";
        Markup += option.Value;
        Markup += "\">";
        Markup += option.Text;
        Markup += "</OPTION>";
    }
}

}  // namespace wb
