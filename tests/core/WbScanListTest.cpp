#include "core/WbScanList.h"

#include <gtest/gtest.h>

#include "core/WbContainer.h"
#include "host/Exception.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::Place;
using test::TProbe;

// The x list a container of the given width builds for its children, sorted.
void FillXList(TWbScanList& xs, int32_t width, int32_t height,
               const std::vector<TWbComponent*>& children) {
    xs.Add(new TWbScanListMember(nullptr, true, 0, 0));
    xs.Add(new TWbScanListMember(nullptr, false, width, height));
    for (TWbComponent* c : children) {
        xs.Add(new TWbScanListMember(c, true, c->Left(), c->Top()));
        xs.Add(new TWbScanListMember(c, false, c->Left() + c->Width(), c->Top() + c->Height()));
    }
    xs.Sort(ScanListSort);
}

struct ScanListTest : ::testing::Test {
    TForm form;
    TWbPanel* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 300, 200);
    TProbe* Child(const char* name, int32_t left, int32_t top, int32_t width, int32_t height) {
        return Place<TProbe>(form, *panel, name, left, top, width, height);
    }
};

TEST_F(ScanListTest, WorkedExampleIndicesAndSpans) {
    TProbe* a = Child("A", 10, 10, 100, 50);
    TProbe* b = Child("B", 120, 10, 100, 50);
    TProbe* c = Child("C", 10, 70, 210, 50);
    TWbScanList xs(XLISTTYPE);
    FillXList(xs, 300, 200, {a, b, c});
    xs.NotifyComponents();
    xs.CalculateSpanValues();

    EXPECT_EQ(xs.CalculateSize(), 6);  // 0, 10, 110, 120, 220, 300
    const struct {
        TProbe* child;
        int32_t start, end;
    } expected[] = {{a, 1, 2}, {b, 3, 4}, {c, 1, 4}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.child->Name());
        EXPECT_EQ(e.child->ColStart(), e.start);
        EXPECT_EQ(e.child->ColEnd(), e.end);
        EXPECT_EQ(e.child->CalcColSpan(), e.end - e.start);
        EXPECT_EQ(xs.GetElementPosition(e.child), e.start);
        EXPECT_EQ(xs.Member(xs.FindElementStart(e.child))->Span, e.end - e.start);
    }
    EXPECT_EQ(xs.Member(xs.FindElementStart(nullptr))->Span, 5);  // the container's own edges
}

TEST_F(ScanListTest, EdgeCases) {
    const struct {
        const char* name;
        int32_t left, width;
        int32_t start, end, size;
    } cases[] = {
        {"touches the container's right edge", 200, 100, 1, 2, 3},
        {"zero width", 50, 0, 1, 1, 3},
        {"beyond the right edge", 250, 100, 1, 3, 4},
        {"at the left edge", 0, 10, 0, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TProbe* child = Child("X", c.left, 10, c.width, 10);
        // The clamp keeps a child off the edge; the lists take whatever positions they get.
        TWbScanList xs(XLISTTYPE);
        xs.Add(new TWbScanListMember(nullptr, true, 0, 0));
        xs.Add(new TWbScanListMember(nullptr, false, 300, 200));
        xs.Add(new TWbScanListMember(child, true, c.left, 10));
        xs.Add(new TWbScanListMember(child, false, c.left + c.width, 20));
        xs.Sort(ScanListSort);
        xs.NotifyComponents();
        EXPECT_EQ(child->ColStart(), c.start);
        EXPECT_EQ(child->ColEnd(), c.end);
        EXPECT_EQ(xs.CalculateSize(), c.size);
        delete child;
    }
}

TEST_F(ScanListTest, TouchingChildrenShareOneBoundary) {
    TProbe* a = Child("A", 10, 10, 50, 10);
    TProbe* b = Child("B", 60, 10, 50, 10);
    TWbScanList xs(XLISTTYPE);
    FillXList(xs, 300, 200, {a, b});
    xs.NotifyComponents();
    EXPECT_EQ(a->ColEnd(), b->ColStart());
    EXPECT_EQ(xs.CalculateSize(), 5);
}

TEST_F(ScanListTest, ContainerAloneHasOneColumn) {
    TWbScanList xs(XLISTTYPE);
    FillXList(xs, 300, 200, {});
    EXPECT_EQ(xs.CalculateSize(), 2);
}

TEST_F(ScanListTest, LookupsOfAComponentWithoutMembers) {
    TProbe* stranger = Child("S", 10, 10, 10, 10);
    TWbScanList xs(XLISTTYPE);
    FillXList(xs, 300, 200, {});
    EXPECT_EQ(xs.GetElementPosition(stranger), -1);
    try {
        xs.FindElementStart(stranger);
        ADD_FAILURE() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
}

TEST_F(ScanListTest, SortOrdersEqualPositionsByTheOtherPosition) {
    TWbScanList xs(XLISTTYPE);
    xs.Add(new TWbScanListMember(nullptr, true, 5, 9));
    xs.Add(new TWbScanListMember(nullptr, true, 5, 2));
    xs.Add(new TWbScanListMember(nullptr, true, 1, 100));
    xs.Sort(ScanListSort);
    EXPECT_EQ(xs.Member(0)->Position, 1);
    EXPECT_EQ(xs.Member(1)->OtherPosition, 2);
    EXPECT_EQ(xs.Member(2)->OtherPosition, 9);
}

}  // namespace
}  // namespace wb
