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

    // A white area inside a black frame, the control marked as framed. Every registered control
    // replaces it with its own preview.
    void paint() override;

protected:
    // The boxed preview of the text field, the text area and the two lists: a white entry box
    // (0, 0, Right, Bottom) on the control's background, whatever the control's size.
    // BeginBoxedPreview paints the background and the box and sets the font; the control then
    // draws its text with TextRect; FrameBox draws the box's 2-pixel frame; EndBoxedPreview
    // gives the pen its width of 1 back.
    void BeginBoxedPreview(int32_t Right, int32_t Bottom, const std::string& FontName);
    void FrameBox(int32_t Right, int32_t Bottom);
    void EndBoxedPreview();

    // The put of the check box and the radio button, which differ in their type word only:
    // "<INPUT TYPE=" TypeWord " NAME=" the field name, the value quoted, the mark "checked".
    std::string PutCheckedInput(const char* TypeWord, bool Checked, const std::string& Value);

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

// The length in characters of the longest option text (split as WbSplitOption does), or 10
// when every text is empty: the width of a list's preview box in characters.
int32_t WbLongestOptionText(const TStrings& OptionValues);

// Appends one OPTION element per line of OptionValues, the one at index Selected (from 0)
// marked SELECTED: the body of the SELECT element of the drop-down list and the list box.
void WbPutOptions(std::string& Markup, const TStrings& OptionValues, int32_t Selected);

}  // namespace wb
