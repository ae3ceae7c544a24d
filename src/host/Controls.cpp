#include "host/Controls.h"

#include <algorithm>

#include "host/Exception.h"
#include "host/Published.h"

namespace wb {

namespace {

bool IsInside(const TControl* control, const TWinControl* container) {
    for (const TControl* at = container; at != nullptr; at = at->Parent())
        if (at == control) return true;
    return false;
}

}  // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

// A control's Left and Top are its place in its parent; they take the place of the design
// position that TComponent publishes under the same names.
void TControl::Publish() {
    Published<TControl>("TControl", "TComponent", kAbstractClass)
        .Int("Left", &TControl::Left, &TControl::SetLeft)
        .Int("Top", &TControl::Top, &TControl::SetTop)
        .Int("Width", &TControl::Width, &TControl::SetWidth)
        .Int("Height", &TControl::Height, &TControl::SetHeight);
}

TControl::~TControl() {
    if (FParent != nullptr) {
        auto& siblings = FParent->FControls;
        siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    }
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (AParent != nullptr) {
        if (IsInside(this, AParent)) throw Exception("A control cannot have itself as its parent");
        AParent->validateInsert(this);
    }
    if (FParent != nullptr) {
        auto& siblings = FParent->FControls;
        siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    }
    FParent = AParent;
    if (AParent != nullptr) AParent->FControls.push_back(this);
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
}

void TControl::invalidate() { ++FRepaintRequests; }

intptr_t TControl::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    Dispatch(message);
    return message.Result;
}

void TControl::Dispatch(TMessage& Message) { DefaultHandler(Message); }

void TControl::DefaultHandler(TMessage& /*Message*/) {}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

void TWinControl::Publish() { Published<TWinControl>("TWinControl", "TControl", kAbstractClass); }

void TCustomControl::Publish() {
    Published<TCustomControl>("TCustomControl", "TWinControl", kAbstractClass);
}

void TGraphicControl::Publish() {
    Published<TGraphicControl>("TGraphicControl", "TControl", kAbstractClass);
}

TWinControl::~TWinControl() {
    for (TControl* child : FControls) child->FParent = nullptr;
}

TControl* TWinControl::Controls(int32_t Index) const {
    if (Index < 0 || Index >= ControlCount()) throw EListError(Index);
    return FControls[static_cast<size_t>(Index)];
}

}  // namespace wb
