// Uncompressed pixel rows of a Windows bitmap: paletted (1, 4, 8 bits) and direct colour (16-32).
#pragma once

#include <cstddef>

#include "platform/bitmap/Bitmap.h"
#include "platform/bitmap/BmpBytes.h"
#include "platform/bitmap/BmpHeader.h"

// Decodes the rows described by `layout` into `out` (already sized), top row first. The header
// reader has checked that every row lies inside the file.
void DecodeBmpRows(const BmpBytes& file, const BmpLayout& layout, Bitmap& out);
