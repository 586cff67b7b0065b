// Reads a bitmap file through the platform and decodes it.
#pragma once

#include <cstddef>
#include <string>

#include "platform/bitmap/Bitmap.h"

// Reads the whole file at `path` and decodes it as a .bmp. Returns false (and `out` empty) when the
// file cannot be read or is not a bitmap the loader takes.
bool LoadBitmapFile(const std::string& path, Bitmap& out);
