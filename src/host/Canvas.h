#pragma once

#include <cstdint>
#include <string>

#include "host/Graphics.h"
#include "host/TObject.h"
#include "host/TSet.h"

namespace wb {

class TBitmap;

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

inline constexpr TPoint Point(int32_t X, int32_t Y) { return TPoint{X, Y}; }

// The colour a canvas puts on its picture: a system colour (negative) as the classic system
// scheme shows it, any other value by its low 24 bits (so the transparent marker 0x1FFFFFFF
// paints white).
TColor ColorToRGB(TColor Color);

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
inline constexpr auto fsBold = TFontStyle::fsBold;
inline constexpr auto fsItalic = TFontStyle::fsItalic;
inline constexpr auto fsUnderline = TFontStyle::fsUnderline;
inline constexpr auto fsStrikeOut = TFontStyle::fsStrikeOut;

// How a line is drawn: solid, in dashes of 18 pixels with gaps of 6 (a pen wider than 1 pixel
// draws dashes solid, as the host's do), or solid and kept inside the bounding rectangle of a
// figure.
enum class TPenStyle : uint8_t { psSolid, psDash, psInsideFrame };
inline constexpr auto psSolid = TPenStyle::psSolid;
inline constexpr auto psDash = TPenStyle::psDash;
inline constexpr auto psInsideFrame = TPenStyle::psInsideFrame;

// What the pen does to a pixel: puts its colour there, inverts the pixel's colour, or nothing.
enum class TPenMode : uint8_t { pmCopy, pmNot, pmNop };
inline constexpr auto pmCopy = TPenMode::pmCopy;
inline constexpr auto pmNot = TPenMode::pmNot;
inline constexpr auto pmNop = TPenMode::pmNop;

// The font a canvas writes with. Height is the host's: a positive value is the cell height in
// pixels (what TextHeight gives), a negative one the character height without the internal
// leading, 0 the default of 12 pixels. Setting it loads nothing: faces are looked up when text
// is first measured or drawn.
class TFont : public TPersistent {
public:
    TFont() = default;

    const std::string& Name() const { return FName; }
    void SetName(std::string Value) { FName = std::move(Value); }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { FHeight = Value; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value) { FStyle = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

    void Assign(const TPersistent& Source) override;

private:
    std::string FName = "MS Sans Serif";
    int32_t FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clBlack;
};

// The pen that draws lines and the frames of figures.
class TPen : public TPersistent {
public:
    TPen() = default;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // At least 1: a smaller width is taken as 1.
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value) { FWidth = Value < 1 ? 1 : Value; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value) { FStyle = Value; }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value) { FMode = Value; }

    void Assign(const TPersistent& Source) override;

private:
    TColor FColor = clBlack;
    int32_t FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

// The brush that fills areas and the background of text.
class TBrush : public TPersistent {
public:
    TBrush() = default;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

    void Assign(const TPersistent& Source) override;

private:
    TColor FColor = clWhite;
};

// Raster drawing on a bitmap, in the host's manner. Rectangles include their left and top
// edges and exclude their right and bottom ones; a line excludes its end point. The canvas has
// an origin, the pixel of the bitmap where its (0, 0) lies, and a clip rectangle that nothing
// is drawn outside of, so that a control paints in its own coordinates into a larger picture.
// Text is Latin-1, drawn in one line; faces are found by name (see FontFaces.h).
class TCanvas : public TObject {
public:
    // A canvas that draws nowhere until it is given a bitmap.
    TCanvas() = default;
    explicit TCanvas(TBitmap& Bitmap);

    TBitmap* Bitmap() const { return FBitmap; }
    // Draws on Bitmap from now on (nothing for nullptr), with the origin at the bitmap's (0, 0)
    // and the whole bitmap as the clip rectangle.
    void SetBitmap(TBitmap* Bitmap);
    // The pixel of the bitmap that is the canvas's (0, 0).
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint Value) { FOrigin = Value; }
    // The clip rectangle, in the canvas's own coordinates; always within the bitmap.
    TRect ClipRect() const;
    // Keeps drawing inside Rect (canvas coordinates) and the bitmap.
    void SetClipRect(const TRect& Rect);

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }

    // Fills Rect with the brush; the pen is not used.
    void FillRect(const TRect& Rect);
    // Fills the rectangle with the brush and frames it with the pen.
    void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    // The ellipse that fits the rectangle, filled with the brush and framed with the pen.
    void Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    // Moves the pen without drawing; a dash pattern starts again at the next line.
    void MoveTo(int32_t X, int32_t Y);
    // A line from the pen position to (X, Y), which is left out and becomes the pen position.
    // The dash pattern runs on from one line to the next.
    void LineTo(int32_t X, int32_t Y);

    // Text with the top of its cell at Y, on the brush colour; the pen moves to its end.
    void TextOut(int32_t X, int32_t Y, const std::string& Text);
    // Fills Rect with the brush and draws Text with the top of its cell at (X, Y), cut at Rect.
    void TextRect(const TRect& Rect, int32_t X, int32_t Y, const std::string& Text);
    // The width of Text in pixels, and the cell height of the font (the same for every text).
    int32_t TextWidth(const std::string& Text) const;
    int32_t TextHeight(const std::string& Text) const;

    // Draws Graphic scaled into Rect; each target pixel takes the source pixel under its centre.
    void StretchDraw(const TRect& Rect, const TBitmap& Graphic);

private:
    TBitmap* FBitmap = nullptr;
    TPoint FOrigin;
    TRect FClip;  // in the bitmap's pixels
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
    int64_t FDashPhase = 0;  // pixels drawn since the last MoveTo
};

}  // namespace wb
