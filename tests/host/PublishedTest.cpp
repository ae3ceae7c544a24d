#include "host/Published.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/Forms.h"
#include "support/FormClasses.h"

namespace wb {
namespace {

std::vector<std::string> PropertyNames(const char* className) {
    const TPublishedClass* published = FindPublishedClass(className);
    EXPECT_NE(published, nullptr) << className;
    std::vector<std::string> names;
    if (published != nullptr)
        for (const TPropertyInfo* property : published->Properties())
            names.push_back(property->Name);
    return names;
}

TEST(Published, EachClassListsItsPropertiesInFormFileOrder) {
    const std::vector<std::string> control = {"Left", "Top", "Width", "Height"};
    const std::vector<std::string> visible = {
        "Left",        "Top",        "Width",           "Height",
        "OnBeforePut", "OnAfterPut", "BackGroundColor", "HTMLBefore",
        "HTMLAfter",   "HTMLInside"};
    std::vector<std::string> page = visible;
    page.insert(page.end(), {"PageTitle", "BackGroundImage", "Scripts", "LinkColor", "VLinkColor",
                             "DefaultTextColor"});
    const struct {
        const char* className;
        std::vector<std::string> names;
    } cases[] = {
        {"TComponent", {"Left", "Top"}},
        {"TControl", control},
        {"TForm", control},
        {"TWbComponent", {"Left", "Top", "Width", "Height", "OnBeforePut", "OnAfterPut"}},
        {"TWbVisibleComponent", visible},
        {"TWbCustomContainer", visible},
        {"TWbPanel", visible},
        {"TWbPage", page},
        {"TWbImageMap", {"Left", "Top", "Width", "Height", "Link", "AltText"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        EXPECT_EQ(PropertyNames(c.className), c.names);
    }
}

TEST(Published, OnlyConcreteClassesCanBeCreatedByName) {
    for (const char* name : {"TForm", "TWbPanel", "TWbPage", "TWbImageMap"}) {
        SCOPED_TRACE(name);
        const TPublishedClass* published = FindPublishedClass(name);
        ASSERT_NE(published, nullptr);
        ASSERT_NE(published->Factory(), nullptr);
        std::unique_ptr<TComponent> created(published->Factory()(nullptr));
        EXPECT_EQ(created->ClassName(), name);
        EXPECT_EQ(PublishedClassOf(*created), published);
    }
    for (const char* name :
         {"TPersistent", "TComponent", "TControl", "TWinControl", "TCustomControl",
          "TGraphicControl", "TWbComponent", "TWbVisibleComponent", "TWbCustomContainer"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(FindPublishedClass(name), nullptr);
        EXPECT_EQ(FindPublishedClass(name)->Factory(), nullptr);
    }
}

// A registration that names the wrong base class would hand the base's accessors objects of
// another class; every class a form file can create must be an instance of each class its
// registration names as an ancestor.
TEST(Published, EveryRegisteredBaseIsARealBaseClass) {
    test::PublishTestClasses();
    for (const TPublishedClass* published : PublishedClasses()) {
        if (published->Factory() == nullptr) continue;
        SCOPED_TRACE(published->Name());
        std::unique_ptr<TComponent> created(published->Factory()(nullptr));
        EXPECT_EQ(PublishedClassOf(*created), published) << "registered under the wrong type";
        for (const TPublishedClass* ancestor = published; ancestor != nullptr;
             ancestor = ancestor->Base())
            EXPECT_TRUE(ancestor->IsInstance(*created)) << "not a " << ancestor->Name();
    }
}

TEST(Published, NamesCompareWithoutRegardToCase) {
    EXPECT_EQ(FindPublishedClass("twbpage"), FindPublishedClass("TWbPage"));
    EXPECT_EQ(FindPublishedClass("TWbFoo"), nullptr);
    const TPublishedClass* page = FindPublishedClass("TWbPage");
    EXPECT_EQ(page->FindProperty("backgroundcolor"), page->FindProperty("BackGroundColor"));
    EXPECT_EQ(page->FindProperty("Colour"), nullptr);
}

// TComponent publishes Left and Top as the design position of a non-visual component; a
// control's own Left and Top take their place instead of coming twice.
TEST(Published, RedeclaredPropertyKeepsItsPlace) {
    const TPublishedClass* component = FindPublishedClass("TComponent");
    const TPublishedClass* control = FindPublishedClass("TControl");
    EXPECT_NE(control->FindProperty("Left"), component->FindProperty("Left"));
    TForm form;
    auto* panel = new TWbPanel(&form);
    control->FindProperty("Left")->SetOrdinal(*panel, 40);
    EXPECT_EQ(panel->Left(), 40);
    EXPECT_EQ(panel->DesignLeft(), 0);
}

TEST(Published, AccessorsReachTheComponent) {
    TForm form;
    auto* page = new TWbPage(&form);
    auto* panel = new TWbPanel(&form);
    panel->SetParent(page);
    const TPublishedClass* panelClass = FindPublishedClass("TWbPanel");
    const TPropertyInfo* color = panelClass->FindProperty("BackGroundColor");
    // The property reads the effective colour, the form file stores the own one.
    EXPECT_EQ(color->GetOrdinal(*panel), clWhite);
    EXPECT_EQ(color->StoredOrdinal(*panel), clNone);
    color->SetOrdinal(*panel, clRed);
    EXPECT_EQ(panel->OwnBackGroundColor(), clRed);

    const TPropertyInfo* title = FindPublishedClass("TWbPage")->FindProperty("PageTitle");
    title->SetString(*page, "Order");
    EXPECT_EQ(page->PageTitle(), "Order");
    const TPropertyInfo* scripts = FindPublishedClass("TWbPage")->FindProperty("Scripts");
    scripts->SetStrings(*page, TStringList{"a", "b"});
    EXPECT_EQ(&scripts->GetStrings(*page), &page->GetScripts());
    EXPECT_EQ(page->GetScripts().Count(), 2);
}

TEST(Published, RegisteringAClassOrPropertyTwiceIsRefused) {
    EXPECT_THROW(Published<TWbPanel>("TWbPanel", "TWbCustomContainer"), std::logic_error);
    struct TLocal : TPersistent {
        int32_t Value() const { return 0; }
        void SetValue(int32_t) {}
    };
    EXPECT_THROW(Published<TLocal>("TLocal", "TPersistent")
                     .Int("Value", &TLocal::Value, &TLocal::SetValue)
                     .Int("value", &TLocal::Value, &TLocal::SetValue),
                 std::logic_error);
}

}  // namespace
}  // namespace wb
