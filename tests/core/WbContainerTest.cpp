#include "core/WbContainer.h"

#include <gtest/gtest.h>

#include <climits>

#include "host/Exception.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;
using test::TProbe;

const std::string kRow = "<TR VALIGN=\"top\" ALIGN=\"left\">";

struct ContainerTest : ::testing::Test {
    TForm form;
    TWbPanel* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 300, 200);
    std::vector<std::string> log;

    TProbe* Child(const char* name, int32_t left, int32_t top, int32_t width, int32_t height) {
        TProbe* child = Place<TProbe>(form, *panel, name, left, top, width, height);
        LogEvents(*child, log);
        return child;
    }
};

TEST_F(ContainerTest, WorkedExampleOfThreeTransparentChildren) {
    Child("A", 10, 10, 100, 50);
    Child("B", 120, 10, 100, 50);
    Child("C", 10, 70, 210, 50);
    EXPECT_EQ(panel->IterateChildren("", ""),
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=300>" +
                  kRow + "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=100 ></TD>"
                  "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=100 ></TD>"
                  "<TD HEIGHT=10 WIDTH=80 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=50 ></TD><TD  HEIGHT=50    >A</TD><TD></TD>"
                  "<TD  HEIGHT=50    >B</TD></TR>" +
                  kRow + "<TD HEIGHT=10 ></TD><TD COLSPAN=4></TD></TR>" +
                  kRow + "<TD HEIGHT=50 ></TD><TD  HEIGHT=50  COLSPAN=3  >C</TD></TR>" +
                  kRow + "<TD HEIGHT=80 ></TD><TD COLSPAN=4></TD></TR>"
                  "</TABLE>");
    EXPECT_EQ(log, (std::vector<std::string>{"A before", "A after", "B before", "B after",
                                             "C before", "C after"}));
}

TEST_F(ContainerTest, WorkedExampleOfColoursAlignmentsAndRowSpans) {
    panel->SetBounds(1, 1, 200, 100);
    panel->SetBackGroundColor(65535);
    TProbe* p = Child("P", 10, 10, 50, 80);
    p->SetBackGroundColor(255);
    p->SetAlign(taRight);
    Child("Q", 70, 10, 100, 30);
    Child("R", 70, 50, 100, 40)->SetAlign(taCenter);
    EXPECT_EQ(panel->IterateChildren("H", "T"),
              "<TABLE BGCOLOR=\"#FFFF00\" BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=200>H" +
                  kRow + "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=50 ></TD>"
                  "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=100 ></TD>"
                  "<TD HEIGHT=10 WIDTH=30 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=30 ></TD>"
                  "<TD ALIGN=\"right\" HEIGHT=30 ROWSPAN=3  BGCOLOR=\"#FF0000\" >P</TD>"
                  "<TD></TD><TD  HEIGHT=30    >Q</TD></TR>" +
                  kRow + "<TD HEIGHT=10 ></TD><TD COLSPAN=3></TD></TR>" +
                  kRow + "<TD HEIGHT=40 ></TD><TD></TD>"
                  "<TD ALIGN=\"center\" HEIGHT=40    >R</TD></TR>" +
                  kRow + "<TD HEIGHT=10 ></TD><TD COLSPAN=4></TD></TR>"
                  "T</TABLE>");
}

TEST_F(ContainerTest, ContainersWithoutChildren) {
    const struct {
        const char* name;
        int32_t width, height;
        std::string expected;
    } cases[] = {
        {"one cell of the container's size", 500, 300,
         "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=500>h" + kRow +
             "<TD HEIGHT=300 WIDTH=500 ></TD><TD></TD></TR>t</TABLE>"},
        {"height 0 writes no row", 500, 0,
         "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=500>ht</TABLE>"},
        {"width 0 writes an empty row", 0, 50,
         "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=0>h" + kRow +
             "<TD></TD></TR>t</TABLE>"},
        {"negative sizes count from the far edge", -40, -7,
         "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=-40>h" + kRow +
             "<TD HEIGHT=7 WIDTH=40 ></TD><TD></TD></TR>t</TABLE>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel->SetBounds(1, 1, c.width, c.height);
        EXPECT_EQ(panel->IterateChildren("h", "t"), c.expected);
    }
}

TEST_F(ContainerTest, ChildAtTheRightEdgeLeavesNoColumnAfterIt) {
    panel->SetBounds(1, 1, 100, 50);
    Child("X", 50, 10, 50, 40);
    EXPECT_EQ(panel->IterateChildren("", ""),
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=100>" + kRow +
                  "<TD HEIGHT=10 WIDTH=50 ></TD><TD HEIGHT=10 WIDTH=50 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=40 ></TD><TD  HEIGHT=40    >X</TD><TD></TD></TR></TABLE>");
}

TEST_F(ContainerTest, TouchingChildrenAreNeighbouringCells) {
    panel->SetBounds(1, 1, 100, 20);
    Child("A", 10, 10, 40, 10);
    Child("B", 50, 10, 40, 10);
    EXPECT_EQ(panel->IterateChildren("", ""),
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=100>" + kRow +
                  "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=40 ></TD>"
                  "<TD HEIGHT=10 WIDTH=40 ></TD><TD HEIGHT=10 WIDTH=10 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=10 ></TD><TD  HEIGHT=10    >A</TD>"
                  "<TD  HEIGHT=10    >B</TD></TR></TABLE>");
}

TEST_F(ContainerTest, LaterChildTakesOverTheCellsItOverlaps) {
    panel->SetBounds(1, 1, 100, 100);
    Child("A", 20, 20, 40, 40);
    Child("B", 10, 10, 30, 30);  // covers A's top-left corner
    EXPECT_EQ(panel->IterateChildren("", ""),
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=100>" + kRow +
                  "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=10 ></TD>"
                  "<TD HEIGHT=10 WIDTH=20 ></TD><TD HEIGHT=10 WIDTH=20 ></TD>"
                  "<TD HEIGHT=10 WIDTH=40 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=10 ></TD><TD  HEIGHT=10 ROWSPAN=2 COLSPAN=2  >B</TD>"
                  "<TD COLSPAN=2></TD></TR>" +
                  kRow + "<TD HEIGHT=20 ></TD></TR>" +
                  kRow + "<TD HEIGHT=20 ></TD><TD></TD></TR>" +
                  kRow + "<TD HEIGHT=40 ></TD><TD COLSPAN=4></TD></TR></TABLE>");
    EXPECT_EQ(log, (std::vector<std::string>{"B before", "B after"}));  // A is not rendered
}

TEST_F(ContainerTest, ChildrenWithoutAreaAreNotRendered) {
    Child("ZeroWidth", 10, 10, 0, 20);
    Child("ZeroHeight", 10, 10, 20, 0);
    Child("Negative", 50, 50, -30, -30);
    const std::string html = panel->IterateChildren("", "");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(html.find("ZeroWidth"), std::string::npos);
}

TEST_F(ContainerTest, PageNestedAtTheLeftEdgeStartsInColumnZero) {
    panel->SetBounds(1, 1, 100, 50);
    auto* page = Place<TWbPage>(form, *panel, "Inner", 0, 0, 50, 50);
    const std::string document = page->put();
    EXPECT_EQ(panel->IterateChildren("", ""),
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=100>" + kRow +
                  "<TD  HEIGHT=50   BGCOLOR=\"#FFFFFF\" >" + document +
                  "</TD><TD HEIGHT=50 WIDTH=50 ></TD><TD></TD></TR></TABLE>");
}

// Edges past the 32-bit range wrap as the host's arithmetic does; whatever table that gives, or
// the host's list index error, nothing may crash or leak.
TEST_F(ContainerTest, EdgesThatWrapNeverCrash) {
    const struct {
        int32_t left, top, width, height;
    } cases[] = {
        {INT_MAX - 5, 10, 100, 10},
        {10, INT_MAX, 10, INT_MAX},
        {1, 1, INT_MIN, INT_MIN},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        Child("Far", c.left, c.top, c.width, c.height);
        Child("Near", 10, 10, 20, 20);
        panel->SetBounds(1, 1, INT_MAX, INT_MIN + 7);
        try {
            panel->IterateChildren("", "");
        } catch (const EListError&) {
        }
        panel->SetBounds(1, 1, 300, 200);
        EXPECT_NO_THROW(panel->IterateChildren("", ""));
        delete form.FindComponent("Far");
        delete form.FindComponent("Near");
    }
}

TEST(TWbCustomContainer, IsAContainerThatAcceptsWebComponents) {
    TForm form;
    TWbPanel panel(&form);
    EXPECT_TRUE(panel.GetContainer());
    EXPECT_EQ(panel.Width(), 300);
    EXPECT_TRUE(panel.IsBackgroundTransparent());
}

}  // namespace
}  // namespace wb
