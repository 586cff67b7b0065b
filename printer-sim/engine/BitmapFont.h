// The virtual printer's own character set: printable ASCII drawn from 5 x 7 glyphs scaled into the
// cells of font A (12 x 24) and font B (9 x 17); other codes print as a hollow box.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap/Bitmap.h"

constexpr int kFontACellWidth = 12;
constexpr int kFontACellHeight = 24;
constexpr int kFontBCellWidth = 9;
constexpr int kFontBCellHeight = 17;

// One character cell, black on white.
Bitmap RenderGlyph(uint8_t code, bool fontB);
