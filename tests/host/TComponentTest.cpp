#include "host/TComponent.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/Controls.h"
#include "host/Exception.h"
#include "host/Forms.h"

namespace wb {
namespace {

// Records its own destruction, so a test sees who destroyed whom and how often.
class Tracked : public TWinControl {
public:
    Tracked(TComponent* owner, std::vector<Tracked*>& destroyed)
        : TWinControl(owner), destroyed(destroyed) {}
    ~Tracked() override { destroyed.push_back(this); }

    std::vector<Tracked*>& destroyed;
};

// A container that refuses everything.
class Refusing : public TWinControl {
public:
    using TWinControl::TWinControl;
    void validateInsert(TComponent*) override { throw Exception("refused"); }
};

TEST(TComponent, OwnerDestroysWhatItOwnsLastFirst) {
    std::vector<Tracked*> destroyed;
    auto* form = new TForm;
    auto* a = new Tracked(form, destroyed);
    auto* b = new Tracked(form, destroyed);
    b->SetParent(a);  // a parent does not own: b is destroyed once, by the form
    delete form;
    EXPECT_EQ(destroyed, (std::vector<Tracked*>{b, a}));
}

TEST(TComponent, DestroyedComponentLeavesOwnerAndParent) {
    std::vector<Tracked*> destroyed;
    TForm form;
    auto* parent = new Tracked(&form, destroyed);
    auto* child = new Tracked(&form, destroyed);
    auto* grandchild = new Tracked(&form, destroyed);
    child->SetParent(parent);
    grandchild->SetParent(child);

    delete child;
    EXPECT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(parent->ControlCount(), 0);
    EXPECT_EQ(grandchild->Parent(), nullptr);
}

TEST(TComponent, NamesAreIdentifiersUniqueWithinTheOwner) {
    TForm form;
    auto* a = new TControl(&form);
    auto* b = new TControl(&form);
    a->SetName("Panel1");
    EXPECT_THROW(b->SetName("panel1"), Exception);
    EXPECT_THROW(b->SetName("1Panel"), Exception);
    EXPECT_THROW(b->SetName("Pan el"), Exception);
    b->SetName("Panel2");
    EXPECT_EQ(form.FindComponent("PANEL2"), b);
    EXPECT_EQ(form.FindComponent("Panel3"), nullptr);
}

TEST(TComponent, NamesAreFreedWhenAComponentIsRenamedRemovedOrDestroyed) {
    TForm form;
    TForm other;
    auto* a = new TControl(&form);
    a->SetName("First");
    a->SetName("Second");
    EXPECT_EQ(form.FindComponent("first"), nullptr);
    EXPECT_EQ(form.FindComponent("SECOND"), a);
    a->SetName("second");  // a change of case only is a rename of the same name
    EXPECT_EQ(a->Name(), "second");

    other.InsertComponent(a);
    EXPECT_EQ(form.FindComponent("Second"), nullptr);
    EXPECT_EQ(other.FindComponent("Second"), a);
    delete a;
    EXPECT_EQ(other.FindComponent("Second"), nullptr);
    auto* b = new TControl(&other);
    b->SetName("Second");  // the name is free again
    EXPECT_EQ(other.FindComponent("Second"), b);
}

TEST(TControl, RefusedParentLeavesTheControlWhereItWas) {
    TForm form;
    auto* home = new TWinControl(&form);
    auto* refusing = new Refusing(&form);
    auto* control = new TControl(&form);
    control->SetParent(home);
    EXPECT_THROW(control->SetParent(refusing), Exception);
    EXPECT_EQ(control->Parent(), home);
    EXPECT_EQ(refusing->ControlCount(), 0);
    EXPECT_EQ(home->ControlCount(), 1);
}

TEST(TControl, ParentCannotBeItselfOrADescendant) {
    TForm form;
    auto* outer = new TWinControl(&form);
    auto* inner = new TWinControl(&form);
    inner->SetParent(outer);
    EXPECT_THROW(outer->SetParent(outer), Exception);
    EXPECT_THROW(outer->SetParent(inner), Exception);
    EXPECT_EQ(outer->Parent(), nullptr);
}

TEST(TComponent, InsertComponentRunsThePlacementCheck) {
    TForm form;
    TForm other;
    auto* refusing = new Refusing(&form);
    auto* control = new TControl(&other);
    EXPECT_THROW(refusing->InsertComponent(control), Exception);
    EXPECT_EQ(control->Owner(), &other);
    form.InsertComponent(control);
    EXPECT_EQ(control->Owner(), &form);
    EXPECT_EQ(other.ComponentCount(), 0);
}

TEST(TComponent, DesigningReachesEverythingOwned) {
    TForm form;
    auto* control = new TControl(&form);
    form.SetDesigning(true);
    EXPECT_TRUE(control->ComponentState().Contains(csDesigning));
    auto* later = new TControl(nullptr);
    form.InsertComponent(later);
    EXPECT_TRUE(later->ComponentState().Contains(csDesigning));
}

}  // namespace
}  // namespace wb
