#pragma once

#include <cstdint>
#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A SELECT element with ListSize visible rows and, on request, multiple selection; one OPTION
// per line "value=text".
class TWbListBox : public TWbCustomInputComponent {
public:
    explicit TWbListBox(TComponent* AOwner);
    static void Publish();

    // Published properties. OptionValues and ListSize show in the preview, so their writes
    // notify and repaint (HasChanged); Selected and SelectMultiple are only stored. The getter
    // of OptionValues gives the list's own lines.
    TStrings& GetOptions() { return FOptionValues; }
    const TStrings& GetOptions() const { return FOptionValues; }
    void SetOptions(const TStrings& Value);
    // Stored unchanged: an index outside the options marks none as selected.
    int32_t Selected() const { return FSelected; }
    void SetSelected(int32_t Value) { FSelected = Value; }
    int32_t ListSize() const { return FListSize; }
    // Any value below 1 is stored as 1.
    void SetlistSize(int32_t Value);
    bool SelectMultiple() const { return FSelectMultiple; }
    void SetSelectMultiple(bool Value) { FSelectMultiple = Value; }

    std::string put() override;
    // The boxed preview: a box as wide as the longest option and ListSize rows high, the
    // first ListSize options in it.
    void paint() override;

private:
    TStringList FOptionValues;
    int32_t FSelected = 0;
    bool FSelectMultiple = false;
    int32_t FListSize = 0;
};

}  // namespace wb
