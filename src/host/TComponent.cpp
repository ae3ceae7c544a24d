#include "host/TComponent.h"

#include <algorithm>
#include <cctype>

#include "host/Exception.h"
#include "host/Published.h"
#include "host/SysUtils.h"

namespace wb {

namespace {

std::string NameKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

bool IsIdentifier(const std::string& text) {
    if (text.empty()) return false;
    const auto isStart = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
    const auto isPart = [](unsigned char c) { return std::isalnum(c) || c == '_'; };
    if (!isStart(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [&](char c) { return isPart(static_cast<unsigned char>(c)); });
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (AOwner != nullptr) AOwner->FComponents.push_back(this);
}

void TComponent::Publish() {
    Published<TComponent>("TComponent", "TPersistent", kAbstractClass)
        .Int("Left", &TComponent::DesignLeft, &TComponent::SetDesignLeft)
        .Int("Top", &TComponent::DesignTop, &TComponent::SetDesignTop);
}

TComponent::~TComponent() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        FComponents.pop_back();
        last->FOwner = nullptr;
        delete last;
    }
    if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& Value) {
    if (Value == FName) return;
    if (!Value.empty() && !IsIdentifier(Value))
        throw Exception("'" + Value + "' is not a valid component name");
    if (!Value.empty() && FOwner != nullptr) {
        const TComponent* other = FOwner->FindComponent(Value);
        if (other != nullptr && other != this)
            throw Exception("A component named " + Value + " already exists");
    }
    if (FOwner != nullptr) {
        if (!FName.empty()) FOwner->FNamed.erase(NameKey(FName));
        if (!Value.empty()) FOwner->FNamed[NameKey(Value)] = this;
    }
    FName = Value;
}

TComponent* TComponent::Components(int32_t Index) const {
    if (Index < 0 || Index >= ComponentCount()) throw EListError(Index);
    return FComponents[static_cast<size_t>(Index)];
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) return nullptr;
    const auto found = FNamed.find(NameKey(AName));
    return found == FNamed.end() ? nullptr : found->second;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->FOwner == this) return;
    validateInsert(AComponent);
    if (!AComponent->FName.empty() && FindComponent(AComponent->FName) != nullptr)
        throw Exception("A component named " + AComponent->FName + " already exists");
    if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
    FComponents.push_back(AComponent);
    if (!AComponent->FName.empty()) FNamed[NameKey(AComponent->FName)] = AComponent;
    AComponent->FOwner = this;
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    const auto found = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (found == FComponents.end()) return;
    FComponents.erase(found);
    if (!AComponent->FName.empty()) FNamed.erase(NameKey(AComponent->FName));
    AComponent->FOwner = nullptr;
}

void TComponent::SetDesigning(bool Value) {
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    for (TComponent* component : FComponents) component->SetDesigning(Value);
}

void TComponent::SetLoading(bool Value) {
    if (Value)
        FComponentState.Include(csLoading);
    else
        FComponentState.Exclude(csLoading);
}

void TComponent::validateInsert(TComponent* /*AComponent*/) {}

}  // namespace wb
