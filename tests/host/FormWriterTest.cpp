#include "host/FormWriter.h"

#include <gtest/gtest.h>

#include "content/WbImageMap.h"
#include "host/Exception.h"
#include "host/FormReader.h"
#include "support/FormClasses.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::Place;
using test::TTestWidget;

std::unique_ptr<TForm> Read(const std::string& text) {
    test::PublishTestClasses();
    TFormReadOptions options;
    options.IgnoreEvents = true;
    return ReadForm(text, "t.dfm", options);
}

TEST(FormWriter, WritesTheCanonicalForm) {
    TForm form;
    form.SetName("Form1");
    form.SetBounds(0, 0, 640, 480);
    auto* page = Place<TWbPage>(form, form, "WbPage1", 8, 8, 500, 300);
    page->SetPageTitle("It's \"me\"\xB4");
    page->SetScripts(TStringList{"<SCRIPT>", "f();"});
    page->SetLinkColor(clRed);
    page->SetVLinkColor(0x123456);
    page->SetDefaultTextColor(clScrollBar);
    page->SetOnBeforePut(TNamedHandler{"PageBefore", nullptr});
    auto* panel = Place<TWbPanel>(form, *page, "WbPanel1", 10, 20, 100, 50);
    panel->GetHTMLBefore().Add("<CENTER>");
    EXPECT_EQ(WriteForm(form),
              "object Form1: TForm\n"
              "  Left = 0\n"
              "  Top = 0\n"
              "  Width = 640\n"
              "  Height = 480\n"
              "  object WbPage1: TWbPage\n"
              "    Left = 8\n"
              "    Top = 8\n"
              "    Width = 500\n"
              "    Height = 300\n"
              "    OnBeforePut = PageBefore\n"
              "    BackGroundColor = clWhite\n"
              "    HTMLBefore.Strings = ()\n"
              "    HTMLAfter.Strings = ()\n"
              "    HTMLInside.Strings = ()\n"
              "    PageTitle = 'It''s \"me\"'#180\n"
              "    BackGroundImage = ''\n"
              "    Scripts.Strings = (\n"
              "      '<SCRIPT>'\n"
              "      'f();')\n"
              "    LinkColor = clRed\n"
              "    VLinkColor = 1193046\n"
              "    DefaultTextColor = clScrollBar\n"
              "    object WbPanel1: TWbPanel\n"
              "      Left = 10\n"
              "      Top = 20\n"
              "      Width = 100\n"
              "      Height = 50\n"
              "      BackGroundColor = clNone\n"
              "      HTMLBefore.Strings = (\n"
              "        '<CENTER>')\n"
              "      HTMLAfter.Strings = ()\n"
              "      HTMLInside.Strings = ()\n"
              "    end\n"
              "  end\n"
              "end\n");
}

TEST(FormWriter, QuotesPrintableAsciiAndCodesEveryOtherByte) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", "''"},
        {"abc", "'abc'"},
        {"It's", "'It''s'"},
        {"'", "''''"},
        {"\xB4", "#180"},
        {"a\r\nb", "'a'#13#10'b'"},
        {std::string(1, '\0'), "#0"},
        {" ~\x7F\xFF", "' ~'#127#255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(QuoteFormString(c.text), c.expected);
    }
}

// A form that uses every kind of property, nested objects at two levels, a non-visual
// component and a control that lies on the form itself.
const char* const kEveryKind =
    "object Form1: TMyForm\n"
    "  Width = 640\n"
    "  object Svc: TTestService\n"
    "    Left = 48\n"
    "    Top = 96\n"
    "  end\n"
    "  object Page: TWbPage\n"
    "    Left = -4\n"
    "    OnAfterPut = PageAfter\n"
    "    PageTitle = 'caf'#233' ''au'' lait'\n"
    "    LinkColor = $123456\n"
    "    VLinkColor = clInfoBk\n"
    "    HTMLInside.Strings = ('<CAPTION>' '' #9)\n"
    "    object Panel: TWbPanel\n"
    "      Left = 10\n"
    "      BackGroundColor = clYellow\n"
    "      object W: TTestWidget\n"
    "        Count = 7\n"
    "        Size = 65535\n"
    "        Checked = True\n"
    "        Align = taNone\n"
    "        TextColor = -1\n"
    "        Caption = 'x' +\n"
    "          'y'\n"
    "        Lines.Strings = ('a' 'b')\n"
    "        Font.Size = 5\n"
    "        Font.Shade.Depth = -9\n"
    "        OnClick = WClick\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object Map: TWbImageMap\n"
    "    Link = 'a.html'\n"
    "    AltText = 'A'\n"
    "  end\n"
    "end\n";

TEST(FormWriter, WritingALoadedFormAndLoadingItGivesTheSameForm) {
    const std::string first = WriteForm(*Read(kEveryKind));
    const std::string second = WriteForm(*Read(first));
    EXPECT_EQ(first, second);
    const auto again = Read(second);
    const auto& widget = dynamic_cast<TTestWidget&>(*again->FindComponent("W"));
    EXPECT_EQ(widget.Caption(), "xy");
    EXPECT_EQ(widget.Font().Shade().Depth(), -9);
    EXPECT_EQ(widget.TextColor(), -1);
    EXPECT_EQ(widget.OnClick().target<TNamedHandler>()->Name, "WClick");
    EXPECT_EQ(again->FormClassName(), "TMyForm");
    EXPECT_EQ(dynamic_cast<TComponent&>(*again->FindComponent("Svc")).DesignTop(), 96);
    EXPECT_NE(first.find("object Form1: TMyForm\n"), std::string::npos);
    EXPECT_NE(first.find("    HTMLInside.Strings = (\n      '<CAPTION>'\n      ''\n      #9)\n"),
              std::string::npos)
        << first;
    EXPECT_NE(first.find("        Font.Size = 5\n        Font.Bold = False\n"
                         "        Font.Color = clBlack\n        Font.Shade.Depth = -9\n"
                         "        OnClick = WClick\n"),
              std::string::npos)
        << first;
}

TEST(FormWriter, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
    TForm form;
    form.SetName("F");
    auto* page = Place<TWbPage>(form, form, "P", 0, 0, 10, 10);
    page->SetPageTitle(all);
    page->GetScripts().Add(all);
    const auto loaded = Read(WriteForm(form));
    const auto& read = dynamic_cast<TWbPage&>(*loaded->FindComponent("P"));
    EXPECT_EQ(read.PageTitle(), all);
    EXPECT_EQ(read.GetScripts().Get(0), all);
}

// A transparent component reads its container's colour, but the file keeps it transparent.
TEST(FormWriter, TransparentComponentStaysTransparent) {
    TForm form;
    form.SetName("F");
    auto* page = Place<TWbPage>(form, form, "P", 0, 0, 400, 300);
    auto* clear = Place<TWbPanel>(form, *page, "Clear", 1, 1, 10, 10);
    auto* red = Place<TWbPanel>(form, *page, "Red", 20, 1, 10, 10);
    red->SetBackGroundColor(clRed);
    EXPECT_EQ(clear->GetBackGroundColor(), clWhite);
    const auto loaded = Read(WriteForm(form));
    const auto& clearAgain = dynamic_cast<TWbPanel&>(*loaded->FindComponent("Clear"));
    EXPECT_TRUE(clearAgain.IsBackgroundTransparent());
    EXPECT_EQ(clearAgain.GetBackGroundColor(), clWhite);
    EXPECT_EQ(dynamic_cast<TWbPanel&>(*loaded->FindComponent("Red")).OwnBackGroundColor(), clRed);
    EXPECT_EQ(page->put(), dynamic_cast<TWbPage&>(*loaded->FindComponent("P")).put());
}

// The form's children are what it owns that lies on it or on nothing, in the order it owns
// them; a control on the form that the form does not own still belongs to the file.
TEST(FormWriter, FormChildren) {
    test::PublishTestClasses();
    class TMyForm : public TForm {};
    TMyForm form;
    form.SetName("F");
    auto* service = new test::TTestService(&form);
    service->SetName("Svc");
    service->SetDesignLeft(3);
    auto* loose = new TWbPanel(&form);
    loose->SetName("Loose");
    TWbPanel stranger(nullptr);
    stranger.SetName("Stranger");
    stranger.SetParent(&form);
    const std::string text = WriteForm(form);
    EXPECT_EQ(text.rfind("object F: TMyForm\n", 0), 0u) << text;
    const auto svc = text.find("  object Svc: TTestService\n    Left = 3\n    Top = 0\n  end\n");
    const auto looseAt = text.find("  object Loose: TWbPanel\n");
    const auto strangerAt = text.find("  object Stranger: TWbPanel\n");
    EXPECT_NE(svc, std::string::npos) << text;
    EXPECT_LT(svc, looseAt);
    EXPECT_LT(looseAt, strangerAt);
    EXPECT_NE(strangerAt, std::string::npos);
}

TEST(FormWriter, RefusesWhatAFormFileCannotHold) {
    const struct {
        const char* name;
        std::function<void(TForm&, TWbPage&)> build;
        std::string expected;
    } cases[] = {
        {"component without a name",
         [](TForm& form, TWbPage& page) { (new TWbPanel(&form))->SetParent(&page); },
         "a TWbPanel has no name; a form file needs one"},
        {"class not registered",
         [](TForm& form, TWbPage& page) { Place<test::TProbe>(form, page, "Probe1", 1, 1, 5, 5); },
         "Probe1: class TProbe is not registered for form files"},
        {"handler without a name",
         [](TForm&, TWbPage& page) { page.SetOnAfterPut([](TObject*) {}); },
         "P: the handler of OnAfterPut has no name; assign a TNamedHandler to store it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        form.SetName("F");
        auto* page = Place<TWbPage>(form, form, "P", 0, 0, 10, 10);
        c.build(form, *page);
        try {
            WriteForm(form);
            ADD_FAILURE() << "written";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.expected);
        }
    }
}

}  // namespace
}  // namespace wb
