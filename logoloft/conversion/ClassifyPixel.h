// The pixel classifier: one pixel to the L colour, the choice's marker colour or white.
#pragma once

#include <cstddef>
#include <cstdint>

#include "logoloft/conversion/ConversionColours.h"
#include "platform/bitmap/Bitmap.h"

// The per-logo settings the classifier reads.
struct ClassifierSettings {
  uint8_t rValue = 0;
  uint8_t lValue = 0;
  ColourChoice colourChoice = ColourChoice::Red;
};

// Classifies one pixel, on signed integers with truncating divisions: the second-colour pulls
// rValue / (255 / channel), the dark pull lValue / (765 / (R + G + B)), and the distances to the hue,
// to dark and to white decide the class.
ColourRef ClassifyPixel(ColourRef pixel, const ClassifierSettings& settings,
                        const ConversionColours& colours);
