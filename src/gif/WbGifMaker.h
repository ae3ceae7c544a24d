#pragma once

#include <string>

#include "host/Bitmaps.h"
#include "host/Streams.h"

namespace wb {

// Writes Bitmap as a GIF87a image at the stream's current position: one image, a global table
// of 256 colours, LZW codes of 9 to 12 bits. The pixels are read as 8-bit indices (GetDIBits);
// the encoder reduces no colours itself. A bitmap with no pixels, or wider or taller than 65535,
// raises Exception before anything is written. Write errors of the stream propagate.
void WbGifToStream(const TBitmap& Bitmap, TStream& Stream);

// Writes the GIF into a new file of that name, replacing a file that has it. A refused bitmap
// leaves an existing file untouched; a file that cannot be created raises EFCreateError naming
// it; after a failed write the file keeps what was written.
void WbGifToFile(const TBitmap& Bitmap, const std::string& FileName);

}  // namespace wb
