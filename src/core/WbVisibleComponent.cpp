#include "core/WbVisibleComponent.h"

#include "core/WbPage.h"
#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

TWbVisibleComponent::TWbVisibleComponent(TComponent* AOwner) : TWbComponent(AOwner) {
    SetWidth(300);
    SetHeight(300);
}

// BackGroundColor reads the effective colour; the form file stores the own one.
void TWbVisibleComponent::Publish() {
    using C = TWbVisibleComponent;
    Published<C>("TWbVisibleComponent", "TWbComponent", kAbstractClass)
        .Color("BackGroundColor", &C::GetBackGroundColor, &C::SetBackGroundColor,
               &C::OwnBackGroundColor)
        .Strings("HTMLBefore", &C::GetHTMLBefore, &C::SetHTMLBefore)
        .Strings("HTMLAfter", &C::GetHTMLAfter, &C::SetHTMLAfter)
        .Strings("HTMLInside", &C::GetHTMLInside, &C::SetHTMLInside);
}

TColor TWbVisibleComponent::GetBackGroundColor() const {
    if (!IsBackgroundTransparent()) return FBackGroundColor;
    if (const auto* parent = dynamic_cast<const TWbVisibleComponent*>(Parent()))
        return parent->GetBackGroundColor();
    return WbTransparentColor;
}

void TWbVisibleComponent::SetBackGroundColor(TColor Value) {
    FBackGroundColor = Value;
    invalidate();
    InvalidateChildren();
}

void TWbVisibleComponent::SetAlign(t_WbTextAlign Value) {
    FAlign = Value;
    invalidate();
}

void TWbVisibleComponent::SetIsBackgroundTransparent(bool /*Value*/) { invalidate(); }

std::string TWbVisibleComponent::put() {
    ActivateBeforePutEvent();
    ActivateAfterPutEvent();
    return {};
}

void TWbVisibleComponent::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth,
                                    int32_t AHeight) {
    // While a base constructor runs, a page is not a page yet; TWbPage's own constructor puts
    // it back where the host would have left it.
    if (dynamic_cast<const TWbPage*>(this) == nullptr) {
        if (ALeft < 1) ALeft = 1;
        if (ATop < 1) ATop = 1;
    }
    TWbComponent::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWbVisibleComponent::invalidate() {
    if (ComponentState().Contains(csDesigning)) TWbComponent::invalidate();
}

void TWbVisibleComponent::InvalidateChildren() {
    for (TControl* child : ControlList()) child->invalidate();
}

void TWbVisibleComponent::HasChanged() {
    if (FOnChange) FOnChange(this);
    invalidate();
}

void TWbVisibleComponent::updateSelf(TObject* /*Sender*/) { invalidate(); }

void TWbVisibleComponent::StyleChanged(TObject* /*Sender*/) {}

void TWbVisibleComponent::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DESIGNTIMEUPDATE)
        CMDesignTimeUpdate(Message);
    else
        TWbComponent::Dispatch(Message);
}

void TWbVisibleComponent::CMDesignTimeUpdate(TMessage& Message) {
    invalidate();
    DefaultHandler(Message);
}

void TWbVisibleComponent::paint() {
    TCanvas& canvas = Canvas();
    canvas.Pen().SetMode(pmNop);
    canvas.Brush().SetColor(GetBackGroundColor());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Font().SetName("ARIAL");
    canvas.Font().SetHeight(12);
    canvas.Font().SetColor(11184810);
    canvas.TextOut(5, 5, Name());
    PaintOutline();
}

void TWbVisibleComponent::PaintOutline() {
    TCanvas& canvas = Canvas();
    canvas.Pen().SetMode(pmNot);
    canvas.Pen().SetStyle(psDash);
    canvas.Pen().SetColor(clBlack);
    const int32_t right = WrapSub(Width(), 1);
    const int32_t bottom = WrapSub(Height(), 1);
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, bottom);
    canvas.LineTo(right, bottom);
    canvas.LineTo(right, 0);
    canvas.LineTo(0, 0);
    canvas.Pen().SetMode(pmCopy);
}

}  // namespace wb
