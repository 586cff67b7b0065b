// The colour choice codes and the window-wide colours of the pixel classifier.
#include "logoloft/conversion/ConversionColours.h"

#include "logoloft/conversion/HueColour.h"

std::optional<ColourChoice> ColourChoiceFromCode(int32_t code) {
  if (code < 0 || code > 3) return std::nullopt;
  return static_cast<ColourChoice>(code);
}

ColourRef MarkerColour(ColourChoice choice) {
  switch (choice) {
    case ColourChoice::Red: return MakeColour(255, 0, 0);
    case ColourChoice::Green: return MakeColour(0, 255, 0);
    case ColourChoice::Blue: return MakeColour(0, 0, 255);
    case ColourChoice::NotUsed: break;
  }
  return kBlack;
}

ConversionColours MakeConversionColours(int hueAngle, ColourChoice choice, bool invert) {
  ConversionColours colours;
  colours.hueColour = HueColour(hueAngle);
  colours.lColour = invert ? MarkerColour(choice) : kBlack;
  return colours;
}
