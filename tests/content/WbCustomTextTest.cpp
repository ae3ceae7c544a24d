#include "content/WbCustomText.h"

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

const std::string kFontStart = "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" >";

// A font that counts its own destruction, to see who frees it.
class TCountedFont : public TWbFont {
public:
    explicit TCountedFont(int& destroyed) : FDestroyed(destroyed) {}
    ~TCountedFont() override { ++FDestroyed; }

private:
    int& FDestroyed;
};

TEST(TWbCustomText, Defaults) {
    TForm form;
    TWbText text(&form);
    EXPECT_EQ((std::array{text.Left(), text.Top(), text.Width(), text.Height()}),
              (std::array{1, 1, 70, 20}));
    EXPECT_EQ(text.readText().Count(), 0);
    EXPECT_EQ(text.Link(), "");
    EXPECT_TRUE(text.AutoLineBreak());
    EXPECT_EQ(text.Align(), taLeft);
    EXPECT_TRUE(text.IsBackgroundTransparent());
    EXPECT_FALSE(text.GetContainer());
    ASSERT_NE(text.GetFont(), nullptr);
    EXPECT_EQ(text.GetFont()->CreateHTMLText(""), kFontStart + "</FONT>");
    EXPECT_TRUE(text.GetFont()->OnChange());
}

TEST(TWbCustomText, Put) {
    const struct {
        const char* name;
        std::function<void(TWbCustomText&)> set;
        std::string expected;
    } cases[] = {
        {"two lines with a link",
         [](TWbCustomText& t) {
             t.WriteText(TStringList{"Hello", "World"});
             t.SetLink("next.html");
         },
         "<A HREF = \"next.html\" >" + kFontStart + "Hello<br>World<br></FONT></A>"},
        {"lines joined with nothing between them without line breaks",
         [](TWbCustomText& t) {
             t.WriteText(TStringList{"Hello", "World"});
             t.SetAutoLineBreak(false);
         },
         kFontStart + "HelloWorld</FONT>"},
        {"no lines", [](TWbCustomText&) {}, kFontStart + "</FONT>"},
        {"one empty line", [](TWbCustomText& t) { t.readText().Add(""); },
         kFontStart + "<br></FONT>"},
        {"mark-up in a line passes unchanged",
         [](TWbCustomText& t) { t.readText().Add("<IMG SRC=\"a.gif\"> & <TABLE>"); },
         kFontStart + "<IMG SRC=\"a.gif\"> & <TABLE><br></FONT>"},
        {"the anchor encloses the free texts before and after",
         [](TWbCustomText& t) {
             t.readText().Add("t");
             t.GetHTMLBefore().Add("x");
             t.GetHTMLAfter().Add("y");
             t.SetLink("l");
         },
         "<A HREF = \"l\" > x" + kFontStart + "t<br></FONT> y</A>"},
        {"the inside text follows the FONT element",
         [](TWbCustomText& t) {
             t.readText().Add("t");
             t.GetHTMLInside().Add("<HR>");
             t.GetHTMLAfter().Add("a");
         },
         kFontStart + "t<br></FONT> <HR> a"},
        {"font styles",
         [](TWbCustomText& t) {
             t.readText().Add("t");
             t.GetFont()->SetBold(true);
             t.GetFont()->SetColor(clNone);
             t.GetFont()->SetFontSize(5);
         },
         "<FONT SIZE=\"5\" FACE=\"ARIAL,SYSTEM\"  ><B>t<br></B></FONT>"},
        {"alignment never reaches the mark-up",
         [](TWbCustomText& t) {
             t.readText().Add("t");
             t.SetAlign(taCenter);
         },
         kFontStart + "t<br></FONT>"},
        {"link written unchanged",
         [](TWbCustomText& t) { t.SetLink("a.cgi?x=1&y=\"2\""); },
         "<A HREF = \"a.cgi?x=1&y=\"2\"\" >" + kFontStart + "</FONT></A>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbCustomText text(&form);
        c.set(text);
        EXPECT_EQ(text.put(), c.expected);
    }
}

TEST(TWbCustomText, PutFiresItsEventsAroundReadingTheProperties) {
    TForm form;
    TWbText text(&form);
    text.SetName("Text");
    std::vector<std::string> log;
    LogEvents(text, log);
    text.SetOnBeforePut([&](TObject*) {
        log.push_back("before");
        text.readText().Add("late");
        text.SetLink("x");
    });
    EXPECT_EQ(text.put(), "<A HREF = \"x\" >" + kFontStart + "late<br></FONT></A>");
    EXPECT_EQ(log, (std::vector<std::string>{"before", "Text after"}));
}

TEST(TWbCustomText, PutReadsTheLinesThroughReadText) {
    class TFixedText : public TWbCustomText {
    public:
        using TWbCustomText::TWbCustomText;
        TStrings& readText() override { return FFixed; }

    private:
        TStringList FFixed{"fixed"};
    };
    TForm form;
    TFixedText text(&form);
    text.WriteText(TStringList{"own"});
    EXPECT_EQ(text.put(), kFontStart + "fixed<br></FONT>");
    const TWbCustomText& reader = text;  // as the form-file writer holds it
    EXPECT_EQ(reader.readText()[0], "fixed");
}

TEST(TWbCustomText, TextIsCopiedNotShared) {
    TForm form;
    TWbText text(&form);
    TStrings& own = text.readText();
    TStringList lines{"a", "b"};
    text.WriteText(lines);
    lines.Put(0, "changed");
    EXPECT_EQ(&text.readText(), &own);
    EXPECT_EQ(own.Text(), "a\nb\n");
}

TEST(TWbCustomText, ReplacingTheFontFreesTheOldOneAndHooksTheNewOne) {
    int destroyed = 0;
    {
        TForm form;
        TWbText text(&form);
        auto* first = new TCountedFont(destroyed);
        text.SetFont(first);
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(text.GetFont(), first);

        auto* second = new TCountedFont(destroyed);
        second->SetBold(true);
        text.SetFont(second);  // the component's font is the object itself, not a copy
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(text.put(), kFontStart + "<B></B></FONT>");

        form.SetDesigning(true);
        const int before = text.RepaintRequests();
        second->SetItalic(true);
        EXPECT_EQ(text.RepaintRequests() - before, 1);
    }
    EXPECT_EQ(destroyed, 2);  // the component frees the font it holds
}

TEST(TWbCustomText, PassingTheCurrentFontAgainDoesNothing) {
    int destroyed = 0;
    TForm form;
    TWbText text(&form);
    auto* font = new TCountedFont(destroyed);
    text.SetFont(font);
    int ownHandlerCalls = 0;
    font->SetOnChange([&](TObject*) { ++ownHandlerCalls; });
    form.SetDesigning(true);
    const int before = text.RepaintRequests();

    text.SetFont(font);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(text.GetFont(), font);
    EXPECT_EQ(text.RepaintRequests(), before);
    font->SetBold(true);  // still the handler set after SetFont: not hooked again
    EXPECT_EQ(ownHandlerCalls, 1);
    EXPECT_EQ(text.RepaintRequests(), before);
}

TEST(TWbCustomText, RefusesToLoseItsFont) {
    TForm form;
    TWbText text(&form);
    TWbFont* font = text.GetFont();
    EXPECT_THROW(text.SetFont(nullptr), Exception);
    EXPECT_EQ(text.GetFont(), font);
}

TEST(TWbCustomText, RepaintsAtDesignTimeWhereThePreviewChanges) {
    TForm form;
    TWbText text(&form);
    TWbFont* font = text.GetFont();
    const struct {
        const char* name;
        std::function<void()> change;
        int repaints;
    } cases[] = {
        {"Font.PrimaryFont", [&] { font->SetPrimaryFont("Times"); }, 1},
        {"Font.SecondaryFonts", [&] { font->SetSecondaryFonts(""); }, 1},
        {"Font.Size", [&] { font->SetFontSize(3); }, 1},
        {"Font.Color", [&] { font->SetColor(clRed); }, 1},
        {"Font.Bold", [&] { font->SetBold(true); }, 1},
        {"Font.Italic", [&] { font->SetItalic(true); }, 1},
        {"Font.Underline", [&] { font->SetUnderline(true); }, 1},
        {"Font.Strikeout", [&] { font->SetStrikeout(true); }, 1},
        {"Font.Bold to the same value", [&] { font->SetBold(true); }, 1},
        {"Link", [&] { text.SetLink("x"); }, 1},
        {"Text", [&] { text.WriteText(TStringList{"a"}); }, 1},
        {"Align", [&] { text.SetAlign(taRight); }, 1},
        {"AutoLineBreak", [&] { text.SetAutoLineBreak(false); }, 0},
        {"lines changed in place", [&] { text.readText().Add("b"); }, 0},
        {"free texts", [&] { text.SetHTMLBefore(TStringList{"b"}); }, 0},
    };
    for (const bool designing : {false, true}) {
        form.SetDesigning(designing);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (designing ? " (designing)" : " (running)"));
            const int before = text.RepaintRequests();
            c.change();
            EXPECT_EQ(text.RepaintRequests() - before, designing ? c.repaints : 0);
        }
    }
}

TEST(TWbCustomText, AlignmentChoosesTheCellAlignmentOfTheContainer) {
    TForm form;
    auto* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 100, 40);
    auto* text = Place<TWbText>(form, *panel, "Text", 10, 10, 80, 20);
    text->readText().Add("Hi");
    text->SetAlign(taCenter);
    EXPECT_NE(panel->put().find("<TD ALIGN=\"center\" HEIGHT=20    >" + kFontStart +
                                "Hi<br></FONT></TD>"),
              std::string::npos);
}

TEST(TWbCustomText, TakesNoChildren) {
    TForm form;
    TWbText text(&form);
    TWbText other(&form);
    try {
        other.SetParent(&text);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot place component in a non-container");
    }
    EXPECT_EQ(text.ControlCount(), 0);
}

}  // namespace
}  // namespace wb
