#include "content/WbJavaApplet.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "content/WbText.h"
#include "host/Exception.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;

const std::string kEmptyStart =
    "<APPLET CODE=\"\" CODEBASE=\"\" NAME=\"\" HEIGHT=200 WIDTH=200>";

TEST(TWbJavaApplet, Defaults) {
    TForm form;
    TWbJavaApplet applet(&form);
    EXPECT_EQ((std::array{applet.Left(), applet.Top(), applet.Width(), applet.Height()}),
              (std::array{1, 1, 200, 200}));
    EXPECT_FALSE(applet.IsBackgroundTransparent());
    EXPECT_EQ(applet.GetBackGroundColor(), clSilver);
    EXPECT_FALSE(applet.GetContainer());
    EXPECT_EQ(applet.Code() + applet.CodeBase() + applet.InstanceName(), "");
    EXPECT_EQ(applet.GetParamValues().Count(), 0);
}

TEST(TWbJavaApplet, Put) {
    const struct {
        const char* name;
        std::function<void(TWbJavaApplet&)> set;
        std::string expected;
    } cases[] = {
        {"class, address, name and two parameters",
         [](TWbJavaApplet& a) {
             a.SetCode("Clock.class");
             a.SetCodeBase("classes");
             a.SetInstanceName("clock1");
             a.SetParamValues(TStringList{"color=red", "speed=5"});
         },
         "<APPLET CODE=\"Clock.class\" CODEBASE=\"classes\" NAME=\"clock1\" HEIGHT=200 "
         "WIDTH=200><PARAM NAME=\"color\" VALUE=\"red\"><PARAM NAME=\"speed\" VALUE=\"5\">"
         "</APPLET>"},
        {"nothing set", [](TWbJavaApplet&) {}, kEmptyStart + "</APPLET>"},
        {"resized: HEIGHT before WIDTH", [](TWbJavaApplet& a) { a.SetBounds(5, 5, 320, 48); },
         "<APPLET CODE=\"\" CODEBASE=\"\" NAME=\"\" HEIGHT=48 WIDTH=320></APPLET>"},
        {"free texts; the inside text before the parameters",
         [](TWbJavaApplet& a) {
             a.GetHTMLBefore().Add("<CENTER>");
             a.GetHTMLInside().Add("No Java.");
             a.GetHTMLAfter().Add("</CENTER>");
             a.GetParamValues().Add("a=1");
         },
         " <CENTER>" + kEmptyStart +
             " No Java.<PARAM NAME=\"a\" VALUE=\"1\"></APPLET> </CENTER>"},
        {"split at the first \"=\"",
         [](TWbJavaApplet& a) { a.SetParamValues(TStringList{"a=b=c", "=x", "x="}); },
         kEmptyStart +
             "<PARAM NAME=\"a\" VALUE=\"b=c\"><PARAM NAME=\"\" VALUE=\"x\">"
             "<PARAM NAME=\"x\" VALUE=\"\"></APPLET>"},
        {"a line without \"=\" names a parameter with an empty value",
         [](TWbJavaApplet& a) { a.SetParamValues(TStringList{"debug", "a=1", "verbose"}); },
         kEmptyStart +
             "<PARAM NAME=\"debug\" VALUE=\"\"><PARAM NAME=\"a\" VALUE=\"1\">"
             "<PARAM NAME=\"verbose\" VALUE=\"\"></APPLET>"},
        {"an empty line", [](TWbJavaApplet& a) { a.GetParamValues().Add(""); },
         kEmptyStart + "<PARAM NAME=\"\" VALUE=\"\"></APPLET>"},
        {"nothing escaped or trimmed",
         [](TWbJavaApplet& a) {
             a.SetCode("A\"<b>");
             a.GetParamValues().Add(" n = <v>&\" ");
         },
         "<APPLET CODE=\"A\"<b>\" CODEBASE=\"\" NAME=\"\" HEIGHT=200 WIDTH=200>"
         "<PARAM NAME=\" n \" VALUE=\" <v>&\" \"></APPLET>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbJavaApplet applet(&form);
        c.set(applet);
        EXPECT_EQ(applet.put(), c.expected);
    }
}

TEST(TWbJavaApplet, PutFiresItsEventsAroundReadingTheProperties) {
    TForm form;
    TWbJavaApplet applet(&form);
    applet.SetName("Applet");
    std::vector<std::string> log;
    LogEvents(applet, log);
    applet.SetOnBeforePut([&](TObject*) {
        log.push_back("before");
        applet.SetCode("Late.class");
    });
    EXPECT_EQ(applet.put().substr(0, 25), "<APPLET CODE=\"Late.class\"");
    EXPECT_EQ(log, (std::vector<std::string>{"before", "Applet after"}));
}

TEST(TWbJavaApplet, ParametersAreCopiedNotShared) {
    TForm form;
    TWbJavaApplet applet(&form);
    TStrings& own = applet.GetParamValues();
    TStringList lines{"a=1"};
    applet.SetParamValues(lines);
    lines.Put(0, "b=2");
    EXPECT_EQ(&applet.GetParamValues(), &own);
    EXPECT_EQ(own.Text(), "a=1\n");
}

TEST(TWbJavaApplet, NoSetterOfItsOwnRepaints) {
    TForm form;
    TWbJavaApplet applet(&form);
    const struct {
        const char* name;
        std::function<void()> change;
        int repaints;
    } cases[] = {
        {"Parameters", [&] { applet.SetParamValues(TStringList{"a=1"}); }, 0},
        {"Code", [&] { applet.SetCode("C.class"); }, 0},
        {"CodeBase", [&] { applet.SetCodeBase("classes"); }, 0},
        {"InstanceName", [&] { applet.SetInstanceName("c"); }, 0},
        {"BackGroundColor", [&] { applet.SetBackGroundColor(clWhite); }, 1},
    };
    for (const bool designing : {false, true}) {
        form.SetDesigning(designing);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (designing ? " (designing)" : " (running)"));
            const int before = applet.RepaintRequests();
            c.change();
            EXPECT_EQ(applet.RepaintRequests() - before, designing ? c.repaints : 0);
        }
    }
}

TEST(TWbJavaApplet, SilverReachesItsCellAndNothingCanBeDroppedOnIt) {
    TForm form;
    auto* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 100, 100);
    auto* applet = Place<TWbJavaApplet>(form, *panel, "Applet", 10, 10, 50, 40);
    EXPECT_NE(panel->put().find("<TD  HEIGHT=40   BGCOLOR=\"#C0C0C0\" ><APPLET "),
              std::string::npos);

    auto* text = new TWbText(&form);
    try {
        text->SetParent(applet);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot place component in a non-container");
    }
    EXPECT_EQ(applet->ControlCount(), 0);
}

}  // namespace
}  // namespace wb
