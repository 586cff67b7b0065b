// The impact density scaling applied to a prepared logo before the impact encoders.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap/Bitmap.h"

// The densities of the resolution dialog, in its order.
enum class DotDensity : int32_t { Single = 0, Double = 1, Quad = 2 };

// Single halves both sides, double halves the height, quad keeps the bitmap (halvings truncate).
Bitmap ScaleForDensity(const Bitmap& prepared, DotDensity density);
