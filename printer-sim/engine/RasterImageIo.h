// Reading the raster images of NV graphics and flash logos from their definitions, and drawing
// them: plane colour 1 black, colour 2 red.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap/Bitmap.h"
#include "printer-sim/engine/PrinterState.h"

// Parses `planes` planes, each a colour byte and ceil(width / 8) * height bytes, from `data`.
// Returns the bytes used, or 0 when they do not fit in `count`.
size_t ReadRasterPlanes(const uint8_t* data, size_t count, int planes, RasterImage& image);
// The image at scale sx x sy; a dot in both planes prints in the second colour.
Bitmap DrawRasterImage(const RasterImage& image, int sx, int sy);
