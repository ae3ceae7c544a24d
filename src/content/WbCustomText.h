#pragma once

#include <memory>
#include <string>

#include "content/WbFont.h"
#include "core/WbVisibleComponent.h"
#include "host/TStrings.h"

namespace wb {

// Formatted text: the lines of Text in one FONT element, each followed by "<br>" when
// AutoLineBreak is on, the whole made a hyperlink when Link is set. Owns its lines and its font.
class TWbCustomText : public TWbVisibleComponent {
public:
    explicit TWbCustomText(TComponent* AOwner);
    static void Publish();

    // Published properties (Align is the cell alignment of TWbVisibleComponent).
    TWbFont* GetFont() const { return FFont.get(); }
    // Takes Value over: the component owns it from now on and frees the font it replaces;
    // hooks Value's OnChange to updateSelf. Passing the current font again does nothing.
    void SetFont(TWbFont* Value);
    const std::string& Link() const { return FLink; }
    void SetLink(std::string Value);
    bool AutoLineBreak() const { return FAutoLineBreak; }
    // No repaint: the preview shows one line per list line either way.
    void SetAutoLineBreak(bool Value) { FAutoLineBreak = Value; }
    // The component's own list; callers may change it in place.
    virtual TStrings& readText();
    // The same list through the same virtual, for readers that hold a const component.
    const TStrings& readText() const { return const_cast<TWbCustomText*>(this)->readText(); }
    void WriteText(const TStrings& Value);

    std::string put() override;
    // The preview: the lines one below the other, tags removed, in the font and alignment,
    // inside the dashed outline.
    void paint() override;

private:
    std::string JoinedLines();

    TStringList FText;
    std::unique_ptr<TWbFont> FFont;
    std::string FLink;
    bool FAutoLineBreak = false;
};

}  // namespace wb
