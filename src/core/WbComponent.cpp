#include "core/WbComponent.h"

#include "content/WbImageMap.h"
#include "host/Arithmetic.h"
#include "host/Exception.h"
#include "host/Published.h"

namespace wb {

TWbComponent::TWbComponent(TComponent* AOwner) : TCustomControl(AOwner) {}

void TWbComponent::Publish() {
    Published<TWbComponent>("TWbComponent", "TCustomControl", kAbstractClass)
        .Event("OnBeforePut", &TWbComponent::OnBeforePut, &TWbComponent::SetOnBeforePut)
        .Event("OnAfterPut", &TWbComponent::OnAfterPut, &TWbComponent::SetOnAfterPut);
}

void TWbComponent::ActivateBeforePutEvent() {
    if (FOnBeforePut) FOnBeforePut(this);
}

void TWbComponent::ActivateAfterPutEvent() {
    if (FOnAfterPut) FOnAfterPut(this);
}

bool TWbComponent::GetContainer() const { return ControlStyle().Contains(csAcceptsControls); }

void TWbComponent::SetContainer(bool Value) {
    TControlStyle style = ControlStyle();
    if (Value)
        style.Include(csAcceptsControls);
    else
        style.Exclude(csAcceptsControls);
    SetControlStyle(style);
}

int32_t TWbComponent::CalcRowSpan() const { return WrapSub(FRowEnd, FRowStart); }

int32_t TWbComponent::CalcColSpan() const { return WrapSub(FColEnd, FColStart); }

void TWbComponent::validateInsert(TComponent* AComponent) {
    if (dynamic_cast<TWbImageMap*>(AComponent) != nullptr)
        throw Exception("Imagemaps can only be put on images");
    if (dynamic_cast<TWbComponent*>(AComponent) == nullptr)
        throw Exception("It\xB4s only possible to place Web-Components here");
    if (!GetContainer()) throw Exception("Cannot place component in a non-container");
}

}  // namespace wb
