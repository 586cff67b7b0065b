// Writes a bitmap as a PNG file, for looking at logos and printouts on the host.
#pragma once

#include <string>

#include "platform/bitmap/Bitmap.h"

// Writes `image` as an 8-bit RGB PNG. Returns false (and leaves no file behind) on failure.
bool WritePngFile(const std::string& path, const Bitmap& image, std::string* why = nullptr);
