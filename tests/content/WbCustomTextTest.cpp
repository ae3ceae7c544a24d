#include "content/WbCustomText.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "content/WbText.h"
#include "host/DesignSurface.h"
#include "host/Exception.h"
#include "support/Probe.h"
#include "support/Surface.h"

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

// ---- The preview ----

// A text component on yellow with red text, 160 x 130.
TWbText* PreviewText(TForm& form, const TStringList& lines, int32_t size, t_WbTextAlign align = taCenter) {
    auto* text = new TWbText(&form);
    text->SetBounds(1, 1, 160, 130);
    text->SetBackGroundColor(clYellow);
    text->GetFont()->SetColor(clRed);
    text->GetFont()->SetFontSize(size);
    text->SetAlign(align);
    text->WriteText(lines);
    return text;
}

TEST(TWbCustomText, PreviewStacksTheLinesByTheHeightOfTheFontSize) {
    const int32_t heights[] = {13, 16, 18, 21, 27, 36};
    for (int32_t size = 1; size <= 6; ++size) {
        SCOPED_TRACE("size " + std::to_string(size));
        const int32_t h = heights[size - 1];
        TForm form;
        TWbText* text = PreviewText(form, TStringList{"EX", "EX", "EX"}, size);
        const TBitmap picture = PaintDesignSurface(*text);
        test::ExpectDashedOutline(picture, clBlue, clYellow);

        // The same line three times, h pixels apart (each drawn one pixel below the top of its
        // rectangle, where the first has the outline); below the third only the background.
        auto line = [&](int32_t index) {
            TBitmap part(158, h - 1, pf24bit);
            TCanvas copy(part);
            copy.StretchDraw(Rect(-1, -1 - index * h, 159, 129 - index * h), picture);
            return part;
        };
        const TBitmap first = line(0);
        EXPECT_GT(test::CountColor(first, clRed), 10);
        EXPECT_TRUE(test::SamePixels(line(1), first));
        EXPECT_TRUE(test::SamePixels(line(2), first));
        EXPECT_EQ(test::CountColor(picture, Rect(1, 3 * h, 159, 129), clYellow), 158 * (129 - 3 * h));
    }
}

TEST(TWbCustomText, PreviewShowsTheLinesWithoutTags) {
    TForm form;
    TWbText* marked = PreviewText(form, TStringList{"<B>Bold</B> <A HREF=\"x\">link</A>", "<BR>"}, 3);
    TWbText* plain = PreviewText(form, TStringList{"Bold link", ""}, 3);
    marked->SetName("Marked");
    plain->SetName("Plain");
    EXPECT_TRUE(test::SamePixels(PaintDesignSurface(*marked), PaintDesignSurface(*plain)));
    // The preview shows one line per list line whatever AutoLineBreak says.
    const TBitmap before = PaintDesignSurface(*plain);
    plain->SetAutoLineBreak(false);
    EXPECT_TRUE(test::SamePixels(PaintDesignSurface(*plain), before));
}

TEST(TWbCustomText, PreviewAlignsTheLines) {
    const struct {
        t_WbTextAlign align;
        int32_t inkLeftAtLeast;
        int32_t inkRightAtMost;
    } cases[] = {
        {taLeft, 0, 60},
        {taNone, 0, 60},
        {taCenter, 50, 110},
        {taRight, 100, 160},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        TForm form;
        const TBitmap picture = PaintDesignSurface(*PreviewText(form, TStringList{"Short"}, 2, c.align));
        const TRect ink = test::Extent(picture, clRed);
        EXPECT_GE(ink.Left, c.inkLeftAtLeast);
        EXPECT_LE(ink.Right, c.inkRightAtMost);
    }
}

TEST(TWbCustomText, PreviewCutsLinesAtTheComponentsEdges) {
    TForm form;
    TWbText* text = PreviewText(form, TStringList{"A first line far wider than the component is", "Second", "Third"}, 4, taLeft);
    text->SetBounds(1, 1, 60, 30);  // room for one line of 21 pixels and part of the next
    const TBitmap picture = PaintDesignSurface(*text);
    ASSERT_EQ(picture.Width(), 60);
    EXPECT_GT(test::CountColor(picture, Rect(50, 0, 59, 21), clRed), 0) << "the first line runs to the edge";
    EXPECT_GT(test::CountColor(picture, Rect(0, 22, 60, 30), clRed), 0) << "the top of the second line";
    TForm other;
    TWbText* empty = PreviewText(other, TStringList{}, 4, taLeft);
    empty->SetBounds(1, 1, 60, 30);
    const TBitmap background = PaintDesignSurface(*empty);
    EXPECT_EQ(test::CountColor(background, Rect(1, 1, 59, 29), clYellow), 58 * 28);
    test::ExpectDashedOutline(background, clBlue, clYellow);
}

}  // namespace
}  // namespace wb
