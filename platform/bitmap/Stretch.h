// The platform's bitmap stretching in its default (black-on-white) mode, as a pure function.
#pragma once

#include <cstddef>

#include "platform/bitmap/Bitmap.h"

// Stretches `src` (sw x sh) to dw x dh the way a new memory context does by default, keeping dark dots.
// Destination column x takes the source columns floor(x * sw / dw) .. floor((x + 1) * sw / dw) - 1,
// and at least the first of them (so when enlarging, a source column is repeated); destination row y
// takes the source rows floor(y * sh / dh) .. floor((y + 1) * sh / dh) - 1 the same way. The
// destination pixel is the bitwise AND of the colour values of every source pixel in that block, so
// (255, 0, 0) AND (0, 0, 255) gives black. A source or destination with no pixels gives a white
// bitmap of dw x dh (empty when dw or dh is not positive).
Bitmap StretchBlackOnWhite(const Bitmap& src, int dw, int dh);
