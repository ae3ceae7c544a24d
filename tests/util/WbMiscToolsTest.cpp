#include "util/WbMiscTools.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>

#include "content/WbFont.h"
#include "support/Pictures.h"
#include "support/Surface.h"

namespace wb {
namespace {

TEST(WbMiscTools, StrToHTMLAppendsWithNothingBetween) {
    std::string markup;
    WbStrToHTML(markup, "<B>");
    WbStrToHTML(markup, "");
    WbStrToHTML(markup, "x");
    EXPECT_EQ(markup, "<B>x");
}

TEST(WbMiscTools, CollapseStringListPutsOneBlankBeforeEveryLine) {
    const struct {
        TStringList lines;
        const char* expected;
    } cases[] = {
        {{}, ""},
        {{""}, " "},
        {{"a", "b"}, " a b"},
        {{"", "x"}, "  x"},
        {{" keep ", "blanks"}, "  keep  blanks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(WbCollapseStringList(c.lines), c.expected);
    }
}

TEST(WbMiscTools, MakeLatinHTMLWidensEveryLatin1Character) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"a&b<c>\"", "a&b<c>\""},
        {"caf\xE9", "caf&eacute"},
        {"\xA0\xBF\xC0\xD7\xDF\xF7\xFF", "&nbsp&iquest&Agrave&times&szlig&divide&yuml"},
        {"\xC6\xE6\xD0\xF0\xDE\xFE", "&AElig&aelig&ETH&eth&THORN&thorn"},
        {"\x9F", "\x9F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(WbMakeLatinHTML(c.text), c.expected);
    }
}

TEST(WbMiscTools, EveryLatin1CharacterHasADistinctLetterName) {
    std::set<std::string> names;
    for (int code = 160; code <= 255; ++code) {
        const std::string entity = WbMakeLatinHTML(std::string(1, static_cast<char>(code)));
        ASSERT_EQ(entity[0], '&');
        for (char c : entity.substr(1)) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
        names.insert(entity);
    }
    EXPECT_EQ(names.size(), 96u);
}

TEST(WbMiscTools, EscapeHTMLEscapesMarkupCharacters) {
    EXPECT_EQ(WbEscapeHTML("<script>\"a\" & 'b'</script>\xE9"),
              "&lt;script&gt;&quot;a&quot; &amp; 'b'&lt;/script&gt;\xE9");
    EXPECT_EQ(WbEscapeHTML(""), "");
}

TEST(WbMiscTools, StripHTMLRemovesTags) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a<b>c", "ac"},         {"x<y", "x"},  {"1<b>2</b>3", "123"}, {"plain > text", "plain > text"},
        {"a ><b>c", "a >"},      {"<>", ""},    {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WbstripHTML(c.text), c.expected);
    }
}

TEST(WbMiscTools, ExtractHiddenValuesSplitsAtTheFirstEquals) {
    const struct {
        const char* line;
        const char* name;
        const char* value;
    } cases[] = {
        {"a=b=c", "a", "b=c"},
        {"=x", "", "x"},
        {"a=", "a", ""},
        {"novalue", "kept name", "kept value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::string name = "kept name";
        std::string value = "kept value";
        WbExtractHiddenValues(c.line, name, value);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(value, c.value);
    }
}

TEST(WbMiscTools, ColoursAndHexadecimalDigits) {
    const struct {
        int32_t value;
        const char* hex;
        const char* web;
    } cases[] = {
        {0, "000000", "000000"},
        {16777215, "FFFFFF", "FFFFFF"},
        {255, "0000FF", "FF0000"},
        {16711680, "FF0000", "0000FF"},
        {0x123456, "123456", "563412"},
        {-1, "FFFFFF", "FFFFFF"},
        {static_cast<int32_t>(0x8000000F), "00000F", "0F0000"},
        {536870911, "FFFFFF", "FFFFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Wbinttohex(c.value), c.hex);
        EXPECT_EQ(WbMakeWebColor(c.value), c.web);
    }
}

TEST(WbMiscTools, HexToIntReadsSixDigitsOnly) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"FFFFFF", 16777215}, {"abcdef", 11259375}, {"00001g", 16}, {"12345", 0},
        {"1234567", 0},       {"00000F", 15},       {"f00000", 15728640}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Wbhextoint(c.text), c.value);
    }
    for (int32_t value : {0, 1, 0xABCDEF, 0xFFFFFF, 0x7F7F7F})
        EXPECT_EQ(Wbhextoint(Wbinttohex(value)), value);
}

TEST(WbMiscTools, MinimumPrefersTheFirstWhenEqual) {
    EXPECT_EQ(Wbminimum(3, 3), 3);
    EXPECT_EQ(Wbminimum(4, -2), -2);
    EXPECT_EQ(Wbminimum(INT_MIN, INT_MAX), INT_MIN);
}

TEST(WbMiscTools, UniqueIDsShareOneCounterAcrossPrefixes) {
    const std::string first = WbGetUniqueID("MAP");
    const int32_t n = std::stoi(first.substr(3));
    EXPECT_EQ(WbGetUniqueID("X"), "X" + std::to_string(n + 1));
    EXPECT_EQ(WbGetUniqueID(""), std::to_string(n + 2));
}

// ---- Server images ----

TEST(WbMiscTools, StartSetsThePathsAndTheCounterAndStopEmptiesThePaths) {
    WbMiscToolsStart();
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(WbGetInternalImagePath(), executable.substr(0, executable.rfind('/')) + "/images/");
    EXPECT_EQ(WbGetExternalImagePath(), "\\images\\");
    EXPECT_EQ(WbGetUniqueID("MAP"), "MAP0");
    WbSetInternalImagePath("/srv/x");  // stored as given
    EXPECT_EQ(WbGetInternalImagePath(), "/srv/x");
    WbMiscToolsStop();
    EXPECT_EQ(WbGetInternalImagePath(), "");
    EXPECT_EQ(WbGetExternalImagePath(), "");
}

TEST(WbMiscTools, RandomFileNamesHaveTwoNumbersBelow99999999) {
    const std::regex pattern("AG(0|[1-9][0-9]{0,7})_(0|[1-9][0-9]{0,7})\\.gif");
    std::set<std::string> names;
    for (int i = 0; i < 200; ++i) {
        const std::string name = WbGenerateRandomFilename("AG", "gif");
        std::smatch match;
        ASSERT_TRUE(std::regex_match(name, match, pattern)) << name;
        EXPECT_LT(std::stoll(match[1]), 99999999);
        EXPECT_LT(std::stoll(match[2]), 99999999);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 200u);

    WbRandSeed(7);
    const std::string first = WbGenerateRandomFilename("p", "e");
    WbRandSeed(7);
    EXPECT_EQ(WbGenerateRandomFilename("p", "e"), first);
}

class ServerImages : public ::testing::Test {
protected:
    void SetUp() override {
        WbMiscToolsStart();
        WbSetInternalImagePath(Images() + "/");
        WbSetExternalImagePath("/img/");
    }
    void TearDown() override { WbMiscToolsStop(); }

    std::string Images() const { return dir.File("images"); }

    // The names in a directory, sorted.
    static std::vector<std::string> Names(const std::string& directory) {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(directory, ignored))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
};

TEST_F(ServerImages, WritesAGifUnderANewNameAndReturnsItsAddress) {
    const TBitmap bitmap = test::NoiseBitmap(13, 7, 1, 30);
    const std::string address = WbGenerateServerImage(bitmap, 999, 999, false);  // size unused
    ASSERT_TRUE(std::regex_match(address, std::regex("/img/AG[0-9]+_[0-9]+\\.gif"))) << address;
    const std::string name = address.substr(5);
    EXPECT_EQ(Names(Images()), std::vector<std::string>{name});
    const auto decoded = test::DecodeGif(test::ReadFileBytes(Images() + "/" + name));
    ASSERT_EQ(decoded.Error, 0);
    EXPECT_EQ(test::ColorsOf(decoded), test::ColorsOf(bitmap));
}

TEST_F(ServerImages, StretchesToTheGivenSize) {
    const TBitmap bitmap = test::IndexedBitmap(2, 2, [](int x, int y) { return y * 2 + x; }, {clRed, clLime, clBlue, clYellow});
    const std::string address = WbGenerateServerImage(bitmap, 4, 3, true);
    ASSERT_NE(address, "");
    const auto decoded = test::DecodeGif(test::ReadFileBytes(Images() + "/" + address.substr(5)));
    ASSERT_EQ(decoded.Error, 0);
    EXPECT_EQ(decoded.Width, 4);
    EXPECT_EQ(decoded.Height, 3);
    EXPECT_EQ(test::ColorsOf(decoded), (std::vector<TColor>{clRed, clRed, clLime, clLime,      //
                                                            clBlue, clBlue, clYellow, clYellow,  //
                                                            clBlue, clBlue, clYellow, clYellow}));
    const TBitmap colour = [] {
        TBitmap b(3, 1, pf24bit);
        b.SetPixel(0, 0, RGB(1, 2, 3));
        return b;
    }();
    const std::string wide = WbGenerateServerImage(colour, 6, 1, true);
    const auto widened = test::DecodeGif(test::ReadFileBytes(Images() + "/" + wide.substr(5)));
    EXPECT_EQ(test::ColorsOf(widened), (std::vector<TColor>{RGB(1, 2, 3), RGB(1, 2, 3), clWhite, clWhite, clWhite, clWhite}));
}

TEST_F(ServerImages, FailuresGiveTheEmptyStringAndLeaveNoFile) {
    const TBitmap bitmap = test::NoiseBitmap(4, 4, 2);
    const struct {
        const char* name;
        std::string internal;
        const TBitmap* bitmap;
        int32_t width, height;
        bool stretch;
    } cases[] = {
        {"empty internal path", "", &bitmap, 0, 0, false},
        {"relative path that does not exist", "wbforms-no-such-directory/images/", &bitmap, 0, 0, false},
        {"directory that cannot be made", dir.File("file/images/"), &bitmap, 0, 0, false},
        {"bitmap without pixels", Images() + "/", nullptr, 0, 0, false},
        {"stretched to nothing", Images() + "/", &bitmap, 0, 5, true},
        {"stretched to a negative width", Images() + "/", &bitmap, -3, 5, true},
        {"stretched past the largest GIF", Images() + "/", &bitmap, 65536, 1, true},
    };
    test::WriteFileBytes(dir.File("file"), {'x'});
    const TBitmap empty;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WbSetInternalImagePath(c.internal);
        EXPECT_EQ(WbGenerateServerImage(c.bitmap ? *c.bitmap : empty, c.width, c.height, c.stretch), "");
        EXPECT_EQ(Names(Images()), std::vector<std::string>{});
    }
    EXPECT_FALSE(std::filesystem::exists("wbforms-no-such-directory"));
}

TEST_F(ServerImages, MakesEveryMissingLevelAndJoinsAPathWithoutSeparatorAsIs) {
    WbSetInternalImagePath(dir.File("a/b/c/"));
    EXPECT_NE(WbGenerateServerImage(test::NoiseBitmap(2, 2, 3), 0, 0, false), "");
    EXPECT_EQ(Names(dir.File("a/b/c")).size(), 1u);

    WbSetInternalImagePath(dir.File("x"));  // the directory x is made; the file goes beside it
    const std::string address = WbGenerateServerImage(test::NoiseBitmap(2, 2, 3), 0, 0, false);
    ASSERT_NE(address, "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("x")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("x" + address.substr(5))));
    EXPECT_EQ(address.substr(5, 2), "AG");
}

TEST_F(ServerImages, NeverOverwritesAFileThatHasTheDrawnName) {
    std::filesystem::create_directory(Images());
    WbRandSeed(1234);
    const std::string taken = WbGenerateRandomFilename("AG", "gif");
    test::WriteFileBytes(Images() + "/" + taken, {'k', 'e', 'e', 'p'});
    WbRandSeed(1234);  // the server image draws the taken name first
    const std::string address = WbGenerateServerImage(test::NoiseBitmap(3, 3, 4), 0, 0, false);
    ASSERT_NE(address, "");
    EXPECT_NE(address, "/img/" + taken);
    EXPECT_EQ(test::ReadFileBytes(Images() + "/" + taken), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(Names(Images()).size(), 2u);
}

// Runs Child in Count forked processes at once; each returns the addresses it wrote, one a line.
std::vector<std::string> InChildren(int Count, const std::function<std::string()>& Child) {
    std::vector<std::pair<pid_t, int>> children;
    for (int i = 0; i < Count; ++i) {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const std::string out = Child();
            const bool written = write(fds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size());
            _exit(written ? 0 : 1);
        }
        close(fds[1]);
        children.emplace_back(pid, fds[0]);
    }
    std::vector<std::string> lines;
    for (const auto& [pid, fd] : children) {
        std::string out;
        char buffer[256];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
        close(fd);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        for (size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
            lines.push_back(out.substr(at, end - at));
    }
    return lines;
}

TEST_F(ServerImages, ProcessesStartedTogetherWriteDifferentFiles) {
    // Started in the same instant, two processes seed differently.
    const auto firstNames = InChildren(2, [] {
        WbMiscToolsStart();
        return WbGenerateRandomFilename("AG", "gif") + "\n";
    });
    ASSERT_EQ(firstNames.size(), 2u);
    EXPECT_NE(firstNames[0], firstNames[1]);

    // Even two processes that draw the very same names write separate files: the second to take
    // a name finds it taken and draws again.
    std::filesystem::create_directory(Images());
    const auto addresses = InChildren(2, [] {
        WbRandSeed(42);
        const TBitmap bitmap = test::NoiseBitmap(40, 40, static_cast<uint32_t>(getpid()));
        std::string out;
        for (int i = 0; i < 25; ++i) out += WbGenerateServerImage(bitmap, 0, 0, false) + "\n";
        return out;
    });
    ASSERT_EQ(addresses.size(), 50u);
    EXPECT_EQ(std::set<std::string>(addresses.begin(), addresses.end()).size(), 50u);
    EXPECT_EQ(std::count(addresses.begin(), addresses.end(), ""), 0);
    const auto names = Names(Images());
    ASSERT_EQ(names.size(), 50u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(test::DecodeGif(test::ReadFileBytes(Images() + "/" + name)).Error, 0);
    }
}

TEST_F(ServerImages, CleanupDeletesOldGeneratedFilesUpToTheMaximum) {
    std::filesystem::create_directory(Images());
    auto make = [&](const std::string& name, int64_t ageSeconds) {
        test::WriteFileBytes(Images() + "/" + name, {'g'});
        test::AgeFile(Images() + "/" + name, ageSeconds);
    };
    auto count = [&](const std::string& prefix) {
        const auto names = Names(Images());
        return std::count_if(names.begin(), names.end(), [&](const std::string& n) { return n.rfind(prefix, 0) == 0; });
    };
    for (int i = 0; i < 5; ++i) make("AGold" + std::to_string(i) + ".gif", 600);
    make("AGnew.gif", 60);
    make("AGfuture.gif", -60);
    make("other.gif", 600);
    make("AGold.png", 600);

    WbCleanupTempResources(5, 0);
    EXPECT_EQ(count("AGold"), 6);
    WbCleanupTempResources(5, -1);
    EXPECT_EQ(count("AGold"), 6);
    WbCleanupTempResources(5, 2);
    EXPECT_EQ(count("AGold"), 4);  // AGold.png and two of the five
    WbCleanupTempResources(5, 100);
    EXPECT_EQ(Names(Images()), (std::vector<std::string>{"AGfuture.gif", "AGnew.gif", "AGold.png", "other.gif"}));
    WbCleanupTempResources(0, 100);  // everything written before now
    EXPECT_EQ(Names(Images()), (std::vector<std::string>{"AGfuture.gif", "AGold.png", "other.gif"}));
}

TEST_F(ServerImages, CleanupSkipsWhatItCannotDeleteWithoutCountingIt) {
    std::filesystem::create_directory(Images());
    std::filesystem::create_directory(Images() + "/AGdir.gif");
    test::AgeFile(Images() + "/AGdir.gif", 600);
    test::WriteFileBytes(Images() + "/AGreadonly.gif", {'r'});
    chmod((Images() + "/AGreadonly.gif").c_str(), 0444);
    test::AgeFile(Images() + "/AGreadonly.gif", 600);
    test::WriteFileBytes(Images() + "/AG1.gif", {'1'});
    test::AgeFile(Images() + "/AG1.gif", 600);
    test::WriteFileBytes(Images() + "/AG2.gif", {'2'});
    test::AgeFile(Images() + "/AG2.gif", 600);

    WbCleanupTempResources(1, 2);
    EXPECT_EQ(Names(Images()), (std::vector<std::string>{"AGdir.gif", "AGreadonly.gif"}));
}

TEST_F(ServerImages, CleanupOfAPathWithoutSeparatorDeletesTheFilesItFound) {
    // With the path ".../x" the search is for "xAG*.gif" beside x; what it finds is deleted, not
    // a file named "x" + the name found.
    for (const char* name : {"xAG1.gif", "xxAG1.gif", "AG1.gif"}) {
        test::WriteFileBytes(dir.File(name), {'g'});
        test::AgeFile(dir.File(name), 600);
    }
    WbSetInternalImagePath(dir.File("x"));
    WbCleanupTempResources(1, 10);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"AG1.gif", "xxAG1.gif"}));

    WbSetInternalImagePath(dir.File("missing/"));
    WbCleanupTempResources(1, 10);  // nothing to search: nothing happens
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
}

// ---- Design-time string drawing ----

// WbDrawString on a white picture.
struct StringDrawing {
    TBitmap bitmap;
    TCanvas canvas;

    StringDrawing() : bitmap(test::Filled(160, 60, clWhite)), canvas(bitmap) {}
};

std::unique_ptr<TWbFont> Font(const std::string& face, int32_t size) {
    auto font = std::make_unique<TWbFont>();
    font->SetPrimaryFont(face);
    font->SetFontSize(size);
    font->SetColor(clRed);
    return font;
}

TEST(WbDrawString, GivesTheLineHeightOfTheHTMLSize) {
    const int32_t heights[] = {13, 16, 18, 21, 27, 36};
    for (const char* face : {"ARIAL", "COURIER NEW", "MS Sans Serif"}) {
        for (int32_t size = 1; size <= 6; ++size) {
            for (const char* text : {"Hello", ""}) {
                SCOPED_TRACE(std::string(face) + " size " + std::to_string(size) + " '" + text + "'");
                StringDrawing drawing;
                const int32_t height = WbDrawString(text, *Font(face, size), drawing.canvas, Rect(0, 0, 160, 60), clYellow, taLeft);
                EXPECT_EQ(height, heights[size - 1]);
                EXPECT_EQ(drawing.canvas.Font().Height(), heights[size - 1]);
                EXPECT_EQ(drawing.canvas.Font().Name(), face);
                EXPECT_EQ(drawing.canvas.Font().Color(), clRed);
                EXPECT_EQ(drawing.canvas.Pen().Style(), psDash);
            }
        }
    }
}

// The text at its start, one pixel below the top, drawn by TextRect on the background colour
// over the whole rectangle.
TEST(WbDrawString, AlignsTheTextInTheRectangleNeverLeftOfIt) {
    TCanvas measure;
    measure.Font().SetName("ARIAL");
    measure.Font().SetHeight(16);
    const std::string shortText = "Fix";
    const std::string longText = "A line wider than its rectangle";
    const int32_t shortWidth = measure.TextWidth(shortText);
    ASSERT_GT(measure.TextWidth(longText), 101);
    const struct {
        const char* name;
        t_WbTextAlign align;
        const std::string& text;
        TRect rect;
        int32_t start;
    } cases[] = {
        {"left", taLeft, shortText, Rect(10, 5, 111, 40), 10},
        {"none", taNone, shortText, Rect(10, 5, 111, 40), 10},
        // Halves cut towards zero: a 20-pixel text in 101 pixels begins at 50 - 10 = 40.
        {"centre", taCenter, shortText, Rect(10, 5, 111, 40), 10 + 101 / 2 - shortWidth / 2},
        {"centre, even width", taCenter, shortText, Rect(10, 5, 110, 40), 10 + 100 / 2 - shortWidth / 2},
        {"right", taRight, shortText, Rect(10, 5, 111, 40), 111 - shortWidth},
        {"centre, wider than the rectangle", taCenter, longText, Rect(10, 5, 111, 40), 10},
        {"right, wider than the rectangle", taRight, longText, Rect(10, 5, 111, 40), 10},
        {"rectangle below the picture's top", taLeft, shortText, Rect(0, 30, 160, 60), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StringDrawing drawing;
        WbDrawString(c.text, *Font("ARIAL", 2), drawing.canvas, c.rect, clYellow, c.align);

        StringDrawing expected;
        expected.canvas.Brush().SetColor(clYellow);
        expected.canvas.Font().SetName("ARIAL");
        expected.canvas.Font().SetHeight(16);
        expected.canvas.Font().SetColor(clRed);
        expected.canvas.TextRect(c.rect, c.start, c.rect.Top + 1, c.text);
        EXPECT_TRUE(test::SamePixels(drawing.bitmap, expected.bitmap));
        EXPECT_GT(test::CountColor(drawing.bitmap, clRed), 10);
        // The whole rectangle is filled, nothing outside it is touched.
        const int32_t area = (c.rect.Right - c.rect.Left) * (c.rect.Bottom - c.rect.Top);
        EXPECT_EQ(test::CountColor(drawing.bitmap, c.rect, clYellow) + test::CountColor(drawing.bitmap, c.rect, clRed), area);
        EXPECT_EQ(test::CountColor(drawing.bitmap, clWhite), 160 * 60 - area);
    }
}

TEST(WbDrawString, StylesOfAnEarlierDrawingDoNotSurvive) {
    const auto everything = Font("ARIAL", 3);
    everything->SetBold(true);
    everything->SetItalic(true);
    everything->SetUnderline(true);
    everything->SetStrikeout(true);
    const auto plain = Font("ARIAL", 3);
    for (const bool bold : {false, true}) {
        SCOPED_TRACE(bold ? "bold after all styles" : "plain after all styles");
        plain->SetBold(bold);
        StringDrawing drawing;
        WbDrawString("Styled", *everything, drawing.canvas, Rect(0, 0, 160, 60), clYellow, taLeft);
        WbDrawString("Styled", *plain, drawing.canvas, Rect(0, 0, 160, 60), clYellow, taLeft);
        EXPECT_EQ(drawing.canvas.Font().Style(), bold ? TFontStyles{fsBold} : TFontStyles{});

        StringDrawing fresh;
        WbDrawString("Styled", *plain, fresh.canvas, Rect(0, 0, 160, 60), clYellow, taLeft);
        EXPECT_TRUE(test::SamePixels(drawing.bitmap, fresh.bitmap));
    }
}

TEST(WbDrawString, AnEmptyTextOnlyFills) {
    StringDrawing drawing;
    EXPECT_EQ(WbDrawString("", *Font("ARIAL", 2), drawing.canvas, Rect(5, 5, 50, 30), clYellow, taCenter), 16);
    EXPECT_EQ(test::CountColor(drawing.bitmap, clYellow), 45 * 25);
    EXPECT_EQ(test::CountColor(drawing.bitmap, clWhite), 160 * 60 - 45 * 25);
}

}  // namespace
}  // namespace wb
