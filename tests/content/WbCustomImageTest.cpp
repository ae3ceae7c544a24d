#include "content/WbCustomImage.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <regex>

#include "content/WbImage.h"
#include "content/WbImageMap.h"
#include "content/WbText.h"
#include "host/Exception.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;

// The map name of a rendering; WbGetUniqueID's counter belongs to the whole process, so the
// tests read the number the image got.
std::string MapName(const std::string& html) {
    std::smatch match;
    if (!std::regex_search(html, match, std::regex("<MAP NAME=\"(MAP[0-9]+)\">"))) return "";
    return match[1];
}

// Expected mark-up with "{MAP}" standing for the map name.
std::string WithMapName(std::string expected, const std::string& name) {
    for (size_t at = expected.find("{MAP}"); at != std::string::npos; at = expected.find("{MAP}"))
        expected.replace(at, 5, name);
    return expected;
}

// A rendering with its map name replaced by "{MAP}".
std::string WithoutMapName(std::string html) {
    const std::string name = MapName(html);
    for (size_t at = html.find(name); !name.empty() && at != std::string::npos;
         at = html.find(name))
        html.replace(at, name.size(), "{MAP}");
    return html;
}

TWbImageMap* AddArea(TForm& form, TWinControl& image, int32_t left, int32_t top, int32_t width,
                     int32_t height, const std::string& link, const std::string& alt) {
    auto* area = new TWbImageMap(&form);
    area->SetParent(&image);
    area->SetBounds(left, top, width, height);
    area->SetLink(link);
    area->SetAltText(alt);
    return area;
}

TEST(TWbImage, Defaults) {
    TForm form;
    TWbImage image(&form);
    EXPECT_EQ((std::array{image.Left(), image.Top(), image.Width(), image.Height()}),
              (std::array{1, 1, 100, 100}));
    EXPECT_TRUE(image.GetContainer());
    EXPECT_EQ(image.ImagePath(), "");
    EXPECT_EQ(image.Link(), "");
    EXPECT_FALSE(image.Stretch());
    EXPECT_TRUE(image.IsBackgroundTransparent());

    TWbCustomImage custom(&form);  // keeps the size and the flag of its base
    EXPECT_EQ((std::array{custom.Width(), custom.Height()}), (std::array{300, 300}));
    EXPECT_FALSE(custom.GetContainer());
}

TEST(TWbCustomImage, Put) {
    const struct {
        const char* name;
        std::function<void(TForm&, TWbImage&)> set;
        std::string expected;  // "{MAP}" stands for the map name of the rendering
    } cases[] = {
        {"no link, not stretched", [](TForm&, TWbImage&) {}, "<IMG SRC=\"p.gif\"  BORDER=0 >"},
        {"link, stretched",
         [](TForm&, TWbImage& i) {
             i.SetLink("x.html");
             i.setstretch(true);
         },
         "<A HREF=\"x.html\"><IMG SRC=\"p.gif\" WIDTH =100 HEIGHT =100  BORDER=0></A>"},
        {"stretched to the component's size",
         [](TForm&, TWbImage& i) {
             i.setstretch(true);
             i.SetBounds(5, 5, 320, 48);
         },
         "<IMG SRC=\"p.gif\" WIDTH =320 HEIGHT =48  BORDER=0 >"},
        {"not stretched whatever the size",
         [](TForm&, TWbImage& i) { i.SetBounds(5, 5, 320, 48); },
         "<IMG SRC=\"p.gif\"  BORDER=0 >"},
        {"free texts",
         [](TForm&, TWbImage& i) {
             i.GetHTMLBefore().Add("<CENTER>");
             i.GetHTMLInside().Add("ALT=\"p\"");
             i.GetHTMLAfter().Add("</CENTER>");
         },
         " <CENTER><IMG SRC=\"p.gif\"  BORDER=0  ALT=\"p\"> </CENTER>"},
        {"a linked image has no place for the inside text",
         [](TForm&, TWbImage& i) {
             i.SetLink("x.html");
             i.GetHTMLBefore().Add("b");
             i.GetHTMLInside().Add("i");
             i.GetHTMLAfter().Add("a");
         },
         " b<A HREF=\"x.html\"><IMG SRC=\"p.gif\"  BORDER=0></A> a"},
        {"one image map",
         [](TForm& f, TWbImage& i) { AddArea(f, i, 10, 20, 50, 25, "a.html", "A"); },
         "<MAP NAME=\"{MAP}\"><AREA SHAPE=\"RECT\" COORDS=\"10,20,60,45\" HREF=\"a.html\" "
         "ALT=\"A\"> </MAP><IMG SRC=\"p.gif\"   BORDER=0 USEMAP=\"#{MAP}\" >"},
        {"areas in the order of the control list; the image's own link is ignored",
         [](TForm& f, TWbImage& i) {
             i.SetLink("x.html");
             AddArea(f, i, 50, 50, 10, 10, "b.html", "B");
             AddArea(f, i, 0, 0, 100, 40, "a.html", "A");
         },
         "<MAP NAME=\"{MAP}\"><AREA SHAPE=\"RECT\" COORDS=\"50,50,60,60\" HREF=\"b.html\" "
         "ALT=\"B\"> <AREA SHAPE=\"RECT\" COORDS=\"0,0,100,40\" HREF=\"a.html\" ALT=\"A\"> "
         "</MAP><IMG SRC=\"p.gif\"   BORDER=0 USEMAP=\"#{MAP}\" >"},
        {"mapped, stretched, with free texts",
         [](TForm& f, TWbImage& i) {
             i.setstretch(true);
             i.GetHTMLBefore().Add("b");
             i.GetHTMLInside().Add("i");
             i.GetHTMLAfter().Add("a");
             AddArea(f, i, 1, 2, 3, 4, "", "");
         },
         " b<MAP NAME=\"{MAP}\"><AREA SHAPE=\"RECT\" COORDS=\"1,2,4,6\" HREF=\"\" ALT=\"\"> "
         "</MAP><IMG SRC=\"p.gif\" WIDTH =100 HEIGHT =100   BORDER=0 USEMAP=\"#{MAP}\"  i> a"},
        {"an area at the image's left edge",
         [](TForm& f, TWbImage& i) { AddArea(f, i, 0, 7, 30, 5, "l", "t"); },
         "<MAP NAME=\"{MAP}\"><AREA SHAPE=\"RECT\" COORDS=\"0,7,30,12\" HREF=\"l\" ALT=\"t\"> "
         "</MAP><IMG SRC=\"p.gif\"   BORDER=0 USEMAP=\"#{MAP}\" >"},
        {"texts written unchanged",
         [](TForm& f, TWbImage& i) {
             i.SetImagePath("a b.gif?<x>");
             AddArea(f, i, 1, 1, 1, 1, "q?a=1&b=2", "\"A\" & <B>");
         },
         "<MAP NAME=\"{MAP}\"><AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"q?a=1&b=2\" "
         "ALT=\"\"A\" & <B>\"> </MAP><IMG SRC=\"a b.gif?<x>\"   BORDER=0 USEMAP=\"#{MAP}\" >"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        auto* image = new TWbImage(&form);
        image->SetImagePath("p.gif");
        c.set(form, *image);
        const std::string html = image->put();
        EXPECT_EQ(html, WithMapName(c.expected, MapName(html)));
    }
}

TEST(TWbCustomImage, EveryRenderingNamesItsMapAnew) {
    TForm form;
    auto* image = new TWbImage(&form);
    AddArea(form, *image, 10, 20, 50, 25, "a.html", "A");
    const std::string first = image->put();
    const std::string second = image->put();
    const std::string firstName = MapName(first);
    const std::string secondName = MapName(second);
    ASSERT_FALSE(firstName.empty());
    EXPECT_EQ(std::stol(secondName.substr(3)), std::stol(firstName.substr(3)) + 1);
    EXPECT_EQ(WithoutMapName(first), WithoutMapName(second));
    EXPECT_NE(second.find("USEMAP=\"#" + secondName + "\""), std::string::npos);
}

TEST(TWbCustomImage, PutFiresItsEventsOnce) {
    TForm form;
    auto* image = new TWbImage(&form);
    image->SetName("Image");
    std::vector<std::string> log;
    LogEvents(*image, log);
    AddArea(form, *image, 1, 1, 5, 5, "", "");
    image->put();
    EXPECT_EQ(log, (std::vector<std::string>{"Image before", "Image after"}));
}

TEST(TWbCustomImage, AcceptsOnlyImageMaps) {
    TForm form;
    auto* image = new TWbImage(&form);
    auto* custom = new TWbCustomImage(&form);  // not a container: its own check still holds
    const struct {
        const char* name;
        TWinControl* receiver;
        TControl* newcomer;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {"image map on an image", image, new TWbImageMap(&form), nullptr},
        {"image map on an image that is no container", custom, new TWbImageMap(&form), nullptr},
        {"text on an image", image, new TWbText(&form), "Only imagemaps can be put on images"},
        {"image on an image", image, new TWbImage(&form), "Only imagemaps can be put on images"},
        {"host control on an image", image, new TWinControl(&form),
         "Only imagemaps can be put on images"},
        {"text on an image that is no container", custom, new TWbText(&form),
         "Only imagemaps can be put on images"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int children = c.receiver->ControlCount();
        try {
            c.newcomer->SetParent(c.receiver);
            EXPECT_EQ(c.message, nullptr);
        } catch (const Exception& e) {
            ASSERT_NE(c.message, nullptr) << e.Message();
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(c.newcomer->Parent(), c.message ? nullptr : c.receiver);
        EXPECT_EQ(c.receiver->ControlCount(), children + (c.message ? 0 : 1));
    }
}

TEST(TWbCustomImage, RepaintsAtDesignTimeOnlyForStretch) {
    TForm form;
    auto* image = new TWbImage(&form);
    auto* area = AddArea(form, *image, 1, 1, 5, 5, "", "");
    const struct {
        const char* name;
        std::function<void()> change;
        int repaints;
    } cases[] = {
        {"Stretch", [&] { image->setstretch(true); }, 1},
        {"Stretch to the same value", [&] { image->setstretch(true); }, 1},
        {"ImagePath", [&] { image->SetImagePath("p.gif"); }, 0},
        {"Link", [&] { image->SetLink("x.html"); }, 0},
        {"image map Link", [&] { area->SetLink("a.html"); }, 0},
        {"image map AltText", [&] { area->SetAltText("A"); }, 0},
    };
    for (const bool designing : {false, true}) {
        form.SetDesigning(designing);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (designing ? " (designing)" : " (running)"));
            const int before = image->RepaintRequests();
            c.change();
            EXPECT_EQ(image->RepaintRequests() - before, designing ? c.repaints : 0);
        }
    }
}

// The image maps are the image's children, not the page's: the page's table has the image's
// cell and nothing for the maps, and the maps are written inside that cell.
TEST(TWbCustomImage, PageTableHoldsTheImageButNotItsMaps) {
    TForm form;
    auto* page = Place<TWbPage>(form, form, "Page", 0, 0, 200, 150);
    page->SetBackGroundColor(WbTransparentColor);
    auto* image = Place<TWbImage>(form, *page, "Image", 10, 10, 100, 100);
    image->SetImagePath("p.gif");
    AddArea(form, *image, 60, 70, 80, 90, "far.html", "F");  // reaches past the image
    AddArea(form, *image, 5, 5, 20, 20, "near.html", "N");

    const std::string html = page->put();
    const std::string table = html.substr(html.find("<TABLE"), html.find("</BODY>") -
                                                                   html.find("<TABLE"));
    EXPECT_EQ(table,
              WithMapName(
                  "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=200>"
                  "<TR VALIGN=\"top\" ALIGN=\"left\"><TD HEIGHT=10 WIDTH=10 ></TD>"
                  "<TD HEIGHT=10 WIDTH=100 ></TD><TD HEIGHT=10 WIDTH=90 ></TD><TD></TD></TR>"
                  "<TR VALIGN=\"top\" ALIGN=\"left\"><TD HEIGHT=100 ></TD>"
                  "<TD  HEIGHT=100    ><MAP NAME=\"{MAP}\">"
                  "<AREA SHAPE=\"RECT\" COORDS=\"60,70,140,160\" HREF=\"far.html\" ALT=\"F\"> "
                  "<AREA SHAPE=\"RECT\" COORDS=\"5,5,25,25\" HREF=\"near.html\" ALT=\"N\"> "
                  "</MAP><IMG SRC=\"p.gif\"   BORDER=0 USEMAP=\"#{MAP}\" ></TD></TR>"
                  "<TR VALIGN=\"top\" ALIGN=\"left\"><TD HEIGHT=40 ></TD><TD COLSPAN=2></TD>"
                  "</TR></TABLE>",
                  MapName(html)));
}

}  // namespace
}  // namespace wb
