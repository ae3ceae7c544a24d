#include "host/FormReader.h"

#include <gtest/gtest.h>

#include <array>

#include "content/WbImageMap.h"
#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/Exception.h"
#include "host/FormWriter.h"
#include "support/FormClasses.h"

namespace wb {
namespace {

using test::TTestService;
using test::TTestWidget;

TFormReadOptions IgnoringEvents() {
    TFormReadOptions options;
    options.IgnoreEvents = true;
    return options;
}

std::unique_ptr<TForm> Read(const std::string& text,
                            const TFormReadOptions& options = IgnoringEvents()) {
    test::PublishTestClasses();
    return ReadForm(text, "t.dfm", options);
}

// The message of the error reading text raises, or "no error".
std::string ReadError(const std::string& text, const TFormReadOptions& options = IgnoringEvents()) {
    try {
        Read(text, options);
    } catch (const EFormFileError& e) {
        return e.Message();
    }
    return "no error";
}

template <class T>
T& Named(const TForm& form, const char* name) {
    auto* component = dynamic_cast<T*>(form.FindComponent(name));
    if (component == nullptr) throw std::runtime_error(std::string("no ") + name);
    return *component;
}

// One page with one property line: the value as the page reads it.
std::unique_ptr<TForm> ReadPageProperty(const std::string& line) {
    return Read("object F: TForm\n  object P: TWbPage\n    " + line + "\n  end\nend\n");
}

TEST(FormReader, ReadsAValueOfEveryKind) {
    int clicks = 0;
    TFormReadOptions options;
    options.Handlers = {{"WClick", [&](TObject*) { ++clicks; }}};
    const auto form = Read(
        "object Form1: TForm1\n"
        "  Left = 5\n"
        "  Width = 640\n"
        "  object Svc: TTestService\n"
        "    Left = 48\n"
        "    Top = 96\n"
        "  end\n"
        "  object Page: TWbPage\n"
        "    Width = 600\n"
        "    object W: TTestWidget\n"
        "      Left = 10\n"
        "      Count = $1F\n"
        "      Size = 65535\n"
        "      Checked = True\n"
        "      Align = taRight\n"
        "      TextColor = clBtnFace\n"
        "      Caption = 'It''s'#32'me' +\n"
        "        ', caf'#233\n"
        "      Lines.Strings = (\n"
        "        'one'\n"
        "        ''\n"
        "        'th' + 'ree')\n"
        "      Font.Size = -7\n"
        "      Font.Bold = true\n"
        "      Font.Color = 255\n"
        "      Font.Shade.Depth = 4\n"
        "      OnClick = wclick\n"
        "    end\n"
        "  end\n"
        "end\n",
        options);
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->FormClassName(), "TForm1");
    EXPECT_EQ((std::array{form->Left(), form->Width()}), (std::array{5, 640}));
    const auto& service = Named<TTestService>(*form, "Svc");
    EXPECT_EQ((std::array{service.DesignLeft(), service.DesignTop()}), (std::array{48, 96}));
    const auto& page = Named<TWbPage>(*form, "Page");
    auto& widget = Named<TTestWidget>(*form, "W");
    EXPECT_EQ(page.Parent(), form.get());
    EXPECT_EQ(widget.Parent(), &page);
    EXPECT_EQ(widget.Left(), 10);
    EXPECT_EQ(widget.Count(), 31);
    EXPECT_EQ(widget.Size(), 65535);
    EXPECT_TRUE(widget.Checked());
    EXPECT_EQ(widget.Align(), taRight);
    EXPECT_EQ(widget.TextColor(), static_cast<TColor>(0x8000000F));
    EXPECT_EQ(widget.Caption(), "It's me, caf\xE9");
    EXPECT_EQ(widget.Lines().Text(), "one\n\nthree\n");
    EXPECT_EQ(widget.Font().Size(), -7);
    EXPECT_TRUE(widget.Font().Bold());
    EXPECT_EQ(widget.Font().Color(), clRed);
    EXPECT_EQ(widget.Font().Shade().Depth(), 4);
    ASSERT_TRUE(widget.OnClick());
    widget.OnClick()(&widget);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(widget.OnClick().target<TNamedHandler>()->Name, "wclick");
}

TEST(FormReader, Strings) {
    const struct {
        const char* name;
        std::string value;
        std::string expected;
    } cases[] = {
        {"plain", "'Order'", "Order"},
        {"empty", "''", ""},
        {"doubled quote", "'It''s'", "It's"},
        {"only quotes", "''''''", "''"},
        {"codes between parts", "'a'#13#10'b'", "a\r\nb"},
        {"code alone", "#180", "\xB4"},
        {"code 0 and 255", "'x'#0'y'#255", std::string("x\0y\xFF", 4)},
        {"leading zeros", "#065#0066", "AB"},
        {"joined", "'a' + 'b'", "ab"},
        {"joined across line ends", "'a' +\r\n      'b'\n   + #67", "abC"},
        {"bytes 128 to 255 as they are", "'\x80\xB4\xE9\xFF'", "\x80\xB4\xE9\xFF"},
        {"tab and other controls inside quotes", "'a\tb\x01'", "a\tb\x01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto form = ReadPageProperty("PageTitle = " + c.value);
        EXPECT_EQ(Named<TWbPage>(*form, "P").PageTitle(), c.expected);
    }
}

TEST(FormReader, IntegersAndColours) {
    const struct {
        const char* value;
        int32_t expected;
    } integers[] = {
        {"0", 0},
        {"-5", -5},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1FFFFFFF", 536870911},
        {"$7fffffff", 2147483647},
        {"$FFFFFFFF", -1},
        {"$000000000010", 16},
    };
    for (const auto& c : integers) {
        SCOPED_TRACE(c.value);
        // A page is the one web component the edge clamp does not move.
        const auto form = ReadPageProperty(std::string("Left = ") + c.value);
        EXPECT_EQ(Named<TWbPage>(*form, "P").Left(), c.expected);
    }
    const struct {
        const char* value;
        TColor expected;
    } colours[] = {
        {"clWhite", clWhite},
        {"CLWHITE", clWhite},
        {"16777215", clWhite},
        {"clNone", 536870911},
        {"536870911", 536870911},
        {"clScrollBar", static_cast<TColor>(0x80000000)},
        {"clInfoBk", static_cast<TColor>(0x80000018)},
        {"$80000018", static_cast<TColor>(0x80000018)},
        {"-2147483624", static_cast<TColor>(0x80000018)},
        {"$123456", 0x123456},
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(c.value);
        const auto form = ReadPageProperty(std::string("LinkColor = ") + c.value);
        EXPECT_EQ(Named<TWbPage>(*form, "P").LinkColor(), c.expected);
    }
}

TEST(FormReader, KeywordsNamesAndPropertiesIgnoreCase) {
    const auto form = Read(
        "OBJECT form1: tform\n"
        "  WIDTH = 10\n"
        "  Object page1: twbpage\n"
        "    pagetitle = 'x'\n"
        "    BACKGROUNDCOLOR = CLRED\n"
        "    htmlbefore.STRINGS = ('a')\n"
        "    object W: TTESTWIDGET\n"
        "      checked = TRUE\n"
        "      align = TACENTER\n"
        "      FONT.bold = tRuE\n"
        "    End\n"
        "  END\n"
        "end");
    EXPECT_EQ(form->Width(), 10);
    EXPECT_EQ(form->FormClassName(), "");  // tform is the registered TForm
    const auto& page = Named<TWbPage>(*form, "PAGE1");
    EXPECT_EQ(page.PageTitle(), "x");
    EXPECT_EQ(page.OwnBackGroundColor(), clRed);
    EXPECT_EQ(page.GetHTMLBefore().Text(), "a\n");
    const auto& widget = Named<TTestWidget>(*form, "w");
    EXPECT_TRUE(widget.Checked());
    EXPECT_EQ(widget.Align(), taCenter);
    EXPECT_TRUE(widget.Font().Bold());
}

// Properties go through their setters in file order while the component is loading, so a value
// set twice ends as the last one and the edge clamp applies as in the designer.
TEST(FormReader, SettersRunInFileOrderWhileLoading) {
    const auto form = Read(
        "object F: TForm\n"
        "  object Page: TWbPage\n"
        "    Left = -20\n"
        "    object W: TTestWidget\n"
        "      Count = 1\n"
        "      Caption = 'x'\n"
        "      Count = 2\n"
        "      Left = 0\n"
        "      Top = -3\n"
        "    end\n"
        "  end\n"
        "end\n");
    const auto& widget = Named<TTestWidget>(*form, "W");
    EXPECT_EQ(widget.Log,
              (std::vector<std::string>{"Count loading", "Caption loading", "Count loading"}));
    EXPECT_EQ(widget.Count(), 2);
    EXPECT_EQ((std::array{widget.Left(), widget.Top()}), (std::array{1, 1}));
    EXPECT_EQ(Named<TWbPage>(*form, "Page").Left(), -20);
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    for (int32_t i = 0; i < form->ComponentCount(); ++i)
        EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csLoading));
}

TEST(FormReader, FormOwnsEverythingInFileOrderAndNestingSetsTheParent) {
    const auto form = Read(
        "object F: TForm\n"
        "  object A: TWbPage\n"
        "    object B: TWbPanel\n"
        "      object C: TWbPanel\n"
        "      end\n"
        "    end\n"
        "    object D: TWbPanel\n"
        "    end\n"
        "  end\n"
        "  object M: TWbImageMap\n"
        "  end\n"
        "end\n");
    std::vector<std::string> owned;
    for (int32_t i = 0; i < form->ComponentCount(); ++i)
        owned.push_back(form->Components(i)->Name());
    EXPECT_EQ(owned, (std::vector<std::string>{"A", "B", "C", "D", "M"}));
    const auto parentName = [&](const char* name) {
        return dynamic_cast<TControl&>(*form->FindComponent(name)).Parent()->Name();
    };
    EXPECT_EQ(parentName("A"), "F");
    EXPECT_EQ(parentName("B"), "A");
    EXPECT_EQ(parentName("C"), "B");
    EXPECT_EQ(parentName("D"), "A");
    EXPECT_EQ(parentName("M"), "F");
}

TEST(FormReader, EventsBindByNameOrAreIgnored) {
    const std::string text =
        "object F: TForm\n"
        "  object P: TWbPage\n"
        "    OnBeforePut = PageBefore\n"
        "    OnAfterPut = PageAfter\n"
        "  end\n"
        "end\n";
    std::vector<std::string> log;
    TFormReadOptions options;
    options.Handlers = {
        {"pagebefore",
         [&](TObject* s) { log.push_back("before " + static_cast<TComponent*>(s)->Name()); }},
        {"PageAfter", [&](TObject*) { log.push_back("after"); }}};
    {
        const auto form = Read(text, options);
        Named<TWbPage>(*form, "P").put();
        EXPECT_EQ(log, (std::vector<std::string>{"before P", "after"}));
    }
    log.clear();
    options.IgnoreEvents = true;
    const auto form = Read(text, options);
    auto& page = Named<TWbPage>(*form, "P");
    page.put();
    EXPECT_TRUE(log.empty());
    // The names stay, so the form is written back as it was.
    EXPECT_EQ(page.OnBeforePut().target<TNamedHandler>()->Name, "PageBefore");
}

TEST(FormReader, DesigningFormRepaints) {
    TFormReadOptions options = IgnoringEvents();
    options.Designing = true;
    const auto form = Read(
        "object F: TForm\n"
        "  object P: TWbPanel\n"
        "    BackGroundColor = clRed\n"
        "  end\n"
        "end\n",
        options);
    const auto& panel = Named<TWbPanel>(*form, "P");
    EXPECT_TRUE(panel.ComponentState().Contains(csDesigning));
    EXPECT_GT(panel.RepaintRequests(), 0);
    EXPECT_EQ(Named<TWbPanel>(*Read("object F: TForm\n object P: TWbPanel\n"
                                    " BackGroundColor = clRed\n end\nend"),
                              "P")
                  .RepaintRequests(),
              0);
}

TEST(FormReader, LongLinesAndDeepNesting) {
    const std::string title(1 << 20, 'x');
    const auto form = ReadPageProperty("PageTitle = '" + title + "'");
    EXPECT_EQ(Named<TWbPage>(*form, "P").PageTitle(), title);

    const auto nested = [](int depth) {
        std::string text = "object F: TForm\n";
        for (int level = 1; level <= depth; ++level)
            text +=
                std::string(2 * level, ' ') + "object P" + std::to_string(level) + ": TWbPanel\n";
        for (int level = depth; level >= 0; --level) text += std::string(2 * level, ' ') + "end\n";
        return text;
    };
    EXPECT_EQ(Read(nested(kMaxFormDepth))->ComponentCount(), kMaxFormDepth);
    EXPECT_EQ(ReadError(nested(kMaxFormDepth + 1)),
              "t.dfm:102:203: objects nested more than 100 levels deep");
    EXPECT_EQ(test::TTestWidget::Live, 0);
}

// Every kind of bad input names the file, line and column, and what was expected. A file that
// fails leaves nothing behind: no widget created on the way survives (and the sanitizer build
// finds no leak).
TEST(FormReader, ErrorsNameThePlace) {
    const std::string form = "object Form1: TForm\n";
    const std::string panel = form + "  object P1: TWbPanel\n";
    const std::string page = form + "  object P1: TWbPage\n";
    const std::string widget = form + "  object W1: TTestWidget\n";
    const std::string close = "  end\nend\n";
    TFormReadOptions withHandlers;
    withHandlers.Handlers = {{"Known", [](TObject*) {}}};
    const struct {
        const char* name;
        std::string text;
        std::string expected;
        TFormReadOptions options = IgnoringEvents();
    } cases[] = {
        {"no '='", form + "  Width 100\nend\n", "t.dfm:2:9: expected '='"},
        {"no ':'", "object Form1 TForm\nend\n", "t.dfm:1:14: expected ':'"},
        {"no class", "object Form1: 5\nend\n", "t.dfm:1:15: expected the object's class"},
        {"no 'object'", "Form1: TForm\nend\n", "t.dfm:1:1: expected 'object'"},
        {"empty file", "", "t.dfm:1:1: expected 'object'"},
        {"inherited", "inherited Form1: TForm\nend\n",
         "t.dfm:1:1: 'inherited' objects are not supported"},
        {"unknown class", form + "  object WbFoo1: TWbFoo\n" + close,
         "t.dfm:2:3: unknown class 'TWbFoo'"},
        {"abstract class", form + "  object C1: TWbComponent\n" + close,
         "t.dfm:2:3: class 'TWbComponent' cannot be created in a form"},
        {"root that is not a form", "object P: TWbPage\nend\n",
         "t.dfm:1:1: the root object must be a form, not a TWbPage"},
        {"unknown property", panel + "    Colour = clRed\n" + close,
         "t.dfm:3:5: P1: unknown property 'Colour'"},
        {"unknown property of a nested object", widget + "    Font.Colour = 1\n" + close,
         "t.dfm:3:5: W1: unknown property 'Font.Colour'"},
        {"dotted name of a plain property", panel + "    Width.Strings = ('a')\n" + close,
         "t.dfm:3:5: P1: unknown property 'Width.Strings'"},
        {"string list without .Strings", panel + "    HTMLBefore = ('a')\n" + close,
         "t.dfm:3:5: P1: HTMLBefore is a string list: write HTMLBefore.Strings = ( ... )"},
        {"nested object given a value", widget + "    Font = 3\n" + close,
         "t.dfm:3:5: W1: Font is an object: set its properties as Font.PROPERTY"},
        {"string for an integer", panel + "    Width = 'wide'\n" + close,
         "t.dfm:3:13: P1: expected an integer for Width, found a string"},
        {"set for an integer", panel + "    Width = [a, b]\n" + close,
         "t.dfm:3:13: P1: expected an integer for Width, found a set"},
        {"integer for a Boolean", widget + "    Checked = 1\n" + close,
         "t.dfm:3:15: W1: expected True or False for Checked, found the integer 1"},
        {"unknown enumeration value", widget + "    Align = taMiddle\n" + close,
         "t.dfm:3:13: W1: expected one of taCenter, taLeft, taRight, taNone for Align, found "
         "'taMiddle'"},
        {"unknown colour", panel + "    BackGroundColor = clPink\n" + close,
         "t.dfm:3:23: P1: unknown colour 'clPink'"},
        {"string for a colour", panel + "    BackGroundColor = 'red'\n" + close,
         "t.dfm:3:23: P1: expected a colour for BackGroundColor, found a string"},
        {"identifier for a string", page + "    PageTitle = Order\n" + close,
         "t.dfm:3:17: P1: expected a string for PageTitle, found 'Order'"},
        {"string for a list", panel + "    HTMLBefore.Strings = 'a'\n" + close,
         "t.dfm:3:26: P1: expected a list of strings in parentheses for HTMLBefore, found a "
         "string"},
        {"integer in a list", panel + "    HTMLBefore.Strings = ('a' 5)\n" + close,
         "t.dfm:3:31: expected a string or ')'"},
        {"string for an event", widget + "    OnClick = 'x'\n" + close,
         "t.dfm:3:15: W1: expected the name of an event handler for OnClick, found a string"},
        {"unknown event handler", widget + "    OnClick = Unknown\n" + close,
         "t.dfm:3:15: W1: unknown event handler 'Unknown' for OnClick", withHandlers},
        {"no value", form + "  Left = )\nend\n", "t.dfm:2:10: expected a value"},
        {"'+' without a string", page + "    PageTitle = 'a' + 5\n" + close,
         "t.dfm:3:23: expected a string after '+'"},
        {"placement in a non-container", widget + "    object P2: TWbPanel\n    end\n" + close,
         "t.dfm:3:5: P2: Cannot place component in a non-container"},
        {"image map in a panel", panel + "    object M1: TWbImageMap\n    end\n" + close,
         "t.dfm:3:5: M1: Imagemaps can only be put on images"},
        {"plain control in a panel", panel + "    object B1: TTestButton\n    end\n" + close,
         "t.dfm:3:5: B1: It\xB4s only possible to place Web-Components here"},
        {"non-visual component in a panel",
         panel + "    object S1: TTestService\n    end\n" + close,
         "t.dfm:3:5: S1: a TTestService is not a control; only the form can hold it"},
        {"control in a light-weight control",
         form + "  object M1: TWbImageMap\n    object P2: TWbPanel\n    end\n" + close,
         "t.dfm:3:5: P2: M1 cannot hold controls"},
        {"unterminated string", page + "    PageTitle = 'Order\n" + close,
         "t.dfm:3:17: unterminated string"},
        {"unterminated string at the end", page + "    PageTitle = 'Order",
         "t.dfm:3:17: unterminated string"},
        {"unterminated list", panel + "    HTMLBefore.Strings = (\n      'a'\n",
         "t.dfm:5:1: unterminated list: expected ')' to close the list opened at 3:26"},
        {"unterminated set", panel + "    Width = [a,",
         "t.dfm:3:16: unterminated set: expected ']' to close the set opened at 3:13"},
        {"missing end of the form", panel + "  end\n",
         "t.dfm:4:1: missing 'end' of Form1 (object at 1:1)"},
        {"missing end of a nested object", panel, "t.dfm:3:1: missing 'end' of P1 (object at 2:3)"},
        {"duplicate name", panel + "  end\n  object p1: TWbPanel\n" + close,
         "t.dfm:4:10: A component named p1 already exists"},
        {"integer above the range", panel + "    Left = 2147483648\n" + close,
         "t.dfm:3:12: integer 2147483648 out of range (-2147483648 to 2147483647)"},
        {"integer below the range", panel + "    Left = -2147483649\n" + close,
         "t.dfm:3:12: integer -2147483649 out of range (-2147483648 to 2147483647)"},
        {"long integer", panel + "    Left = 99999999999999999999999999999\n" + close,
         "t.dfm:3:12: integer 999999999999999999999999... out of range (-2147483648 to "
         "2147483647)"},
        {"hexadecimal above the range", panel + "    Left = $100000000\n" + close,
         "t.dfm:3:12: integer $100000000 out of range (at most 8 hexadecimal digits)"},
        {"'$' without digits", panel + "    Left = $\n" + close,
         "t.dfm:3:12: expected a hexadecimal digit after '$'"},
        {"'-' without digits", panel + "    Left = -x\n" + close,
         "t.dfm:3:12: expected a digit after '-'"},
        {"character code above 255", page + "    PageTitle = 'a'#256\n" + close,
         "t.dfm:3:20: character code #256 out of range (0 to 255)"},
        {"'#' without digits", page + "    PageTitle = #x\n" + close,
         "t.dfm:3:17: expected a decimal character code after '#'"},
        {"value outside the property's type", widget + "    Size = 65536\n" + close,
         "t.dfm:3:12: W1: value 65536 out of range for Size (0 to 65535)"},
        {"setter refuses the value", widget + "    Count = -1\n" + close,
         "t.dfm:3:13: W1: Count must not be negative"},
        {"text after the form", "object F: TForm\nend\nend\n",
         "t.dfm:3:1: expected the end of the file after the form's 'end'"},
        {"unexpected character", form + "  Left = @\nend\n",
         "t.dfm:2:10: unexpected character '@'"},
        {"byte above 127 outside quotes", form + "  \xE9\nend\n",
         "t.dfm:2:3: unexpected character #233"},
        {"property after a nested object", panel + "  end\n  Width = 5\nend\n",
         "t.dfm:4:3: expected 'object' or 'end'"},
        {"number where a property belongs", form + "  5 = 5\nend\n",
         "t.dfm:2:3: expected a property, 'object' or 'end'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadError(c.text, c.options), c.expected);
        EXPECT_EQ(test::TTestWidget::Live, 0);
    }
}

// Objects created before a fault, nested or not, are destroyed with the form.
TEST(FormReader, FailedLoadDestroysEverythingCreated) {
    const std::string text =
        "object F: TForm\n"
        "  object W1: TTestWidget\n"
        "  end\n"
        "  object P: TWbPage\n"
        "    object W2: TTestWidget\n"
        "      Caption = 'x'\n"
        "    end\n"
        "    object W3: TTestWidget\n"
        "      Caption = 3\n"
        "    end\n"
        "  end\n"
        "end\n";
    EXPECT_EQ(ReadError(text),
              "t.dfm:9:17: W3: expected a string for Caption, found the integer 3");
    EXPECT_EQ(test::TTestWidget::Live, 0);
}

// Inputs on which fuzzing once failed. Each loads, survives writing and reading back, and its
// pages render or raise the host's exception, without any fault the sanitizers would see.
TEST(FormReader, InputsTheFuzzerFound) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        // A panel whose bottom edge wraps past the 32-bit range, beside a nested page: the table
        // writer refuses the layout with "List index out of bounds (3)".
        {"wrapped height",
         "object Or:ro\nobject e:TWbPage object s: TWbPanel Height = 2147483647end object "
         "e1:TWbPage end end\nend"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto form = Read(c.text);
        const std::string written = WriteForm(*form);
        const auto again = Read(written);
        EXPECT_EQ(WriteForm(*again), written);
        for (int32_t i = 0; i < again->ComponentCount(); ++i) {
            if (auto* page = dynamic_cast<TWbPage*>(again->Components(i))) {
                try {
                    page->put();
                } catch (const Exception&) {
                }
            }
        }
    }
}

}  // namespace
}  // namespace wb
