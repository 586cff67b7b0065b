// Run-length compressed pixels of a Windows bitmap (RLE8 and RLE4).
#pragma once

#include <cstddef>
#include <string>

#include "platform/bitmap/Bitmap.h"
#include "platform/bitmap/BmpBytes.h"
#include "platform/bitmap/BmpHeader.h"

// Decodes the RLE stream that starts at the layout's pixel offset into `out` (already sized).
// Pixels the stream never writes (skipped by a delta, an early end of line or end of bitmap) take
// palette colour 0, as in a fresh device-independent bitmap whose bits are all zero. Pixels that a
// run places past the right edge are dropped, and the stream ends once it passes the top row.
// Fails, saying why, when the stream runs out before it has reached the end of the bitmap.
bool DecodeBmpRle(const BmpBytes& file, const BmpLayout& layout, Bitmap& out, std::string& why);
