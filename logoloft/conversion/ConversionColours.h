// The colour choice codes and the window-wide colours of the pixel classifier.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/bitmap/Bitmap.h"

// The radio group of the main window, in its order; the codes are what the logo list stores.
enum class ColourChoice : int32_t { Red = 0, Green = 1, Blue = 2, NotUsed = 3 };

// The stored code back to a choice; nothing for a code outside 0..3.
std::optional<ColourChoice> ColourChoiceFromCode(int32_t code);

// The marker colour of a choice: red, green or blue; black for NotUsed (monochrome).
ColourRef MarkerColour(ColourChoice choice);

struct ConversionColours {
  ColourRef hueColour = MakeColour(255, 0, 0);  // HueColour of the window's threshold angle
  ColourRef lColour = kBlack;                    // output colour of the dark class
};

// The window's colours: the hue colour of `hueAngle`, and an L colour that is black, or the marker
// colour of `choice` when the invert mode is on.
ConversionColours MakeConversionColours(int hueAngle, ColourChoice choice, bool invert);
