// One logo of the logo list with its four conversion settings, and its loading from a bitmap file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/ConversionColours.h"

struct LogoImage {
  uint8_t number = 0;  // position in the logo list, from 1
  int32_t size = 0;    // ceil(min(width, line width) / 8) * height of the bitmap as loaded
  std::string name;    // the part of `path` after its last backslash
  std::string path;
  int32_t hueAngle = 0;
  uint8_t rValue = 0;
  uint8_t lValue = 0;
  ColourChoice colourChoice = ColourChoice::Red;

  ClassifierSettings Settings() const { return {rValue, lValue, colourChoice}; }
};

// The size estimate of a logo: ceil(min(width, line width) / 8) * height (0 for a line width <= 0).
int32_t LogoSizeEstimate(int width, int height, int lineWidth);

// Loads the bitmap at `path` and makes its logo; nothing when the file is not a loadable bitmap.
std::optional<LogoImage> LoadLogoImage(uint8_t number, const std::string& path, int32_t hueAngle,
                                       uint8_t rValue, uint8_t lValue, ColourChoice colourChoice,
                                       int lineWidth);
