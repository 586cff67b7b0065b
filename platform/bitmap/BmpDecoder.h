// The platform's bitmap loader: decodes the bytes of a Windows bitmap (.bmp) file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/bitmap/Bitmap.h"

// Decodes a whole .bmp file held in memory. On success fills `out` (top row first) and returns true.
// On failure returns false, leaves `out` empty and, when `why` is given, says what was wrong.
bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out, std::string* why = nullptr);
