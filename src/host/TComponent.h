#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/TObject.h"
#include "host/TSet.h"

namespace wb {

enum class TComponentStateFlag : uint8_t { csLoading, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;
inline constexpr auto csLoading = TComponentStateFlag::csLoading;
inline constexpr auto csDesigning = TComponentStateFlag::csDesigning;

// A named component with an owner. The owner destroys what it owns, last first; a destroyed
// component leaves its owner's list.
class TComponent : public TPersistent {
public:
    // A component created with an owner is owned by it from then on. The owner's placement
    // check does not run here: while a C++ constructor runs, the newcomer is not yet of its
    // final class. InsertComponent runs it on a finished component.
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    const std::string& Name() const { return FName; }
    // Raises when the name is not an identifier or another component of the same owner has it.
    void SetName(const std::string& Value);

    // Registers the published properties: a component's place on the design surface.
    static void Publish();

    // Where the designer shows a non-visual component: kept and stored, no other meaning.
    int32_t DesignLeft() const { return FDesignLeft; }
    void SetDesignLeft(int32_t Value) { FDesignLeft = Value; }
    int32_t DesignTop() const { return FDesignTop; }
    void SetDesignTop(int32_t Value) { FDesignTop = Value; }

    TComponent* Owner() const { return FOwner; }
    int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
    TComponent* Components(int32_t Index) const;
    // The owned component of that name (compared without regard to case), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;

    // Makes this component the owner of AComponent, after validateInsert has accepted it.
    void InsertComponent(TComponent* AComponent);
    // Gives up the ownership of AComponent without destroying it.
    void RemoveComponent(TComponent* AComponent);

    TComponentState ComponentState() const { return FComponentState; }
    // Marks this component and everything it owns as being designed (or not).
    void SetDesigning(bool Value);
    void SetLoading(bool Value);

    // The placement check: runs on this component before AComponent becomes its owned component
    // or its child control; raises an Exception to refuse. The host accepts everything.
    virtual void validateInsert(TComponent* AComponent);

private:
    std::string FName;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    // The named owned components by lower-case name: the uniqueness check of a form with
    // thousands of components stays a lookup.
    std::unordered_map<std::string, TComponent*> FNamed;
    TComponentState FComponentState;
    int32_t FDesignLeft = 0;
    int32_t FDesignTop = 0;
};

}  // namespace wb
