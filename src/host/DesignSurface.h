#pragma once

#include "host/Bitmaps.h"
#include "host/Controls.h"

namespace wb {

// The colour of a form on the design surface, where no control paints (the system's button
// face colour).
inline constexpr TColor clFormFace = static_cast<TColor>(0x8000000F);

// Paints Control's design-time picture as the form designer shows it: Control and every
// control inside it, each one after its parent and its earlier siblings, so that children lie
// over their parents. Each control paints (its paint) on its own canvas, which is set up for
// the call with the control's top-left corner at its place in Surface and clipped to the
// control's rectangle and to its parents'. Control's top-left corner lies at At; its own Left
// and Top are not used. Controls that do not paint themselves (a form) show the form's colour. A control
// with no area, or lying wholly outside its parent, is not painted, nor is anything inside it.
void PaintDesignSurface(TControl& Control, TBitmap& Surface, TPoint At = {});

// The same into a new 24-bit picture the size of Control (empty when it has no area).
TBitmap PaintDesignSurface(TControl& Control);

}  // namespace wb
