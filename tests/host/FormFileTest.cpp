#include "host/FormFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "support/Probe.h"

namespace wb {
namespace {

using test::Place;

const char* const kOrder =
    "object OrderForm: TOrderForm\n"
    "  Width = 700\n"
    "  object WbPage1: TWbPage\n"
    "    Width = 600\n"
    "    Height = 400\n"
    "    BackGroundColor = clSilver\n"
    "    PageTitle = 'Order'\n"
    "    BackGroundImage = 'bg.gif'\n"
    "    Scripts.Strings = ('<SCRIPT>' 'f();' '</SCRIPT>')\n"
    "    LinkColor = clBlue\n"
    "    OnBeforePut = PageBefore\n"
    "    object Header: TWbPanel\n"
    "      Left = 10\n"
    "      Top = 10\n"
    "      Width = 580\n"
    "      Height = 60\n"
    "      BackGroundColor = clNavy\n"
    "      HTMLInside.Strings = ('<CAPTION>wbforms</CAPTION>')\n"
    "    end\n"
    "    object Body: TWbPanel\n"
    "      Left = 10\n"
    "      Top = 80\n"
    "      Width = 580\n"
    "      Height = 300\n"
    "      HTMLBefore.Strings = ('<CENTER>')\n"
    "      HTMLAfter.Strings = ('</CENTER>')\n"
    "      object Inner: TWbPanel\n"
    "        Left = 20\n"
    "        Top = 20\n"
    "        Width = 100\n"
    "        Height = 100\n"
    "        BackGroundColor = clYellow\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "end\n";

TFormReadOptions IgnoringEvents() {
    TFormReadOptions options;
    options.IgnoreEvents = true;
    return options;
}

// The page a program builds in C++ and the page of the form file render the same document.
TEST(TFormFile, PageFromTheFileRendersLikeThePageBuiltInCode) {
    TForm form;
    auto* page = Place<TWbPage>(form, form, "WbPage1", 0, 0, 600, 400);
    page->SetBackGroundColor(clSilver);
    page->SetPageTitle("Order");
    page->SetBackGroundImage("bg.gif");
    page->SetScripts(TStringList{"<SCRIPT>", "f();", "</SCRIPT>"});
    page->SetLinkColor(clBlue);
    auto* header = Place<TWbPanel>(form, *page, "Header", 10, 10, 580, 60);
    header->SetBackGroundColor(clNavy);
    header->GetHTMLInside().Add("<CAPTION>wbforms</CAPTION>");
    auto* body = Place<TWbPanel>(form, *page, "Body", 10, 80, 580, 300);
    body->GetHTMLBefore().Add("<CENTER>");
    body->GetHTMLAfter().Add("</CENTER>");
    Place<TWbPanel>(form, *body, "Inner", 20, 20, 100, 100)->SetBackGroundColor(clYellow);

    const TFormFile file = TFormFile::Parse(kOrder, "order.dfm", IgnoringEvents());
    EXPECT_EQ(file.Find<TWbPage>("WbPage1").put(), page->put());
    EXPECT_EQ(file.Find<TWbPanel>("body").put(), body->put());
}

TEST(TFormFile, HandlersRunWhenThePageRenders) {
    std::vector<std::string> log;
    TFormReadOptions options;
    options.Handlers = {{"PageBefore", [&](TObject* sender) {
                             auto* page = static_cast<TWbPage*>(sender);
                             page->SetPageTitle("Changed");
                             log.push_back(page->Name());
                         }}};
    const TFormFile file = TFormFile::Parse(kOrder, "order.dfm", options);
    const std::string html = file.Find<TWbPage>("WbPage1").put();
    EXPECT_EQ(log, std::vector<std::string>{"WbPage1"});
    EXPECT_NE(html.find("<TITLE>Changed</TITLE>"), std::string::npos);
}

TEST(TFormFile, FindChecksNameAndClass) {
    const TFormFile file = TFormFile::Parse(kOrder, "order.dfm", IgnoringEvents());
    EXPECT_EQ(&file.Find<TWbVisibleComponent>("Header"), file.Form().FindComponent("Header"));
    EXPECT_EQ(&file.Find<TForm>("OrderForm"), &file.Form());
    EXPECT_EQ(file.FindFirst<TWbPanel>()->Name(), "Header");
    EXPECT_EQ(file.FindFirst<TWbPage>()->Name(), "WbPage1");
    const struct {
        const char* name;
        std::function<void()> find;
        std::string expected;
    } cases[] = {
        {"no such component", [&] { file.Find<TWbPage>("WbPage2"); },
         "order.dfm: no component named 'WbPage2'"},
        {"another class", [&] { file.Find<TWbPage>("Header"); },
         "order.dfm: Header is a TWbPanel, not a TWbPage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.find();
            ADD_FAILURE() << "found";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.expected);
        }
    }
}

TEST(TFormFile, LoadAndSaveFiles) {
    const std::string path = ::testing::TempDir() + "wbforms_formfile_test.dfm";
    std::ofstream(path, std::ios::binary) << kOrder;
    const TFormFile file = TFormFile::Load(path, IgnoringEvents());
    EXPECT_EQ(file.FileName(), path);
    const std::string copy = path + ".copy";
    file.Save(copy);
    EXPECT_EQ(TFormFile::Load(copy, IgnoringEvents()).Write(), file.Write());
    std::remove(path.c_str());
    std::remove(copy.c_str());

    try {
        TFormFile::Load(path);
        ADD_FAILURE() << "loaded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), path + ": cannot open: No such file or directory");
    }
    try {
        TFormFile::Parse("object F: TForm\n  Width 1\nend\n", "bad.dfm");
        ADD_FAILURE() << "loaded";
    } catch (const EFormFileError& e) {
        EXPECT_EQ(e.Message(), "bad.dfm:2:9: expected '='");
        EXPECT_EQ(e.FileName(), "bad.dfm");
        EXPECT_EQ(e.Line(), 2);
        EXPECT_EQ(e.Column(), 9);
        EXPECT_EQ(e.Reason(), "expected '='");
    }
}

}  // namespace
}  // namespace wb
