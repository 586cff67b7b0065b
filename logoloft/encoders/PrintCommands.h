// The commands that print stored logos: FS p n m and ESC g n.
#pragma once

#include <cstddef>

#include "logoloft/encoders/Bytes.h"

// Print modes of FS p.
enum class NvPrintMode : uint8_t { Normal = 0, DoubleWidth = 1, DoubleHeight = 2, Quadruple = 3 };

// 1C 70 n m: print NV bit image n (1..255); nothing for another n.
EncodedBytes EncodePrintNvBitImage(int n, NvPrintMode mode);
// 1B 67 n: print impact NV image n (1..255); nothing for another n.
EncodedBytes EncodePrintImpactImage(int n);
