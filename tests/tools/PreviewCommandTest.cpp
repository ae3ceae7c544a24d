// Runs the built wbforms command: wbforms preview FORM -o OUT.png [--component NAME].
#include <png.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/DesignSurface.h"
#include "host/FormFile.h"
#include "support/Pictures.h"

namespace wb {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string errors;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Outcome Preview(const std::vector<std::string>& args, const test::TempDir& dir) {
    std::string command = Quote(WBFORMS_COMMAND) + " preview";
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(dir.File("stdout.txt")) + " 2>" + Quote(dir.File("stderr.txt"));
    const int status = std::system(command.c_str());
    const auto out = test::ReadFileBytes(dir.File("stdout.txt"));
    const auto errors = test::ReadFileBytes(dir.File("stderr.txt"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end()),
            std::string(errors.begin(), errors.end())};
}

// The colours of a PNG file, read by libpng; an empty list when it cannot be read.
struct PngPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<TColor> colors;
};

PngPicture ReadPng(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    PngPicture picture;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return picture;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) return picture;
    picture.width = static_cast<int32_t>(image.width);
    picture.height = static_cast<int32_t>(image.height);
    for (size_t i = 0; i < pixels.size(); i += 3) picture.colors.push_back(RGB(pixels[i], pixels[i + 1], pixels[i + 2]));
    return picture;
}

const std::string kExample = WBFORMS_EXAMPLES "/order.dfm";

TFormFile LoadExample() {
    TFormReadOptions options;
    options.IgnoreEvents = true;
    return TFormFile::Load(kExample, options);
}

TEST(PreviewCommand, PaintsTheFormAsTheDesignSurfaceDoes) {
    test::TempDir dir;
    const TFormFile file = LoadExample();
    const struct {
        const char* name;
        std::vector<std::string> extra;
        TControl* control;
    } cases[] = {
        {"the whole form", {}, &file.Form()},
        {"one panel and what is inside it", {"--component", "summary"}, &file.Find<TControl>("Summary")},
        {"an image map", {"--component", "HomeArea"}, &file.Find<TControl>("HomeArea")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {kExample, "-o", dir.File("out.png")};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Outcome outcome = Preview(args, dir);
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        EXPECT_EQ(outcome.errors, "");
        EXPECT_EQ(outcome.out, "");
        const PngPicture picture = ReadPng(dir.File("out.png"));
        EXPECT_EQ(picture.width, c.control->Width());
        EXPECT_EQ(picture.height, c.control->Height());
        EXPECT_EQ(picture.colors, test::ColorsOf(PaintDesignSurface(*c.control)));
    }
}

TEST(PreviewCommand, ReportsBadInputAndBadCommandLines) {
    test::TempDir dir;
    const std::string out = dir.File("out.png");
    auto form = [&](const std::string& name, const std::string& text) {
        test::WriteFileBytes(dir.File(name), std::vector<uint8_t>(text.begin(), text.end()));
        return dir.File(name);
    };
    const std::string flat = form("flat.dfm", "object F: TForm\n  Width = 100\n  Height = 0\nend\n");
    const std::string huge = form("huge.dfm", "object F: TForm\n  Width = 8193\n  Height = 10\nend\n");
    const std::string bad = form("bad.dfm", "object F: TForm\n  Width 100\nend\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;
    } cases[] = {
        {"syntax error", {bad, "-o", out}, 1, "wbforms: " + bad + ":2:9: expected '='\n"},
        {"missing form file", {dir.File("none.dfm"), "-o", out}, 1,
         "wbforms: " + dir.File("none.dfm") + ": cannot open: No such file or directory\n"},
        {"no such component", {kExample, "-o", out, "--component", "Nope"}, 1,
         "wbforms: " + kExample + ": no component named 'Nope'\n"},
        {"form without area", {flat, "-o", out}, 1,
         "wbforms: " + flat + ": the form is 100 x 0 pixels: nothing to paint\n"},
        {"form too large", {huge, "-o", out}, 1,
         "wbforms: " + huge + ": the form is 8193 x 10 pixels: a preview is at most 8192 pixels across and down\n"},
        {"output cannot be created", {kExample, "-o", dir.File("no/out.png")}, 1,
         "wbforms: " + dir.File("no/out.png") + ": No such file or directory\n"},
        {"no output", {kExample}, 2, "wbforms: no output file given (-o OUT.png)\nusage: wbforms preview"},
        {"no file after -o", {kExample, "-o"}, 2, "wbforms: -o needs a file name\nusage: wbforms preview"},
        {"two outputs", {kExample, "-o", out, "-o", out}, 2, "wbforms: -o given twice\nusage: wbforms preview"},
        {"no form file", {"-o", out}, 2, "wbforms: no form file given\nusage: wbforms preview"},
        {"unknown option", {kExample, "-o", out, "--fast"}, 2, "wbforms: unknown option '--fast'\nusage: wbforms preview"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Preview(c.args, dir);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.errors.substr(0, c.errStart.size()), c.errStart) << outcome.errors;
        EXPECT_FALSE(test::ReadFileBytes(out).size() > 0) << "no picture is written";
    }
}

TEST(PreviewCommand, HelpGoesToStandardOutput) {
    test::TempDir dir;
    const Outcome outcome = Preview({"--help"}, dir);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.rfind("usage: wbforms preview FORM -o OUT.png [--component NAME]\n", 0), 0u) << outcome.out;
}

}  // namespace
}  // namespace wb
