#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/Graphics.h"
#include "host/TObject.h"

namespace wb {

using TNotifyEvent = std::function<void(TObject* Sender)>;

// The font of a text component: faces, an HTML size, a colour and four style flags, turned into
// FONT mark-up around a text. Every setter notifies OnChange, even when the value is the same.
// A font is never copied from another (Assign is the host's); a component replaces its font.
class TWbFont : public TPersistent {
public:
    TWbFont() = default;
    static void Publish();

    // Published properties.
    const std::string& PrimaryFont() const { return FPrimaryFont; }
    void SetPrimaryFont(std::string Value);
    const std::string& SecondaryFonts() const { return FSecondaryFonts; }
    void SetSecondaryFonts(std::string Value);
    // Size: always 1 to 6; larger and smaller values are clamped.
    int32_t GetFontSize() const { return FSize; }
    void SetFontSize(int32_t Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool Bold() const { return FBold; }
    void SetBold(bool Value);
    bool Italic() const { return FItalic; }
    void SetItalic(bool Value);
    bool Underline() const { return FUnderline; }
    void SetUnderline(bool Value);
    bool Strikeout() const { return FStrikeout; }
    void SetStrikeout(bool Value);

    // Called after every property change, with the font as Sender.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    void HasChanged();

    // The FACE list: PrimaryFont, then a comma and SecondaryFonts when there are any.
    std::string GetFontString() const;

    // Text inside B, I, U and S (B innermost) as the flags ask, inside the FONT element. Text is
    // not escaped.
    std::string CreateHTMLText(const std::string& Text) const;

private:
    std::string FPrimaryFont = "ARIAL";
    std::string FSecondaryFonts = "SYSTEM";
    int32_t FSize = 2;
    TColor FColor = clBlack;
    bool FBold = false;
    bool FItalic = false;
    bool FUnderline = false;
    bool FStrikeout = false;
    TNotifyEvent FOnChange;
};

}  // namespace wb
