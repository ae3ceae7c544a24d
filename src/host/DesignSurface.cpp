#include "host/DesignSurface.h"

#include <algorithm>

namespace wb {

namespace {

// A rectangle of the surface, wide enough for positions summed over many parents.
struct Area {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = 0;
    int64_t Bottom = 0;

    bool Empty() const { return Right <= Left || Bottom <= Top; }
};

Area Intersect(const Area& A, const Area& B) {
    return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
}

TCanvas* CanvasOf(TControl& Control) {
    if (auto* custom = dynamic_cast<TCustomControl*>(&Control)) return &custom->Canvas();
    if (auto* graphic = dynamic_cast<TGraphicControl*>(&Control)) return &graphic->Canvas();
    return nullptr;
}

bool FitsInt32(int64_t Value) { return Value >= INT32_MIN && Value <= INT32_MAX; }

// Hands the control's canvas to the surface for one paint, with its origin at the control's
// corner and its clip rectangle on the visible part, and takes it back however the paint ends.
class PaintSession {
public:
    PaintSession(TCanvas& Canvas, TBitmap& Surface, const Area& Bounds, const Area& Visible) : FCanvas(Canvas) {
        FCanvas.SetBitmap(&Surface);
        FCanvas.SetOrigin(Point(static_cast<int32_t>(Bounds.Left), static_cast<int32_t>(Bounds.Top)));
        FCanvas.SetClipRect(Rect(static_cast<int32_t>(Visible.Left - Bounds.Left),
                                 static_cast<int32_t>(Visible.Top - Bounds.Top),
                                 static_cast<int32_t>(Visible.Right - Bounds.Left),
                                 static_cast<int32_t>(Visible.Bottom - Bounds.Top)));
    }
    ~PaintSession() { FCanvas.SetBitmap(nullptr); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;

private:
    TCanvas& FCanvas;
};

// Paints Control, lying at (X, Y) of the surface, and everything inside it, inside Visible.
void PaintTree(TControl& Control, TBitmap& Surface, int64_t X, int64_t Y, const Area& Visible) {
    const Area bounds{X, Y, X + Control.Width(), Y + Control.Height()};
    const Area visible = Intersect(bounds, Visible);
    if (Control.Width() <= 0 || Control.Height() <= 0 || visible.Empty()) return;
    // A canvas takes 32-bit coordinates; a control whose corner lies farther off than that from
    // the surface is not drawn.
    if (!FitsInt32(bounds.Left) || !FitsInt32(bounds.Top) || !FitsInt32(visible.Right - bounds.Left) ||
        !FitsInt32(visible.Bottom - bounds.Top))
        return;

    if (TCanvas* canvas = CanvasOf(Control)) {
        PaintSession session(*canvas, Surface, bounds, visible);
        Control.paint();
    }
    if (auto* container = dynamic_cast<TWinControl*>(&Control))
        for (TControl* child : container->ControlList())
            PaintTree(*child, Surface, X + child->Left(), Y + child->Top(), visible);
}

}  // namespace

void PaintDesignSurface(TControl& Control, TBitmap& Surface, TPoint At) {
    TCanvas form(Surface);
    form.Brush().SetColor(clFormFace);
    const int64_t right = static_cast<int64_t>(At.X) + Control.Width();
    const int64_t bottom = static_cast<int64_t>(At.Y) + Control.Height();
    form.FillRect(Rect(At.X, At.Y, static_cast<int32_t>(std::clamp<int64_t>(right, INT32_MIN, INT32_MAX)),
                       static_cast<int32_t>(std::clamp<int64_t>(bottom, INT32_MIN, INT32_MAX))));
    PaintTree(Control, Surface, At.X, At.Y, {0, 0, Surface.Width(), Surface.Height()});
}

TBitmap PaintDesignSurface(TControl& Control) {
    TBitmap surface(std::max(Control.Width(), 0), std::max(Control.Height(), 0), pf24bit);
    PaintDesignSurface(Control, surface);
    return surface;
}

}  // namespace wb
