#pragma once

#include <string>

#include "host/Bitmaps.h"
#include "host/Streams.h"

namespace wb {

// Writes Bitmap as a PNG picture of 8-bit red, green and blue samples: a colour bitmap as it
// is, an 8-bit one through its palette. A bitmap without pixels raises EInvalidGraphic; nothing
// is written then.
void SavePngToStream(const TBitmap& Bitmap, TStream& Stream);
// The same into the file FileName, which is replaced; the file is made only once the picture is
// encoded. A file that cannot be written raises the stream's error naming it.
void SavePngToFile(const TBitmap& Bitmap, const std::string& FileName);

}  // namespace wb
