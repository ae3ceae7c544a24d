#include "cgi/WbFormRefill.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/WbCheckBox.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "host/FormFile.h"

namespace wb {
namespace {

// Every kind of control, as designed: a name, a password, a note of one line, a check box, two
// radio buttons of one group (the first checked), a drop-down list on its second option and a
// list box on its first; the form sends a hidden field.
const char* const kForm =
    "object F: TForm\n"
    "  object Order: TWbInputForm\n"
    "    HiddenFields.Strings = ('step=2')\n"
    "    object Name: TWbTextInputField\n"
    "      FieldName = 'first name'\n"
    "      Value = 'designed'\n"
    "    end\n"
    "    object Secret: TWbTextInputField\n"
    "      FieldName = 'pw'\n"
    "      PassWord = True\n"
    "    end\n"
    "    object Note: TWbTextArea\n"
    "      FieldName = 'note'\n"
    "      Value.Strings = ('designed')\n"
    "    end\n"
    "    object Gift: TWbCheckBox\n"
    "      FieldName = 'gift'\n"
    "      Value = 'yes'\n"
    "      Checked = True\n"
    "    end\n"
    "    object Standard: TWbRadioButton\n"
    "      FieldName = 'ship'\n"
    "      Value = 'standard'\n"
    "      Checked = True\n"
    "    end\n"
    "    object Express: TWbRadioButton\n"
    "      FieldName = 'ship'\n"
    "      Value = 'express'\n"
    "    end\n"
    "    object Size: TWbDropDownlist\n"
    "      FieldName = 'size'\n"
    "      OptionValues.Strings = ('s=Small' 'm=Medium' 'l=Large')\n"
    "      Selected = 1\n"
    "    end\n"
    "    object Colours: TWbListBox\n"
    "      FieldName = 'colours'\n"
    "      OptionValues.Strings = ('red=Red' 'green=Green' 'blue=Blue')\n"
    "      SelectMultiple = True\n"
    "    end\n"
    "  end\n"
    "end\n";

// The state of every control, as one comparable record.
struct TState {
    std::string Name;
    std::string Secret;
    std::vector<std::string> Note;
    bool Gift;
    bool Standard;
    bool Express;
    int32_t Size;
    int32_t Colours;
    bool operator==(const TState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TState& s) {
    out << "{" << s.Name << "|" << s.Secret << "|";
    for (const auto& line : s.Note) out << line << "/";
    return out << "|" << s.Gift << s.Standard << s.Express << "|" << s.Size << "|" << s.Colours
               << "}";
}

TState StateOf(const TFormFile& file) {
    const auto& note = file.Find<TWbTextArea>("Note").GetValue();
    return {file.Find<TWbTextInputField>("Name").Value(),
            file.Find<TWbTextInputField>("Secret").Value(),
            std::vector<std::string>(note.begin(), note.end()),
            file.Find<TWbCheckBox>("Gift").Checked(),
            file.Find<TWbRadioButton>("Standard").Checked(),
            file.Find<TWbRadioButton>("Express").Checked(),
            file.Find<TWbDropDownlist>("Size").Selected(),
            file.Find<TWbListBox>("Colours").Selected()};
}

const TState kDesigned{"designed", "", {"designed"}, true, true, false, 1, 0};

TWbCGIRequest QueryRequest(const std::string& Query) {
    TWbCGIRequest request;
    request.Variable = [Query](const std::string& Name) -> std::optional<std::string> {
        if (Name == "QUERY_STRING") return Query;
        return std::nullopt;
    };
    return request;
}

TEST(WbRefillForm, PutsTheSubmittedValuesBackEscaped) {
    struct Case {
        const char* Name;
        const char* Query;
        bool Submitted;
        TState Expected;
    };
    const Case cases[] = {
        {"a first visit changes nothing", "", false, kDesigned},
        {"items that are not the form's change nothing", "lang=en&x=1", false, kDesigned},
        {"every control",
         "step=2&first+name=%3Cb%3E%22Caf%E9%22+%26+co%3C%2Fb%3E&pw=secret"
         "&note=one%0D%0A%3Cscript%3E%0D%0A&gift=yes&ship=express&size=l"
         "&colours=green&colours=blue",
         true,
         {"&lt;b&gt;&quot;Caf\xE9&quot; &amp; co&lt;/b&gt;", "", {"one", "&lt;script&gt;"},
          true, false, true, 2, 1}},
        // The browser sends nothing for an unchecked box, an unchosen radio group or a list box
        // without a selection; a text field keeps its value when its name is not sent.
        {"only the hidden field", "step=2", true,
         {"designed", "", {"designed"}, false, false, false, 1, -1}},
        {"a value that is no option leaves the drop-down list as it is",
         "size=xl&colours=purple", true,
         {"designed", "", {"designed"}, false, false, false, 1, -1}},
        {"the field name as typed, blank and all", "first name=Jo&gift=no", true,
         {"Jo", "", {"designed"}, false, false, false, 1, -1}},
        {"an empty value empties the field and the area", "first+name=&note=", true,
         {"", "", {}, false, false, false, 1, -1}},
        {"the list box shows the first selected option in list order",
         "colours=blue&colours=red", true,
         {"designed", "", {"designed"}, false, false, false, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TFormFile file = TFormFile::Parse(kForm, "refill.dfm");
        TWbCGI cgi(nullptr);
        cgi.SetRequest(QueryRequest(c.Query));
        EXPECT_EQ(WbRefillForm(file.Form(), cgi), c.Submitted);
        EXPECT_EQ(StateOf(file), c.Expected);
    }
}

TEST(WbRefillForm, SplitsATextAreaIntoLines) {
    struct Case {
        const char* Query;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"note=a%0D%0Ab", {"a", "b"}},
        {"note=a%0Ab%0Dc", {"a", "b", "c"}},
        {"note=a%0D%0A", {"a"}},  // the area writes a line end after every line
        // The browser drops the line end right after the start tag: one more keeps the text.
        {"note=%0D%0A%0D%0Ax", {"", "", "", "x"}},
        {"note=%0Ax", {"", "", "x"}},
        {"note=a%0D%0A%0D%0A", {"a", ""}},
        {"note=x+%26+%22y%22", {"x &amp; &quot;y&quot;"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query);
        const TFormFile file = TFormFile::Parse(kForm, "refill.dfm");
        TWbCGI cgi(nullptr);
        cgi.SetRequest(QueryRequest(c.Query));
        WbRefillForm(file.Form(), cgi);
        const auto& lines = file.Find<TWbTextArea>("Note").GetValue();
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.Lines);
    }
}

// The page of a refilled form carries no mark-up from the request.
TEST(WbRefillForm, TheRenderedControlsCarryNoMarkupFromTheRequest) {
    const TFormFile file = TFormFile::Parse(kForm, "refill.dfm");
    TWbCGI cgi(nullptr);
    cgi.SetRequest(QueryRequest("first+name=%22%3E%3Cscript%3Ex()%3C%2Fscript%3E"
                                "&note=%3C%2FTEXTAREA%3E%3Cscript%3E"));
    WbRefillForm(file.Form(), cgi);
    EXPECT_EQ(file.Find<TWbTextInputField>("Name").put(),
              "<INPUT TYPE=\"text\" NAME=\"first name\" "
              "VALUE=\"&quot;&gt;&lt;script&gt;x()&lt;/script&gt;\" SIZE=15 MAXLENGTH=15 >");
    EXPECT_EQ(file.Find<TWbTextArea>("Note").put(),
              "<TEXTAREA NAME=\"note\" ROWS=8 COLS=50>&lt;/TEXTAREA&gt;&lt;script&gt;\r\n"
              "</TEXTAREA>");
}

}  // namespace
}  // namespace wb
