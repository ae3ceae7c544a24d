// Runs the built wbforms command: wbforms palette [--export DIR].
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "host/Bitmaps.h"
#include "package/WbPaletteBitmaps.h"
#include "support/PackageTables.h"
#include "support/Pictures.h"

namespace wb {
namespace {

struct TOutcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

TOutcome Palette(const std::string& Arguments, const test::TempDir& Dir) {
    const std::string out = Dir.File("stdout.txt"), err = Dir.File("stderr.txt");
    const std::string command =
        std::string(WBFORMS_COMMAND) + " palette " + Arguments + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    const auto outBytes = test::ReadFileBytes(out), errBytes = test::ReadFileBytes(err);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            std::string(outBytes.begin(), outBytes.end()),
            std::string(errBytes.begin(), errBytes.end())};
}

TEST(PaletteCommand, ListsPageClassAndBitmapOfEveryRegisteredClass) {
    test::TempDir dir;
    const TOutcome outcome = Palette("", dir);
    EXPECT_EQ(outcome.Status, 0);
    EXPECT_EQ(outcome.Err, "");
    EXPECT_EQ(outcome.Out,
              "WebSlate  TWbPage            TWBPAGE\n"
              "WebSlate  TWbImageMap        TWBIMAGEMAP\n"
              "WebSlate  TWbPanel           TWBPANEL\n"
              "WebSlate  TWbText            TWBTEXT\n"
              "WebSlate  TWbInputForm       TWBINPUTFORM\n"
              "WebSlate  TWbCheckBox        TWBCHECKBOX\n"
              "WebSlate  TWbTextInputField  TWBTEXTINPUTFIELD\n"
              "WebSlate  TWbTextArea        TWBTEXTAREA\n"
              "WebSlate  TWbSubmitButton    TWBSUBMITBUTTON\n"
              "WebSlate  TWbRadioButton     TWBRADIOBUTTON\n"
              "WebSlate  TWbListBox         TWBLISTBOX\n"
              "WebSlate  TWbJavaApplet      TWBJAVAAPPLET\n"
              "WebSlate  TWbImage           TWBIMAGE\n"
              "WebSlate  TWbDropDownlist    TWBDROPDOWNLIST\n"
              "Webslate  TWbCGI             TWBCGI\n");
}

// Each bitmap becomes a .bmp file: the file header, then the resource byte for byte; the
// directory is made when it is missing.
TEST(PaletteCommand, ExportsEveryBitmapAsABmpFile) {
    test::TempDir dir;
    const TOutcome outcome = Palette("--export " + dir.File("bitmaps/palette"), dir);
    ASSERT_EQ(outcome.Status, 0) << outcome.Err;
    for (const auto& row : test::kExpectedPalette) {
        SCOPED_TRACE(row.BitmapName);
        const std::string file = dir.File("bitmaps/palette/" + row.BitmapName + ".bmp");
        const auto bytes = test::ReadFileBytes(file);
        const std::vector<uint8_t> header = {'B', 'M', 118, 2, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0};
        ASSERT_EQ(bytes.size(), 630u);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 14), header);
        const auto resource = WbFindPaletteBitmap(row.BitmapName);
        EXPECT_TRUE(std::equal(bytes.begin() + 14, bytes.end(), resource.begin()));
        TBitmap bitmap;
        bitmap.LoadFromFile(file);
        EXPECT_EQ(bitmap.Width(), 32);
        EXPECT_EQ(bitmap.Height(), 32);
    }
}

TEST(PaletteCommand, ReportsBadCommandLinesAndUnwritableDirectories) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("file"), {'x'});
    const struct {
        const char* name;
        std::string arguments;
        int status;
        std::string err;  // what standard error starts with
    } cases[] = {
        {"no directory", "--export", 2, "wbforms: --export needs a directory\n"},
        {"a stray argument", "list", 2, "wbforms: unexpected argument 'list'\n"},
        {"a file in the way", "--export " + dir.File("file/sub"), 1,
         "wbforms: " + dir.File("file/sub") + ": cannot make the directory: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TOutcome outcome = Palette(c.arguments, dir);
        EXPECT_EQ(outcome.Status, c.status);
        EXPECT_EQ(outcome.Err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(outcome.Out, "");
    }
}

}  // namespace
}  // namespace wb
