// Preparation of a logo for the encoders: classify every pixel, fit the result to the line width.
#pragma once

#include <cstddef>
#include <optional>

#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/LogoImage.h"
#include "platform/bitmap/Bitmap.h"

// Classifies `source` with the logo's settings and the window's colours; when it is wider than the
// line width, stretches it to lineWidth x (lineWidth * h / w). Nothing for a line width <= 0
// (a model without a receipt width has nothing to fit a logo to).
std::optional<Bitmap> PrepareBitmap(Bitmap source, const ClassifierSettings& settings,
                                    const ConversionColours& colours, int lineWidth);

// Loads the logo's bitmap file again and prepares it; nothing when it cannot be loaded or fitted.
std::optional<Bitmap> PrepareLogo(const LogoImage& logo, const ConversionColours& colours,
                                  int lineWidth);
