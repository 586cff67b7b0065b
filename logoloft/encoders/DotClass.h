// The sorting of a pixel into a blank, first-colour (black) or second-colour dot.
#pragma once

#include <cstddef>

#include "platform/bitmap/Bitmap.h"

enum class DotClass { Blank, First, Second };

// Exact rule (NV bit image, impact bands): blank only for exactly white, first only for black.
DotClass ExactDotClass(ColourRef pixel);
// Near-white rule (NV graphics, flash logos): blank when all three channels are above 240.
DotClass NearWhiteDotClass(ColourRef pixel);
