// The two-colour raster formats: the NV graphics definition (GS 8 L) and the flash logo block.
#pragma once

#include <cstddef>
#include <array>
#include <cstdint>

#include "logoloft/encoders/Bytes.h"
#include "platform/bitmap/Bitmap.h"

// The raster data after the fixed head may be at most this long (ceil(W / 8) * h + head).
constexpr size_t kRasterMaxLength = 256000;
// Offset of the two key code bytes inside an NV graphics definition.
constexpr size_t kKeyCodeOffset = 10;

using KeyCode = std::array<uint8_t, 2>;

// GS 8 L function 67, two colour planes, under `keyCode`; the bitmap is cut to the line width.
// Nothing when ceil(W / 8) * h + 17 > 256000, with W = min(w, lineWidth).
EncodedBytes EncodeNvGraphics(const Bitmap& bitmap, KeyCode keyCode, int lineWidth);

// 02, width, height, 31, plane 1, 32, plane 2; cut to the line width.
// Nothing when ceil(W / 8) * h + 5 > 256000.
EncodedBytes EncodeFlashLogo(const Bitmap& bitmap, int lineWidth);
