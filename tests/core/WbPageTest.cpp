#include "core/WbPage.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "support/Probe.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;
using test::TProbe;

const std::string kDefaultBodyStart =
    "<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#000000\" VLINK=\"#000000\" TEXT=\"#000000\"";

TEST(TWbPage, NewPageRendersTheDefaultDocument) {
    TForm form;
    TWbPage page(&form);
    EXPECT_EQ((std::array{page.Left(), page.Top(), page.Width(), page.Height()}),
              (std::array{0, 0, 500, 300}));
    EXPECT_EQ(page.put(),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\"><HTML><HEAD><TITLE></TITLE>"
              "<META NAME=\"GENERATOR\" CONTENT=\"wbforms\"></HEAD>" +
                  kDefaultBodyStart +
                  "><TABLE BGCOLOR=\"#FFFFFF\" BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=500>"
                  "<TR VALIGN=\"top\" ALIGN=\"left\"><TD HEIGHT=300 WIDTH=500 ></TD><TD></TD>"
                  "</TR></TABLE></BODY></HTML>");
}

TEST(TWbPage, PropertiesReachTheirPlaceInTheDocument) {
    const struct {
        const char* name;
        std::function<void(TWbPage&)> set;
        std::string expected;  // a piece the document contains
    } cases[] = {
        {"scripts, each followed by a blank",
         [](TWbPage& p) { p.SetScripts(TStringList{"<SCRIPT>", "f();", "</SCRIPT>"}); },
         "CONTENT=\"wbforms\"><SCRIPT> f(); </SCRIPT> </HEAD>"},
        {"background image", [](TWbPage& p) { p.SetBackGroundImage("bg.gif"); },
         kDefaultBodyStart + " BACKGROUND=\"bg.gif\">"},
        {"title unchanged", [](TWbPage& p) { p.SetPageTitle("A & B <i>"); },
         "<TITLE>A & B <i></TITLE>"},
        {"colours", [](TWbPage& p) {
             p.SetLinkColor(clRed);
             p.SetVLinkColor(clBlue);
             p.SetDefaultTextColor(clGreen);
         },
         "LINK=\"#FF0000\" VLINK=\"#0000FF\" TEXT=\"#008000\">"},
        {"transparent page", [](TWbPage& p) { p.SetBackGroundColor(WbTransparentColor); },
         kDefaultBodyStart + "><TABLE BORDER=0 "},
        {"inside text after the table start", [](TWbPage& p) { p.GetHTMLInside().Add("<CAPTION>"); },
         "WIDTH=500> <CAPTION><TR"},
        {"after text after the document", [](TWbPage& p) { p.GetHTMLAfter().Add("<!-- end -->"); },
         "</HTML> <!-- end -->"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbPage page(&form);
        c.set(page);
        EXPECT_NE(page.put().find(c.expected), std::string::npos) << page.put();
    }
}

TEST(TWbPage, BeforeTextComesBeforeTheDocumentType) {
    TForm form;
    TWbPage page(&form);
    page.GetHTMLBefore().Add("x");
    EXPECT_EQ(page.put().rfind(" x<!DOCTYPE", 0), 0u);
}

TEST(TWbPage, EventsNestAcrossTheWholePage) {
    TForm form;
    std::vector<std::string> log;
    auto* page = Place<TWbPage>(form, form, "Page", 0, 0, 400, 300);
    auto* panel = Place<TWbPanel>(form, *page, "Panel", 10, 10, 200, 200);
    auto* a = Place<TProbe>(form, *panel, "A", 10, 10, 50, 50);
    auto* b = Place<TProbe>(form, *page, "B", 250, 10, 50, 50);
    for (TWbComponent* c : std::initializer_list<TWbComponent*>{page, panel, a, b})
        LogEvents(*c, log);
    page->put();
    EXPECT_EQ(log, (std::vector<std::string>{"Page before", "Panel before", "A before", "A after",
                                             "Panel after", "B before", "B after",
                                             "Page after"}));
}

TEST(TWbPage, BeforePutHandlerChangesTheSameRendering) {
    TForm form;
    TWbPage page(&form);
    page.SetOnBeforePut([&](TObject*) { page.SetPageTitle("Set late"); });
    page.SetOnAfterPut([&](TObject*) { page.SetPageTitle("Too late"); });
    EXPECT_NE(page.put().find("<TITLE>Set late</TITLE>"), std::string::npos);
}

TEST(TWbPanel, WrapsItsTableInTheFreeTexts) {
    TForm form;
    TWbPanel panel(&form);
    panel.SetBounds(1, 1, 20, 10);
    panel.GetHTMLBefore().Add("<CENTER>");
    panel.GetHTMLAfter().Add("</CENTER>");
    EXPECT_EQ(panel.put(),
              " <CENTER><TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=20>"
              "<TR VALIGN=\"top\" ALIGN=\"left\"><TD HEIGHT=10 WIDTH=20 ></TD><TD></TD></TR>"
              "</TABLE> </CENTER>");
    panel.SetBackGroundColor(clYellow);
    EXPECT_EQ(panel.put().rfind(" <CENTER><TABLE BGCOLOR=\"#FFFF00\" BORDER=0", 0), 0u);
}

}  // namespace
}  // namespace wb
