#include "designer/DesignApi.h"

#include "designer/Palette.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include <cstdio>

#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormFile.h"

namespace wbforms_designer {
namespace {

using nlohmann::json;

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "wbforms_designapi_" + std::to_string(getpid()) + "_" + name;
}

class DesignApiTest : public ::testing::Test {
protected:
    // The package's Register procedures have filled the palette, as in a designer host.
    DesignApiTest()
        : FPath((RegisterPackage(),
                 TempPath(::testing::UnitTest::GetInstance()->current_test_info()->name()))),
          FDesigner((std::remove(FPath.c_str()), FPath)),
          FApi(FDesigner, [this](wb::TForm& form) {
              ++FPaints;
              return "PNG of " + form.Name();
          }) {}
    ~DesignApiTest() override { std::remove(FPath.c_str()); }

    THttpResponse Post(const std::string& path, const json& body) {
        return FApi.Handle("POST", path, body.dump());
    }
    json PostOk(const std::string& path, const json& body) {
        const THttpResponse response = Post(path, body);
        EXPECT_EQ(response.Status, 200) << response.Body;
        return json::parse(response.Body);
    }
    json Form() { return json::parse(FApi.Handle("GET", "/api/form", "").Body); }
    json Component(const std::string& name) {
        const json form = Form();
        for (const json& component : form["components"])
            if (component["name"] == name) return component;
        ADD_FAILURE() << "no component " << name;
        return {};
    }
    static json Property(const json& properties, const std::string& name) {
        for (const json& property : properties)
            if (property["name"] == name) return property;
        ADD_FAILURE() << "no property " << name;
        return {};
    }

    void DropPagePanelText() {
        PostOk("/api/create", {{"class", "TWbPage"}, {"parent", "Form1"}, {"left", 8}, {"top", 8}});
        PostOk("/api/create",
               {{"class", "TWbPanel"}, {"parent", "WbPage1"}, {"left", 20}, {"top", 30}});
        PostOk("/api/create",
               {{"class", "TWbText"}, {"parent", "WbPanel1"}, {"left", 10}, {"top", 10}});
    }

    std::string FPath;
    TDesigner FDesigner;
    int FPaints = 0;
    TDesignApi FApi;
};

TEST_F(DesignApiTest, TheFormAsJson) {
    DropPagePanelText();
    PostOk("/api/create", {{"class", "TWbCGI"}, {"parent", "Form1"}, {"left", 500}, {"top", 40}});
    const json form = Form();
    EXPECT_EQ(form["form"], "Form1");
    EXPECT_EQ(form["modified"], true);
    EXPECT_EQ(form["canUndo"], true);
    EXPECT_EQ(form["preview"], true);
    std::vector<std::string> order;
    for (const json& component : form["components"])
        order.push_back(component["name"].get<std::string>() + " in " + component["parent"].dump());
    EXPECT_EQ(order, (std::vector<std::string>{"Form1 in null", "WbPage1 in \"Form1\"",
                                               "WbPanel1 in \"WbPage1\"", "WbText1 in \"WbPanel1\"",
                                               "WbCGI1 in null"}));

    const json text = Component("WbText1");
    EXPECT_EQ(text["class"], "TWbText");
    EXPECT_EQ(text["left"], 10);
    EXPECT_EQ(text["control"], true);
    EXPECT_EQ(text["acceptsControls"], false);
    EXPECT_EQ(Component("WbPanel1")["acceptsControls"], true);
    EXPECT_EQ(Component("WbCGI1")["control"], false);
    EXPECT_EQ(Component("WbCGI1")["left"], 500);

    // The published properties in their declared order, each with its kind.
    std::vector<std::string> names;
    for (const json& property : text["properties"])
        names.push_back(property["name"].get<std::string>() + ":" +
                        property["kind"].get<std::string>());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Left:integer", "Top:integer", "Width:integer", "Height:integer",
                         "OnBeforePut:event", "OnAfterPut:event", "BackGroundColor:color",
                         "HTMLBefore:strings", "HTMLAfter:strings", "HTMLInside:strings",
                         "Align:enumeration", "Font:object", "Link:string", "AutoLineBreak:boolean",
                         "Text:strings"}));
    const json align = Property(text["properties"], "Align");
    EXPECT_EQ(align["value"], "taLeft");
    EXPECT_EQ(align["names"], json({"taCenter", "taLeft", "taRight", "taNone"}));
    // A transparent text shows what the form file stores, not its container's colour.
    EXPECT_EQ(Property(text["properties"], "BackGroundColor")["value"], "clNone");
    EXPECT_EQ(Property(text["properties"], "BackGroundColor")["rgb"], nullptr);
    const json page = Component("WbPage1");
    EXPECT_EQ(Property(page["properties"], "BackGroundColor")["value"], "clWhite");
    EXPECT_EQ(Property(page["properties"], "BackGroundColor")["rgb"], "#ffffff");
    const json font = Property(text["properties"], "Font");
    EXPECT_EQ(font["class"], "TWbFont");
    EXPECT_EQ(Property(font["properties"], "Size")["value"], 2);
    EXPECT_EQ(Property(font["properties"], "Bold")["value"], false);
    EXPECT_EQ(Property(text["properties"], "Left")["min"], INT32_MIN);
}

TEST_F(DesignApiTest, ChangesAnswerWithTheFormAndRefusalsWithTheMessage) {
    DropPagePanelText();
    const json before = Form();

    const THttpResponse refused = Post(
        "/api/create", {{"class", "TWbImageMap"}, {"parent", "WbPanel1"}, {"left", 5}, {"top", 5}});
    EXPECT_EQ(refused.Status, 422);
    EXPECT_EQ(refused.ContentType, "application/json");
    EXPECT_EQ(json::parse(refused.Body), json({{"error", "Imagemaps can only be put on images"}}));
    EXPECT_EQ(Form(), before);

    const json moved = PostOk("/api/bounds", {{"name", "WbText1"},
                                              {"left", 0},
                                              {"top", -4},
                                              {"width", 120},
                                              {"height", 40}});
    EXPECT_EQ(moved["change"]["component"], "WbText1");
    EXPECT_EQ(moved["change"]["surfaceChanged"], true);
    const json text = Component("WbText1");
    EXPECT_EQ(text["left"], 1);
    EXPECT_EQ(text["top"], 1);
    EXPECT_EQ(text["width"], 120);

    const json sized =
        PostOk("/api/property", {{"name", "WbText1"}, {"property", "Font.Size"}, {"value", 9}});
    EXPECT_EQ(sized["change"]["repainted"], json({"WbText1"}));
    EXPECT_EQ(Property(Property(Component("WbText1")["properties"], "Font")["properties"],
                       "Size")["value"],
              6);

    PostOk("/api/delete", {{"name", "WbText1"}});
    EXPECT_EQ(Form()["components"].size(), 3u);
    PostOk("/api/undo", json::object());
    EXPECT_EQ(Component("WbText1")["left"], 1);

    const json saved = PostOk("/api/save", json::object());
    EXPECT_EQ(saved["form"]["modified"], false);
}

TEST_F(DesignApiTest, TextsAreLatin1InTheFormAndUtf8OnTheWire) {
    DropPagePanelText();
    PostOk("/api/property",
           {{"name", "WbText1"}, {"property", "Text"}, {"value", {"It\u00b4s me", "caf\u00e9"}}});
    EXPECT_NE(FDesigner.Text().find("'It'#180's me'"), std::string::npos);
    EXPECT_NE(FDesigner.Text().find("'caf'#233"), std::string::npos);
    EXPECT_EQ(Property(Component("WbText1")["properties"], "Text")["value"],
              json({"It\u00b4s me", "caf\u00e9"}));

    const THttpResponse euro = Post(
        "/api/property", {{"name", "WbPage1"}, {"property", "PageTitle"}, {"value", "5 \u20ac"}});
    EXPECT_EQ(euro.Status, 422);
    EXPECT_EQ(json::parse(euro.Body)["error"],
              "the text holds a character that a form file cannot store (only the Latin-1 "
              "characters can be stored)");

    // The page goes out as the bytes that put returns.
    const THttpResponse html = FApi.Handle("GET", "/api/html", "");
    EXPECT_EQ(html.Status, 200);
    EXPECT_EQ(html.ContentType, "text/html; charset=iso-8859-1");
    EXPECT_EQ(html.Body, FDesigner.FirstPage()->put());
    EXPECT_NE(html.Body.find("It\xB4s me"), std::string::npos);
}

TEST_F(DesignApiTest, BadRequests) {
    DropPagePanelText();
    const json before = Form();
    struct Case {
        const char* name;
        std::string method;
        std::string path;
        std::string body;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"not JSON", "POST", "/api/bounds", "{left: 1", 400, ""},
        {"not an object", "POST", "/api/delete", "[1]", 400, "the request must be a JSON object"},
        {"a missing field", "POST", "/api/bounds", R"({"name":"WbText1","left":1})", 400,
         "the request needs 'top'"},
        {"a field of the wrong type", "POST", "/api/delete", R"({"name":7})", 400,
         "'name' must be a string"},
        {"a position beyond 32 bits", "POST", "/api/bounds",
         R"({"name":"WbText1","left":4294967296,"top":1,"width":1,"height":1})", 400,
         "'left' must be a 32-bit integer"},
        {"a fraction", "POST", "/api/property",
         R"({"name":"WbText1","property":"Width","value":1.5})", 400,
         "'value' must be a whole number, a Boolean, a string or a list of strings"},
        {"a list of numbers", "POST", "/api/property",
         R"({"name":"WbText1","property":"Text","value":[1]})", 400,
         "a list value holds strings only"},
        {"invalid UTF-8", "POST", "/api/delete", "{\"name\":\"\xff\"}", 400, ""},
        {"an unknown change", "POST", "/api/rename", "{}", 404, "nothing at /api/rename"},
        {"an unknown file", "GET", "/secret", "", 404, "nothing at /secret"},
        {"an unknown bitmap", "GET", "/api/palette/TWBFOO.bmp", "", 404,
         "no palette bitmap named 'TWBFOO'"},
        {"another method", "DELETE", "/api/form", "", 405,
         "the designer answers GET and POST only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const THttpResponse response = FApi.Handle(c.method, c.path, c.body);
        EXPECT_EQ(response.Status, c.status);
        const json body = json::parse(response.Body);
        if (c.error.empty())
            EXPECT_TRUE(body["error"].is_string());
        else
            EXPECT_EQ(body["error"], c.error);
    }
    EXPECT_EQ(Form(), before);
}

TEST_F(DesignApiTest, ServesThePageThePaletteAndPreviews) {
    const THttpResponse page = FApi.Handle("GET", "/", "");
    EXPECT_EQ(page.Status, 200);
    EXPECT_EQ(page.ContentType, "text/html; charset=utf-8");
    EXPECT_NE(page.Body.find("<script src=\"/designer.js\"></script>"), std::string::npos);
    EXPECT_EQ(FApi.Handle("GET", "/designer.js", "").ContentType,
              "text/javascript; charset=utf-8");
    EXPECT_EQ(FApi.Handle("GET", "/designer.css", "").ContentType, "text/css; charset=utf-8");

    const json palette = json::parse(FApi.Handle("GET", "/api/palette", "").Body);
    ASSERT_EQ(palette["pages"].size(), 2u);
    EXPECT_EQ(palette["pages"][0]["name"], "WebSlate");
    EXPECT_EQ(palette["pages"][0]["components"].size(), 14u);
    EXPECT_EQ(palette["pages"][0]["components"][0]["class"], "TWbPage");
    EXPECT_EQ(palette["pages"][0]["components"][0]["bitmap"], "TWBPAGE");
    EXPECT_EQ(palette["pages"][0]["components"][0]["image"], "/api/palette/TWBPAGE.bmp");
    EXPECT_EQ(palette["pages"][1]["name"], "Webslate");
    EXPECT_EQ(palette["pages"][1]["components"][0]["class"], "TWbCGI");
    // The bitmap resource behind a BMP file header: 32 x 32 at 4 bits.
    const THttpResponse bitmap = FApi.Handle("GET", "/api/palette/TWBPAGE.bmp", "");
    EXPECT_EQ(bitmap.Status, 200);
    EXPECT_EQ(bitmap.ContentType, "image/bmp");
    EXPECT_EQ(bitmap.Body.size(), 14u + 616u);
    EXPECT_EQ(bitmap.Body.substr(0, 14), std::string("BM\x76\x02\0\0\0\0\0\0\x76\0\0\0", 14));

    // No page yet: the live view says so.
    EXPECT_EQ(FApi.Handle("GET", "/api/html", "").Status, 404);

    // The surface is painted once per revision.
    EXPECT_EQ(FApi.Handle("GET", "/api/preview.png", "").Body, "PNG of Form1");
    FApi.Handle("GET", "/api/preview.png", "");
    EXPECT_EQ(FPaints, 1);
    DropPagePanelText();
    FApi.Handle("GET", "/api/preview.png", "");
    EXPECT_EQ(FPaints, 2);
    PostOk("/api/property", {{"name", "WbPage1"}, {"property", "PageTitle"}, {"value", "Same"}});
    FApi.Handle("GET", "/api/preview.png", "");
    EXPECT_EQ(FPaints, 2) << "a title asks for no repaint";
    PostOk("/api/property", {{"name", "WbPage1"}, {"property", "BackGroundColor"}, {"value", "clRed"}});
    EXPECT_EQ(FApi.Handle("GET", "/api/preview.png", "").ContentType, "image/png");
    EXPECT_EQ(FPaints, 3);

    TDesignApi blind(FDesigner, nullptr);
    EXPECT_EQ(blind.Handle("GET", "/api/preview.png", "").Status, 404);
    EXPECT_EQ(json::parse(blind.Handle("GET", "/api/form", "").Body)["preview"], false);
}

// The designer paints its form as the saved file, loaded afresh, paints.
TEST_F(DesignApiTest, PaintsThePreviewOfTheSavedForm) {
    DropPagePanelText();
    PostOk("/api/property", {{"name", "WbText1"}, {"property", "Text"}, {"value", {"Hello"}}});
    PostOk("/api/property", {{"name", "WbPanel1"}, {"property", "BackGroundColor"}, {"value", "clYellow"}});
    PostOk("/api/save", json::object());
    const std::string png = PaintPreviewPng(FDesigner.Form());
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8)) << "640 x 480";
    const wb::TFormFile saved = wb::TFormFile::Load(FPath, {.IgnoreEvents = true});
    EXPECT_EQ(PaintPreviewPng(saved.Form()), png);

    PostOk("/api/property", {{"name", "Form1"}, {"property", "Width"}, {"value", 0}});
    try {
        PaintPreviewPng(FDesigner.Form());
        ADD_FAILURE() << "painted";
    } catch (const wb::Exception& e) {
        EXPECT_EQ(e.Message(),
                  "the form is 0 x 480 pixels: a preview is from 1 to 8192 pixels across and down");
    }
}

}  // namespace
}  // namespace wbforms_designer
