#pragma once

#include <cstdint>
#include <vector>

#include "host/Canvas.h"
#include "host/TComponent.h"
#include "host/TSet.h"

namespace wb {

// Control style flags, at the bit positions the host gives them.
enum class TControlStyleFlag : uint8_t {
    csAcceptsControls = 0,  // the designer may drop controls into it
    csFramed = 4,
    csOpaque = 6,
};
using TControlStyle = TSet<TControlStyleFlag>;
inline constexpr auto csAcceptsControls = TControlStyleFlag::csAcceptsControls;
inline constexpr auto csFramed = TControlStyleFlag::csFramed;
inline constexpr auto csOpaque = TControlStyleFlag::csOpaque;

// A window message, as the host dispatches it to a control.
struct TMessage {
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

inline constexpr uint32_t WM_USER = 0x0400;

class TWinControl;

// A component with a place: a parent, and a rectangle in pixels relative to the parent. Every
// change of position or size passes SetBounds.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // Registers the published properties Left, Top, Width and Height (every change passes
    // SetBounds).
    static void Publish();

    TWinControl* Parent() const { return FParent; }
    // Runs the new parent's validateInsert first; a refused control stays where it was.
    void SetParent(TWinControl* AParent);

    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetLeft(int32_t Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int32_t Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int32_t Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int32_t Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    // Asks for the control to be painted again. The host counts the requests, which is what a
    // design surface reads to know what to repaint.
    virtual void invalidate();
    int32_t RepaintRequests() const { return FRepaintRequests; }

    // The design-time picture of the control, drawn on its canvas (which a design surface sets
    // up first, see DesignSurface.h); the host's controls draw nothing.
    virtual void paint() {}

    // Sends a message to the control, which handles it in Dispatch.
    intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);
    virtual void Dispatch(TMessage& Message);
    // What happens to a message that no handler took: nothing.
    virtual void DefaultHandler(TMessage& Message);

private:
    friend class TWinControl;

    TWinControl* FParent = nullptr;
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    TControlStyle FControlStyle;
    int32_t FRepaintRequests = 0;
};

// A control that holds child controls, in order. It does not own them: a destroyed parent
// leaves its children without a parent.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    static void Publish();

    int32_t ControlCount() const { return static_cast<int32_t>(FControls.size()); }
    TControl* Controls(int32_t Index) const;
    const std::vector<TControl*>& ControlList() const { return FControls; }

private:
    friend class TControl;

    std::vector<TControl*> FControls;
};

// A windowed control that paints itself (the base of the web components). Its canvas keeps
// the pen, brush and font that one paint leaves to the next.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;

    static void Publish();

    TCanvas& Canvas() { return FCanvas; }

private:
    TCanvas FCanvas;
};

// A light-weight control without children that paints itself.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;

    static void Publish();

    TCanvas& Canvas() { return FCanvas; }

private:
    TCanvas FCanvas;
};

}  // namespace wb
