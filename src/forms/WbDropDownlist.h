#pragma once

#include <cstdint>
#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A SELECT element showing one option at a time; one OPTION per line "value=text".
class TWbDropDownlist : public TWbCustomInputComponent {
public:
    explicit TWbDropDownlist(TComponent* AOwner);
    static void Publish();

    // Published properties; both show in the preview, so every write notifies and repaints
    // (HasChanged). The getter of OptionValues gives the list's own lines; editing them in
    // place does not repaint.
    TStrings& GetOptions() { return FOptionValues; }
    const TStrings& GetOptions() const { return FOptionValues; }
    void SetOptions(const TStrings& Value);
    int32_t Selected() const { return FSelected; }
    // A negative index is stored as 0: the first option.
    void SetSelected(int32_t Value);

    std::string put() override;
    // The boxed preview: a box as wide as the longest option, the selected option's text in
    // it, and the button part with its mark.
    void paint() override;

private:
    void PaintButton(int32_t Longest);

    TStringList FOptionValues;
    int32_t FSelected = 0;
};

}  // namespace wb
