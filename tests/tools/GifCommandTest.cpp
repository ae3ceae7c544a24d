// Runs the built wbforms command: wbforms gif IN.bmp OUT.gif.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/Pictures.h"

namespace wb {
namespace {

struct Outcome {
    int status;
    std::string errors;
};

Outcome RunCommand(const std::string& arguments, const test::TempDir& dir) {
    const std::string errors = dir.File("stderr.txt");
    const std::string command = std::string(WBFORMS_COMMAND) + " " + arguments + " >/dev/null 2>" + errors;
    const int status = std::system(command.c_str());
    const auto bytes = test::ReadFileBytes(errors);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(bytes.begin(), bytes.end())};
}

TEST(GifCommand, EncodesABitmapFile) {
    test::TempDir dir;
    const TBitmap bitmap = test::NoiseBitmap(37, 11, 3, 20);
    bitmap.SaveToFile(dir.File("in.bmp"));
    const Outcome outcome = RunCommand("gif " + dir.File("in.bmp") + " " + dir.File("out.gif"), dir);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    const auto decoded = test::DecodeGif(test::ReadFileBytes(dir.File("out.gif")));
    ASSERT_EQ(decoded.Error, 0);
    EXPECT_EQ(test::ColorsOf(decoded), test::ColorsOf(bitmap));
}

TEST(GifCommand, ReportsBadInputAndBadCommandLines) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("text.bmp"), {'h', 'e', 'l', 'l', 'o', '\n'});
    TBitmap(65536, 1, pf8bit).SaveToFile(dir.File("wide.bmp"));
    TBitmap(1, 1, pf8bit).SaveToFile(dir.File("ok.bmp"));
    const std::string in = dir.File("text.bmp");
    const struct {
        const char* name;
        std::string arguments;
        int status;
        std::string firstLine;
    } cases[] = {
        {"missing input", dir.File("none.bmp") + " x.gif", 1, "wbforms: " + dir.File("none.bmp") + ": No such file or directory"},
        {"not a bitmap", in + " x.gif", 1, "wbforms: " + in + ": not a BMP file: too short"},
        {"too wide", dir.File("wide.bmp") + " " + dir.File("wide.gif"), 1,
         "wbforms: " + dir.File("wide.bmp") + ": Cannot write a GIF image of 65536 x 1 pixels: a GIF image is at most 65535 pixels wide and high"},
        {"output cannot be created", dir.File("ok.bmp") + " " + dir.File("no/out.gif"), 1,
         "wbforms: " + dir.File("no/out.gif") + ": No such file or directory"},
        {"no arguments", "gif", 2, "wbforms: gif takes an input bitmap and an output file"},
        {"one argument", in, 2, "wbforms: gif takes an input bitmap and an output file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string arguments = std::string(c.name) == "no arguments" ? "gif" : "gif " + c.arguments;
        const Outcome outcome = RunCommand(arguments, dir);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.errors.substr(0, outcome.errors.find('\n')), c.firstLine);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("wide.gif")));
}

}  // namespace
}  // namespace wb
