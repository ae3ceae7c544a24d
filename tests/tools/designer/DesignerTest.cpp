#include "designer/Designer.h"

#include "designer/Palette.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "content/WbFont.h"
#include "content/WbText.h"
#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormFile.h"

namespace wbforms_designer {
namespace {

using wb::Exception;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "wbforms_designer_" + std::to_string(getpid()) + "_" + name;
}

// A new form with a page, a panel on the page and a text on the panel, as a designer user
// drops them.
class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterPackage();
        FPath = TempPath(::testing::UnitTest::GetInstance()->current_test_info()->name() +
                         std::string(".dfm"));
        std::remove(FPath.c_str());
    }
    void TearDown() override { std::remove(FPath.c_str()); }

    TDesigner& Dropped() {
        FDesigner = std::make_unique<TDesigner>(FPath);
        EXPECT_EQ(FDesigner->Create("TWbPage", "Form1", 8, 8).Component, "WbPage1");
        EXPECT_EQ(FDesigner->Create("TWbPanel", "WbPage1", 20, 30).Component, "WbPanel1");
        EXPECT_EQ(FDesigner->Create("TWbText", "WbPanel1", 10, 10).Component, "WbText1");
        return *FDesigner;
    }

    template <class T>
    T& Find(const std::string& name) {
        return dynamic_cast<T&>(FindDesigned(FDesigner->Form(), name));
    }

    std::string FPath;
    std::unique_ptr<TDesigner> FDesigner;
};

TEST_F(DesignerTest, OpensANewFormWhenThereIsNoFile) {
    TDesigner designer(FPath);
    EXPECT_EQ(designer.Form().Name(), "Form1");
    EXPECT_EQ(designer.Form().Width(), 640);
    EXPECT_EQ(designer.Form().Height(), 480);
    EXPECT_FALSE(designer.Exists());
    EXPECT_FALSE(designer.Modified());
    EXPECT_FALSE(designer.CanUndo());
    EXPECT_EQ(designer.FirstPage(), nullptr);
    EXPECT_TRUE(designer.Form().ComponentState().Contains(wb::csDesigning));

    designer.SetProperty("Form1", "Width", int64_t{800});
    EXPECT_TRUE(designer.Modified());
    designer.Save();
    EXPECT_EQ(Slurp(FPath), designer.Text());
    EXPECT_TRUE(designer.Exists());
    EXPECT_FALSE(designer.Modified());
    EXPECT_EQ(TDesigner(FPath).Text(), designer.Text());
}

TEST_F(DesignerTest, DropsMovesAndSetsAsTheDesignerUserDoes) {
    TDesigner& designer = Dropped();
    const std::string before = designer.Text();
    const int64_t revision = designer.Revision();

    // An image map on the panel is refused with the placement check's message; nothing changes.
    try {
        designer.Create("TWbImageMap", "WbPanel1", 5, 5);
        ADD_FAILURE() << "placed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Imagemaps can only be put on images");
    }
    EXPECT_EQ(designer.Text(), before);
    EXPECT_EQ(designer.Revision(), revision);
    EXPECT_EQ(designer.Form().FindComponent("WbImageMap1"), nullptr);

    // Moved to the panel's left edge: the clamp keeps it one pixel in.
    const TChange moved = designer.SetBounds("WbText1", 0, 10, 300, 300);
    EXPECT_TRUE(moved.SurfaceChanged);
    EXPECT_EQ(Find<wb::TWbText>("WbText1").Left(), 1);

    // HTML sizes go from 1 to 6.
    const TChange sized = designer.SetProperty("WbText1", "Font.Size", int64_t{9});
    EXPECT_EQ(Find<wb::TWbText>("WbText1").GetFont()->GetFontSize(), 6);
    EXPECT_EQ(sized.Repainted, std::vector<std::string>{"WbText1"});

    designer.Save();
    const wb::TFormFile saved = wb::TFormFile::Load(FPath, {.IgnoreEvents = true});
    EXPECT_EQ(saved.Write(), designer.Text());
    EXPECT_EQ(saved.Find<wb::TWbText>("WbText1").Left(), 1);
    EXPECT_EQ(saved.Find<wb::TWbText>("WbText1").GetFont()->GetFontSize(), 6);
    EXPECT_EQ(saved.FindFirst<wb::TWbPage>()->put(), designer.FirstPage()->put());
    EXPECT_FALSE(designer.Modified());
}

TEST_F(DesignerTest, EveryComponentIsDesigned) {
    TDesigner& designer = Dropped();
    designer.Create("TWbCGI", "Form1", 600, 400);
    const wb::TForm& form = designer.Form();
    ASSERT_EQ(form.ComponentCount(), 4);
    for (int32_t i = 0; i < form.ComponentCount(); ++i) {
        SCOPED_TRACE(form.Components(i)->Name());
        EXPECT_TRUE(form.Components(i)->ComponentState().Contains(wb::csDesigning));
        EXPECT_FALSE(form.Components(i)->ComponentState().Contains(wb::csLoading));
    }
}

// Every refusal names the fault, and the form stays exactly as it was.
TEST_F(DesignerTest, ARefusedChangeLeavesTheForm) {
    TDesigner& designer = Dropped();
    designer.Create("TWbImage", "WbPage1", 200, 20);
    struct Case {
        const char* name;
        std::function<void()> change;
        std::string message;
    };
    const Case cases[] = {
        {"a class not on the palette", [&] { designer.Create("TForm", "Form1", 1, 1); },
         "'TForm' is not on the palette"},
        {"an unknown class", [&] { designer.Create("TWbFoo", "Form1", 1, 1); },
         "'TWbFoo' is not on the palette"},
        {"an unknown container", [&] { designer.Create("TWbText", "Nowhere", 1, 1); },
         "no component named 'Nowhere'"},
        {"a non-container", [&] { designer.Create("TWbText", "WbText1", 1, 1); },
         "Cannot place component in a non-container"},
        {"a text on an image", [&] { designer.Create("TWbText", "WbImage1", 1, 1); },
         "Only imagemaps can be put on images"},
        {"an image map on the page", [&] { designer.Create("TWbImageMap", "WbPage1", 1, 1); },
         "Imagemaps can only be put on images"},
        {"moving an unknown component", [&] { designer.SetBounds("Nobody", 1, 1, 1, 1); },
         "no component named 'Nobody'"},
        {"an unknown property",
         [&] { designer.SetProperty("WbText1", "Colour", std::string("clRed")); },
         "WbText1: unknown property 'Colour'"},
        {"an unknown nested property",
         [&] { designer.SetProperty("WbText1", "Font.Weight", int64_t{3}); },
         "WbText1: unknown property 'Font.Weight'"},
        {"an object as a value",
         [&] { designer.SetProperty("WbText1", "Font", std::string("Arial")); },
         "WbText1: Font is an object: set its properties as Font.PROPERTY"},
        {"an integer out of range",
         [&] { designer.SetProperty("WbText1", "Left", int64_t{1} << 40); },
         "WbText1: Left: value 1099511627776 out of range (-2147483648 to 2147483647)"},
        {"text for an integer",
         [&] { designer.SetProperty("WbText1", "Width", std::string("wide")); },
         "WbText1: Width: expected an integer"},
        {"a number for a Boolean", [&] { designer.SetProperty("WbText1", "Font.Bold", int64_t{1}); },
         "WbText1: Font.Bold: expected True or False"},
        {"an unknown enumeration value",
         [&] { designer.SetProperty("WbText1", "Align", std::string("taJustify")); },
         "WbText1: Align: expected one of taCenter, taLeft, taRight, taNone"},
        {"an enumeration index out of range",
         [&] { designer.SetProperty("WbText1", "Align", int64_t{4}); },
         "WbText1: Align: no value number 4"},
        {"an unknown colour",
         [&] { designer.SetProperty("WbText1", "BackGroundColor", std::string("clPink")); },
         "WbText1: BackGroundColor: unknown colour 'clPink'"},
        {"a colour that is no number",
         [&] { designer.SetProperty("WbText1", "BackGroundColor", std::string("--5")); },
         "WbText1: BackGroundColor: unknown colour '--5'"},
        {"a colour beyond 32 bits",
         [&] { designer.SetProperty("WbText1", "BackGroundColor", std::string("4294967296")); },
         "WbText1: BackGroundColor: unknown colour '4294967296'"},
        {"a handler name that is no identifier",
         [&] { designer.SetProperty("WbText1", "OnBeforePut", std::string("do it")); },
         "WbText1: OnBeforePut: expected the name of an event handler"},
        {"lines for a string",
         [&] { designer.SetProperty("WbPage1", "PageTitle", std::vector<std::string>{"a"}); },
         "WbPage1: PageTitle: expected a string"},
        {"a taken name",
         [&] { designer.SetProperty("WbText1", "Name", std::string("wbpanel1")); },
         "A component named wbpanel1 already exists"},
        {"the form's name",
         [&] { designer.SetProperty("WbText1", "Name", std::string("Form1")); },
         "A component named Form1 already exists"},
        {"a bad name", [&] { designer.SetProperty("WbText1", "Name", std::string("1st")); },
         "'1st' is not a valid component name"},
        {"deleting the form", [&] { designer.Delete("Form1"); },
         "the form itself cannot be deleted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = designer.Text();
        const int64_t revision = designer.Revision();
        try {
            c.change();
            ADD_FAILURE() << "changed";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(designer.Text(), text);
        EXPECT_EQ(designer.Revision(), revision);
        EXPECT_EQ(wb::WriteForm(designer.Form()), text);
    }
}

TEST_F(DesignerTest, SetsEveryKindOfProperty) {
    TDesigner& designer = Dropped();
    designer.SetProperty("WbText1", "Align", std::string("tacenter"));
    designer.SetProperty("WbText1", "Font.Bold", true);
    designer.SetProperty("WbText1", "Font.Color", std::string("#FF8000"));
    designer.SetProperty("WbText1", "Text.Strings", std::vector<std::string>{"Hello", "It\xB4s me"});
    designer.SetProperty("WbText1", "HTMLBefore", std::vector<std::string>{"<CENTER>"});
    designer.SetProperty("WbText1", "OnBeforePut", std::string("TextBeforePut"));
    designer.SetProperty("WbPanel1", "BackGroundColor", std::string("$00FF00"));
    designer.SetProperty("WbPage1", "PageTitle", std::string("Order"));
    designer.SetProperty("WbPage1", "LinkColor", int64_t{0x0000FF});
    designer.SetProperty("WbPage1", "VLinkColor", std::string("-2147483633"));
    designer.SetProperty("WbPage1", "DefaultTextColor", std::string("12345"));
    designer.SetProperty("Form1", "Width", int64_t{800});
    const std::string text = designer.Text();
    for (const char* line : {
             "  Width = 800\n",
             "    PageTitle = 'Order'\n",
             "    LinkColor = clRed\n",
             "    VLinkColor = clBtnFace\n",
             "    DefaultTextColor = 12345\n",
             "      BackGroundColor = clLime\n",
             "        OnBeforePut = TextBeforePut\n",
             "        Align = taCenter\n",
             "        Font.Color = 33023\n",
             "        Font.Bold = True\n",
             "        HTMLBefore.Strings = (\n          '<CENTER>')\n",
             "        Text.Strings = (\n          'Hello'\n          'It'#180's me')\n",
         }) {
        SCOPED_TRACE(line);
        EXPECT_NE(text.find(line), std::string::npos) << text;
    }
    // An event is cleared by an empty name.
    designer.SetProperty("WbText1", "OnBeforePut", std::string());
    EXPECT_EQ(designer.Text().find("OnBeforePut"), std::string::npos);
}

// The surface repaints what asked to be repainted, and whatever was moved, added or removed.
TEST_F(DesignerTest, ReportsRepaintsAndSurfaceChanges) {
    TDesigner& designer = Dropped();
    int64_t revision = designer.Revision();

    const TChange title = designer.SetProperty("WbPage1", "PageTitle", std::string("No repaint"));
    EXPECT_TRUE(title.Repainted.empty());
    EXPECT_FALSE(title.SurfaceChanged);
    EXPECT_EQ(designer.Revision(), revision);

    const TChange colour = designer.SetProperty("WbPanel1", "BackGroundColor", std::string("clRed"));
    EXPECT_EQ(colour.Repainted, (std::vector<std::string>{"WbPanel1", "WbText1"}));
    EXPECT_TRUE(colour.SurfaceChanged);
    EXPECT_EQ(designer.Revision(), ++revision);

    const TChange renamed = designer.SetProperty("WbText1", "Name", std::string("Greeting"));
    EXPECT_EQ(renamed.Component, "Greeting");
    EXPECT_TRUE(renamed.SurfaceChanged);
    EXPECT_EQ(designer.Revision(), ++revision);

    EXPECT_TRUE(designer.Delete("Greeting").SurfaceChanged);
    EXPECT_EQ(designer.Revision(), ++revision);
}

TEST_F(DesignerTest, UndoStepsBackThroughTheChanges) {
    TDesigner& designer = Dropped();
    std::vector<std::string> texts{designer.Text()};
    designer.SetBounds("WbText1", 40, 50, 120, 60);
    texts.push_back(designer.Text());
    designer.SetProperty("WbText1", "Font.Size", int64_t{4});
    texts.push_back(designer.Text());
    // A change that alters nothing is not a step to undo: the text already lies at 40.
    designer.SetBounds("WbText1", 40, 50, 120, 60);
    designer.Delete("WbPanel1");
    EXPECT_EQ(designer.Form().FindComponent("WbText1"), nullptr) << "deleted with its panel";

    for (auto text = texts.rbegin(); text != texts.rend(); ++text) {
        ASSERT_TRUE(designer.CanUndo());
        EXPECT_TRUE(designer.Undo().SurfaceChanged);
        EXPECT_EQ(designer.Text(), *text);
        EXPECT_EQ(wb::WriteForm(designer.Form()), *text);
    }
    // Back to the form as dropped, three drops ago.
    designer.Undo();
    designer.Undo();
    designer.Undo();
    EXPECT_FALSE(designer.CanUndo());
    EXPECT_EQ(designer.Form().ComponentCount(), 0);
    try {
        designer.Undo();
        ADD_FAILURE() << "undone";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "there is nothing to undo");
    }
}

TEST_F(DesignerTest, NamesNewComponentsAfterTheirClass) {
    TDesigner& designer = Dropped();
    EXPECT_EQ(designer.Create("TWbText", "WbPanel1", 100, 10).Component, "WbText2");
    designer.SetProperty("WbText1", "Name", std::string("Greeting"));
    EXPECT_EQ(designer.Create("TWbText", "WbPanel1", 100, 100).Component, "WbText1");
    // A non-visual component lands on the form at the spot where it was dropped: the panel
    // lies at 20, 30 on the page, the page at 8, 8 on the form.
    EXPECT_EQ(designer.Create("TWbCGI", "WbPanel1", 300, 200).Component, "WbCGI1");
    EXPECT_EQ(FindDesigned(designer.Form(), "WbCGI1").DesignLeft(), 328);
    EXPECT_EQ(FindDesigned(designer.Form(), "WbCGI1").DesignTop(), 238);
    designer.SetBounds("WbCGI1", 10, 20, 0, 0);
    EXPECT_EQ(FindDesigned(designer.Form(), "WbCGI1").DesignLeft(), 10);
    EXPECT_EQ(FindDesigned(designer.Form(), "WbCGI1").DesignTop(), 20);
}

TEST_F(DesignerTest, OpensAFileAndNeverWritesOverOneItCannotLoad) {
    const std::string file = "object F: TForm1\n  Width = 300\n  object P: TWbPage\n  end\nend\n";
    std::ofstream(FPath, std::ios::binary) << file;
    TDesigner designer(FPath);
    EXPECT_EQ(designer.Form().Name(), "F");
    EXPECT_TRUE(designer.Exists());
    EXPECT_FALSE(designer.Modified()) << "opened, not changed";
    designer.Save();
    EXPECT_EQ(wb::TFormFile::Load(FPath, {.IgnoreEvents = true}).Write(), designer.Text());

    const std::string broken = "object F: TForm\n  object P: TWbFoo\n  end\nend\n";
    std::ofstream(FPath, std::ios::binary) << broken;
    try {
        TDesigner again(FPath);
        ADD_FAILURE() << "opened";
    } catch (const wb::EFormFileError& e) {
        EXPECT_EQ(e.Message(), FPath + ":2:3: unknown class 'TWbFoo'");
    }
    EXPECT_EQ(Slurp(FPath), broken);
}

TEST_F(DesignerTest, AFailedSaveKeepsTheWork) {
    TDesigner designer(TempPath("no-such-directory/form.dfm"));
    designer.Create("TWbPage", "Form1", 0, 0);
    try {
        designer.Save();
        ADD_FAILURE() << "saved";
    } catch (const wb::EInOutError& e) {
        EXPECT_NE(e.Message().find("no-such-directory/form.dfm: cannot"), std::string::npos);
    }
    EXPECT_TRUE(designer.Modified());
    EXPECT_NE(designer.FirstPage(), nullptr);
}

}  // namespace
}  // namespace wbforms_designer
