// wbforms gif IN.bmp OUT.gif: encodes a bitmap file as a GIF87a file.
#include <unistd.h>

#include <exception>

#include "Command.h"
#include "gif/WbGifMaker.h"
#include "host/Bitmaps.h"
#include "host/Streams.h"

namespace wbforms_cli {

namespace {

int RunGif(const std::vector<std::string>& Args) {
    if (Args.size() != 2) throw UsageError("gif takes an input bitmap and an output file");
    const std::string& input = Args[0];
    const std::string& output = Args[1];

    wb::TBitmap bitmap;
    try {
        wb::TFileStream stream(input, wb::fmOpenRead);
        bitmap.LoadFromStream(stream);
    } catch (const std::exception& e) {
        ReportError(input + ": " + FileErrorReason(e, input));
        return kBadInput;
    }

    // The whole GIF is made before the file is touched: a refused bitmap leaves no file.
    wb::TMemoryStream gif;
    try {
        wb::WbGifToStream(bitmap, gif);
    } catch (const std::exception& e) {
        ReportError(input + ": " + e.what());
        return kBadInput;
    }
    try {
        gif.SaveToFile(output);
    } catch (const std::exception& e) {
        ::unlink(output.c_str());
        ReportError(output + ": " + FileErrorReason(e, output));
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

extern const Command kGifCommand = {
    "gif",
    "encode a bitmap file as a GIF87a file",
    "usage: wbforms gif IN.bmp OUT.gif\n"
    "\n"
    "Reads the Windows bitmap IN.bmp (1, 4, 8, 16, 24 or 32 bits per pixel) and writes it as the\n"
    "GIF87a file OUT.gif, replacing a file of that name. A picture of more than 256 colours is\n"
    "reduced to 256. A bitmap wider or taller than 65535 pixels is refused.\n",
    RunGif,
};

}  // namespace wbforms_cli
