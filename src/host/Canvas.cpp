#include "host/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "host/Arithmetic.h"
#include "host/Bitmaps.h"
#include "host/FontFaces.h"

namespace wb {

namespace {

constexpr int64_t kDashLength = 18;
constexpr int64_t kDashPeriod = 24;
constexpr int32_t kWidestPen = 100;
constexpr int32_t kDefaultTextHeight = 12;

// The classic system colour scheme, by system colour index (scroll bar 0 to info background 24).
constexpr TColor kSystemColors[] = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xE1FFFF,
};

// A rectangle in the bitmap's pixels, wide enough for any canvas rectangle moved by any origin.
struct Box {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = 0;
    int64_t Bottom = 0;

    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int64_t X, int64_t Y) const { return X >= Left && X < Right && Y >= Top && Y < Bottom; }
};

Box Intersect(const Box& A, const Box& B) {
    return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
}

// Host rectangles may come with their corners swapped; figures take them in order.
Box Ordered(int64_t X1, int64_t Y1, int64_t X2, int64_t Y2) {
    return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

TColor Inverted(TColor Color) { return Color ^ 0xFFFFFF; }

// The part of a bitmap a canvas may draw on, and where the canvas's (0, 0) lies in it.
class Surface {
public:
    Surface(TBitmap* Bitmap, const TRect& Clip, TPoint Origin)
        : FBitmap(Bitmap), FClip{Clip.Left, Clip.Top, Clip.Right, Clip.Bottom}, FX(Origin.X), FY(Origin.Y) {
        if (FBitmap == nullptr) FClip = {};
    }

    const Box& Clip() const { return FClip; }
    int64_t X(int32_t CanvasX) const { return FX + CanvasX; }
    int64_t Y(int32_t CanvasY) const { return FY + CanvasY; }
    Box Device(const TRect& Rect) const { return {X(Rect.Left), Y(Rect.Top), X(Rect.Right), Y(Rect.Bottom)}; }

    // Pixels outside the clip rectangle are left alone by all of these.
    void Put(int64_t X, int64_t Y, TColor Color) const {
        if (!FClip.Contains(X, Y)) return;
        if (FBitmap->PixelFormat() == pf8bit) {
            FBitmap->SetPixel(static_cast<int32_t>(X), static_cast<int32_t>(Y), Color);
            return;
        }
        uint8_t* pixel = Address(X, Y);
        pixel[0] = GetBValue(Color);
        pixel[1] = GetGValue(Color);
        pixel[2] = GetRValue(Color);
    }

    TColor Get(int64_t X, int64_t Y) const {
        return FBitmap->GetPixel(static_cast<int32_t>(X), static_cast<int32_t>(Y));
    }

    void Invert(int64_t X, int64_t Y) const {
        if (FClip.Contains(X, Y)) Put(X, Y, Inverted(Get(X, Y)));
    }

    void Fill(const Box& Area, TColor Color) const {
        const Box box = Intersect(Area, FClip);
        if (box.Empty()) return;
        if (FBitmap->PixelFormat() == pf8bit) {
            for (int64_t y = box.Top; y < box.Bottom; ++y)
                for (int64_t x = box.Left; x < box.Right; ++x) Put(x, y, Color);
            return;
        }
        // One row is coloured pixel by pixel, the others are copies of it.
        const int64_t bytes = FBitmap->BytesPerPixel();
        uint8_t* first = Address(box.Left, box.Top);
        for (int64_t x = box.Left; x < box.Right; ++x) {
            uint8_t* pixel = first + (x - box.Left) * bytes;
            pixel[0] = GetBValue(Color);
            pixel[1] = GetGValue(Color);
            pixel[2] = GetRValue(Color);
        }
        const auto rowBytes = static_cast<size_t>((box.Right - box.Left) * bytes);
        for (int64_t y = box.Top + 1; y < box.Bottom; ++y) std::memcpy(Address(box.Left, y), first, rowBytes);
    }

private:
    uint8_t* Address(int64_t X, int64_t Y) const {
        return FBitmap->ScanLine(static_cast<int32_t>(Y)) + X * FBitmap->BytesPerPixel();
    }

    TBitmap* FBitmap;
    Box FClip;
    int64_t FX;
    int64_t FY;
};

// The pixels one pen stroke covers (a line, or the frame of a rectangle), applied with the pen's
// mode when the stroke ends. A pen wider than one pixel covers a square around each pixel of
// the path, the path's pixel and those before it first. The pixels are gathered so that each
// one is changed once, which an inverting pen needs where squares or sides overlap.
class Stroke {
public:
    Stroke(const Surface& Target, const TPen& Pen)
        : FTarget(Target),
          FColor(ColorToRGB(Pen.Color())),
          FMode(Pen.Mode()),
          FWidth(std::min(Pen.Width(), kWidestPen)),
          FDashed(Pen.Style() == psDash && Pen.Width() == 1) {}

    ~Stroke() { Apply(); }

    // The path from (X0, Y0) to (X1, Y1), the end left out. Phase counts the path's pixels
    // from the start of the dash pattern and moves on by the line's length.
    void Line(int64_t X0, int64_t Y0, int64_t X1, int64_t Y1, int64_t& Phase) {
        const int64_t dx = X1 - X0;
        const int64_t dy = Y1 - Y0;
        const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
        if (steps == 0) return;
        if (FMode != pmNop) {
            const auto [first, last] = StepsNearClip(X0, Y0, dx, dy, steps);
            for (int64_t k = first; k <= last; ++k) {
                if (FDashed && (Phase + k) % kDashPeriod >= kDashLength) continue;
                // The pixel nearest the ideal line at step k (halves rounded up).
                const __int128 twice = 2 * static_cast<__int128>(k);
                int64_t x, y;
                if (std::llabs(dx) >= std::llabs(dy)) {
                    x = X0 + (dx > 0 ? k : -k);
                    const auto minor = static_cast<int64_t>((twice * std::llabs(dy) + std::llabs(dx)) / (2 * std::llabs(dx)));
                    y = Y0 + (dy >= 0 ? minor : -minor);
                } else {
                    y = Y0 + (dy > 0 ? k : -k);
                    const auto minor = static_cast<int64_t>((twice * std::llabs(dx) + std::llabs(dy)) / (2 * std::llabs(dy)));
                    x = X0 + (dx >= 0 ? minor : -minor);
                }
                Cover(x, y);
            }
        }
        Phase = (Phase + steps) % kDashPeriod;
    }

private:
    // The steps whose pixel (with the pen's square around it) can lie in the clip rectangle
    // along the line's main direction: however long the line, only those are walked.
    std::pair<int64_t, int64_t> StepsNearClip(int64_t X0, int64_t Y0, int64_t Dx, int64_t Dy, int64_t Steps) const {
        const Box& clip = FTarget.Clip();
        const bool alongX = std::llabs(Dx) >= std::llabs(Dy);
        const int64_t start = alongX ? X0 : Y0;
        const int64_t low = (alongX ? clip.Left : clip.Top) - FWidth;
        const int64_t high = (alongX ? clip.Right : clip.Bottom) + FWidth;
        const bool forward = (alongX ? Dx : Dy) > 0;
        int64_t first = forward ? low - start : start - high;
        int64_t last = forward ? high - start : start - low;
        return {std::max<int64_t>(first, 0), std::min(last, Steps - 1)};
    }

    void Cover(int64_t X, int64_t Y) {
        const int64_t before = FWidth / 2;
        const Box square = Intersect({X - before, Y - before, X - before + FWidth, Y - before + FWidth}, FTarget.Clip());
        for (int64_t y = square.Top; y < square.Bottom; ++y)
            for (int64_t x = square.Left; x < square.Right; ++x) FGathered.emplace_back(x, y);
    }

    void Apply() {
        std::sort(FGathered.begin(), FGathered.end());
        FGathered.erase(std::unique(FGathered.begin(), FGathered.end()), FGathered.end());
        for (const auto& [x, y] : FGathered) Change(x, y);
    }

    void Change(int64_t X, int64_t Y) const {
        if (FMode == pmCopy)
            FTarget.Put(X, Y, FColor);
        else if (FMode == pmNot)
            FTarget.Invert(X, Y);
    }

    const Surface& FTarget;
    TColor FColor;
    TPenMode FMode;
    int32_t FWidth;
    bool FDashed;
    std::vector<std::pair<int64_t, int64_t>> FGathered;
};

// The path a pen frames a figure's bounding box along: its outermost pixels, or, for a pen
// kept inside the frame, the pixels that keep the pen's whole width inside the box.
Box FramePath(const Box& Bounds, const TPen& Pen) {
    if (Pen.Style() != psInsideFrame) return {Bounds.Left, Bounds.Top, Bounds.Right - 1, Bounds.Bottom - 1};
    const int64_t width = std::min(Pen.Width(), kWidestPen);
    const int64_t before = width / 2;
    const int64_t after = width - 1 - before;
    return {Bounds.Left + before, Bounds.Top + before, Bounds.Right - 1 - after, Bounds.Bottom - 1 - after};
}

// Whether the centre of pixel (X, Y) lies in the ellipse that fits Bounds.
bool InEllipse(const Box& Bounds, int64_t X, int64_t Y) {
    const double a = (Bounds.Right - Bounds.Left) / 2.0;
    const double b = (Bounds.Bottom - Bounds.Top) / 2.0;
    if (a <= 0 || b <= 0) return false;
    const double dx = (X + 0.5 - (Bounds.Left + a)) / a;
    const double dy = (Y + 0.5 - (Bounds.Top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

// Glyphs of Text with the top of the cell at (X, Y), the underline and the strike-out line
// the font asks for, in the font's colour; nothing outside Clip. Gives the text's width.
int64_t DrawText(const Surface& Target, const Box& Clip, const TFontFace& Face, const TFont& Font,
                 int64_t X, int64_t Y, std::string_view Text) {
    const TColor color = ColorToRGB(Font.Color());
    const int64_t baseline = Y + Face.Ascent();
    int64_t pen = X;
    for (const TGlyphImage* glyph : Face.Glyphs(Text)) {
        const int64_t left = pen + glyph->Left;
        const int64_t top = baseline - glyph->Top;
        const Box ink = Intersect({left, top, left + glyph->Width, top + glyph->Rows}, Clip);
        for (int64_t y = ink.Top; y < ink.Bottom; ++y) {
            const uint8_t* row = glyph->Ink.data() + (y - top) * glyph->Pitch;
            for (int64_t x = ink.Left; x < ink.Right; ++x)
                if ((row[(x - left) >> 3] >> (7 - ((x - left) & 7))) & 1) Target.Put(x, y, color);
        }
        pen += glyph->Advance;
    }
    const TFontStyles style = Font.Style();
    if (style.Contains(fsUnderline))
        Target.Fill(Intersect({X, Y + Face.UnderlineTop(), pen, Y + Face.UnderlineTop() + Face.UnderlineThickness()}, Clip), color);
    if (style.Contains(fsStrikeOut))
        Target.Fill(Intersect({X, Y + Face.StrikeOutTop(), pen, Y + Face.StrikeOutTop() + Face.StrikeOutThickness()}, Clip), color);
    return pen - X;
}

const TFontFace* FaceOf(const TFont& Font) {
    const TFontStyles style = Font.Style();
    return FindFontFace(Font.Name(), Font.Height(), style.Contains(fsBold), style.Contains(fsItalic));
}

}  // namespace

TColor ColorToRGB(TColor Color) {
    if (Color >= 0) return Color & 0xFFFFFF;
    const auto index = static_cast<size_t>(Color & 0xFF);
    return index < std::size(kSystemColors) ? kSystemColors[index] : clBlack;
}

void TFont::Assign(const TPersistent& Source) {
    const auto* font = dynamic_cast<const TFont*>(&Source);
    if (font == nullptr) return TPersistent::Assign(Source);
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
}

void TPen::Assign(const TPersistent& Source) {
    const auto* pen = dynamic_cast<const TPen*>(&Source);
    if (pen == nullptr) return TPersistent::Assign(Source);
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
}

void TBrush::Assign(const TPersistent& Source) {
    const auto* brush = dynamic_cast<const TBrush*>(&Source);
    if (brush == nullptr) return TPersistent::Assign(Source);
    FColor = brush->FColor;
}

TCanvas::TCanvas(TBitmap& Bitmap) { SetBitmap(&Bitmap); }

void TCanvas::SetBitmap(TBitmap* Bitmap) {
    FBitmap = Bitmap;
    FOrigin = {};
    FClip = Bitmap == nullptr ? TRect{} : Rect(0, 0, Bitmap->Width(), Bitmap->Height());
}

TRect TCanvas::ClipRect() const {
    return Rect(WrapSub(FClip.Left, FOrigin.X), WrapSub(FClip.Top, FOrigin.Y), WrapSub(FClip.Right, FOrigin.X),
                WrapSub(FClip.Bottom, FOrigin.Y));
}

void TCanvas::SetClipRect(const TRect& Value) {
    if (FBitmap == nullptr) return;
    const Surface target(FBitmap, FClip, FOrigin);
    const Box clip = Intersect(target.Device(Value), {0, 0, FBitmap->Width(), FBitmap->Height()});
    FClip = clip.Empty() ? TRect{}
                         : Rect(static_cast<int32_t>(clip.Left), static_cast<int32_t>(clip.Top),
                                static_cast<int32_t>(clip.Right), static_cast<int32_t>(clip.Bottom));
}

void TCanvas::FillRect(const TRect& Rect) {
    const Surface target(FBitmap, FClip, FOrigin);
    target.Fill(target.Device(Rect), ColorToRGB(FBrush.Color()));
}

void TCanvas::Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    const Surface target(FBitmap, FClip, FOrigin);
    const Box bounds = Ordered(target.X(X1), target.Y(Y1), target.X(X2), target.Y(Y2));
    if (bounds.Empty()) return;
    target.Fill(bounds, ColorToRGB(FBrush.Color()));
    const Box path = FramePath(bounds, FPen);
    int64_t phase = 0;
    Stroke frame(target, FPen);
    frame.Line(path.Left, path.Top, path.Left, path.Bottom, phase);
    frame.Line(path.Left, path.Bottom, path.Right, path.Bottom, phase);
    frame.Line(path.Right, path.Bottom, path.Right, path.Top, phase);
    frame.Line(path.Right, path.Top, path.Left, path.Top, phase);
    if (path.Left == path.Right && path.Top == path.Bottom) frame.Line(path.Left, path.Top, path.Left + 1, path.Top, phase);
}

void TCanvas::Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    const Surface target(FBitmap, FClip, FOrigin);
    const Box inside = Ordered(target.X(X1), target.Y(Y1), target.X(X2), target.Y(Y2));
    // A pen that is not kept inside spreads over the figure's edge as it does along a line.
    const int64_t width = std::min(FPen.Width(), kWidestPen);
    const int64_t before = FPen.Style() == psInsideFrame ? 0 : width / 2;
    const int64_t after = FPen.Style() == psInsideFrame ? 0 : width - 1 - width / 2;
    const Box outer{inside.Left - before, inside.Top - before, inside.Right + after, inside.Bottom + after};
    const Box inner{outer.Left + width, outer.Top + width, outer.Right - width, outer.Bottom - width};
    const Box area = Intersect(outer, target.Clip());
    const TColor brush = ColorToRGB(FBrush.Color());
    const TColor pen = ColorToRGB(FPen.Color());
    for (int64_t y = area.Top; y < area.Bottom; ++y)
        for (int64_t x = area.Left; x < area.Right; ++x) {
            if (!InEllipse(outer, x, y)) continue;
            if (InEllipse(inner, x, y) || FPen.Mode() == pmNop) {
                target.Put(x, y, brush);
            } else if (FPen.Mode() == pmNot) {
                target.Put(x, y, Inverted(brush));
            } else {
                target.Put(x, y, pen);
            }
        }
}

void TCanvas::MoveTo(int32_t X, int32_t Y) {
    FPenPos = {X, Y};
    FDashPhase = 0;
}

void TCanvas::LineTo(int32_t X, int32_t Y) {
    const Surface target(FBitmap, FClip, FOrigin);
    {
        Stroke line(target, FPen);
        line.Line(target.X(FPenPos.X), target.Y(FPenPos.Y), target.X(X), target.Y(Y), FDashPhase);
    }
    FPenPos = {X, Y};
}

void TCanvas::TextOut(int32_t X, int32_t Y, const std::string& Text) {
    if (Text.empty()) return;
    const TFontFace* face = FaceOf(FFont);
    const Surface target(FBitmap, FClip, FOrigin);
    const int64_t x = target.X(X);
    const int64_t y = target.Y(Y);
    int64_t width = 0;
    if (face != nullptr) {
        width = face->TextWidth(Text);
        target.Fill({x, y, x + width, y + face->CellHeight()}, ColorToRGB(FBrush.Color()));
        DrawText(target, target.Clip(), *face, FFont, x, y, Text);
    }
    FPenPos = {WrapAdd(X, static_cast<int32_t>(width)), Y};
}

void TCanvas::TextRect(const TRect& Rect, int32_t X, int32_t Y, const std::string& Text) {
    const Surface target(FBitmap, FClip, FOrigin);
    const Box box = target.Device(Rect);
    target.Fill(box, ColorToRGB(FBrush.Color()));
    if (Text.empty()) return;
    if (const TFontFace* face = FaceOf(FFont))
        DrawText(target, Intersect(box, target.Clip()), *face, FFont, target.X(X), target.Y(Y), Text);
}

int32_t TCanvas::TextWidth(const std::string& Text) const {
    if (Text.empty()) return 0;
    const TFontFace* face = FaceOf(FFont);
    return face == nullptr ? 0 : face->TextWidth(Text);
}

int32_t TCanvas::TextHeight(const std::string& /*Text*/) const {
    if (const TFontFace* face = FaceOf(FFont)) return face->CellHeight();
    const int32_t height = FFont.Height();
    return height == 0 ? kDefaultTextHeight : height == INT32_MIN ? INT32_MAX : std::abs(height);
}

void TCanvas::StretchDraw(const TRect& Rect, const TBitmap& Graphic) {
    const Surface target(FBitmap, FClip, FOrigin);
    const Box dest = target.Device(Rect);
    if (dest.Empty() || Graphic.Empty()) return;
    const Box area = Intersect(dest, target.Clip());
    const __int128 width = dest.Right - dest.Left;
    const __int128 height = dest.Bottom - dest.Top;
    for (int64_t y = area.Top; y < area.Bottom; ++y) {
        const auto sourceY = static_cast<int32_t>(((2 * static_cast<__int128>(y - dest.Top) + 1) * Graphic.Height()) / (2 * height));
        for (int64_t x = area.Left; x < area.Right; ++x) {
            const auto sourceX = static_cast<int32_t>(((2 * static_cast<__int128>(x - dest.Left) + 1) * Graphic.Width()) / (2 * width));
            target.Put(x, y, Graphic.GetPixel(sourceX, sourceY));
        }
    }
}

}  // namespace wb
