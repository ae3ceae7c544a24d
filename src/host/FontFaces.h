#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

// The faces canvases write with. A face is found by name through fontconfig and drawn by
// FreeType, in one-bit pixels with the face's hinting, as the host's screen fonts look. Nothing
// is started before the first text is measured or drawn; faces and glyphs found once are kept
// for the life of the process. The functions may be called from several threads.

// One character at a face's size: its ink, placed relative to the pen position on the
// baseline, and how far it moves the pen.
struct TGlyphImage {
    int32_t Advance = 0;
    int32_t Left = 0;  // from the pen position to the first column
    int32_t Top = 0;   // from the baseline up to the first row
    int32_t Width = 0;
    int32_t Rows = 0;
    int32_t Pitch = 0;  // bytes a row
    // Rows of Pitch bytes, a bit a pixel, the leftmost pixel in the highest bit: set where the
    // character covers the pixel.
    std::vector<uint8_t> Ink;
};

// A face at one height.
class TFontFace {
public:
    ~TFontFace();

    // The cell: Ascent rows above the baseline, the rest below; CellHeight is the host's text
    // height.
    int32_t CellHeight() const { return FCellHeight; }
    int32_t Ascent() const { return FAscent; }
    // The top row of each line, counted from the top of the cell, and its thickness.
    int32_t UnderlineTop() const { return FUnderlineTop; }
    int32_t UnderlineThickness() const { return FUnderlineThickness; }
    int32_t StrikeOutTop() const { return FStrikeOutTop; }
    int32_t StrikeOutThickness() const { return FStrikeOutThickness; }

    // The glyphs of Text's characters (Latin-1 bytes), in order; they stay valid as long as
    // the process runs.
    std::vector<const TGlyphImage*> Glyphs(std::string_view Text) const;
    // The sum of the advances of Text's characters.
    int32_t TextWidth(std::string_view Text) const;

private:
    friend class TFaceLoader;
    struct TState;

    TFontFace() = default;

    int32_t FCellHeight = 0;
    int32_t FAscent = 0;
    int32_t FUnderlineTop = 0;
    int32_t FUnderlineThickness = 1;
    int32_t FStrikeOutTop = 0;
    int32_t FStrikeOutThickness = 1;
    std::unique_ptr<TState> FState;
};

// The face for a font name, a height as TFont takes it, bold and italic; nullptr when the
// system has no usable font at all. Heights beyond 1024 pixels are drawn at 1024.
const TFontFace* FindFontFace(const std::string& Name, int32_t Height, bool Bold, bool Italic);

// The family asked for after Name, so that the names forms use find faces with the same
// metrics: "MS Sans Serif" and "Arial" find "Liberation Sans", "Courier New" finds
// "Liberation Mono". Empty for a name without such a family.
std::string MetricCompatibleFamily(const std::string& Name);

// Whether this process has started fontconfig and FreeType (it does at the first text).
bool FontEngineStarted();

}  // namespace wb
