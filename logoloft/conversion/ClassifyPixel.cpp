// The pixel classifier: one pixel to the L colour, the choice's marker colour or white.
#include "logoloft/conversion/ClassifyPixel.h"

#include <cstdlib>

#include "logoloft/conversion/ClassifierRules.h"

ColourRef ClassifyPixel(ColourRef pixel, const ClassifierSettings& settings,
                        const ConversionColours& colours) {
  const int r = RedOf(pixel), g = GreenOf(pixel), b = BlueOf(pixel);
  const int sum = r + g + b;
  const int rv = settings.rValue, lv = settings.lValue;
  if (settings.colourChoice != ColourChoice::Red && settings.colourChoice != ColourChoice::Green &&
      settings.colourChoice != ColourChoice::Blue) {
    return MonoIsDark(sum, lv) ? colours.lColour : kWhite;
  }
  const int hueDistance = std::abs(RedOf(colours.hueColour) - r) +
                          std::abs(GreenOf(colours.hueColour) - g) +
                          std::abs(BlueOf(colours.hueColour) - b);
  int against = 0;  // the pulls of the two channels that are not the marker's
  switch (settings.colourChoice) {
    case ColourChoice::Red: against = SecondColourPull(g, rv) + SecondColourPull(b, rv); break;
    case ColourChoice::Green: against = SecondColourPull(r, rv) + SecondColourPull(b, rv); break;
    default: against = SecondColourPull(r, rv) + SecondColourPull(g, rv); break;
  }
  const PixelClass cls = Decide(settings.colourChoice, hueDistance - against, DarkDistance(sum, lv),
                                kMaxColourSum - sum);
  return OutputColour(cls, settings.colourChoice, colours);
}
