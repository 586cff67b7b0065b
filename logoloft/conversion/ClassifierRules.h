// The rules shared by the single-pixel and the whole-bitmap classifier (internal to conversion/).
#pragma once

#include <cstddef>

#include "logoloft/conversion/ConversionColours.h"
#include "platform/bitmap/Bitmap.h"

constexpr int kMaxColourSum = 765;

enum class PixelClass { Dark, Marker, White };

// The second-colour pull of one channel value: rValue / (255 / value), 0 for a value of 0.
inline int SecondColourPull(int value, int rValue) { return value == 0 ? 0 : rValue / (255 / value); }

// V: the distance to dark of a pixel whose channels add up to `sum`: sum - lValue / (765 / sum).
inline int DarkDistance(int sum, int lValue) {
  return sum - (sum == 0 ? 0 : lValue / (kMaxColourSum / sum));
}

// Monochrome: dark when sum + max(0, 155 - lValue) < (765 - sum) + max(0, lValue - 155).
inline bool MonoIsDark(int sum, int lValue) { return 2 * sum < 610 + lValue; }

// The class from the colour distance Dc, the dark distance V and the white distance W. A tie
// between dark and colour goes to dark for Red and to the colour for Green and Blue.
inline PixelClass Decide(ColourChoice choice, int dc, int v, int w) {
  if (choice == ColourChoice::Red) {
    if (v <= dc && v <= w) return PixelClass::Dark;
    if (dc < v && dc <= w) return PixelClass::Marker;
    return PixelClass::White;
  }
  if (dc <= v && dc <= w) return PixelClass::Marker;
  if (v < dc && v <= w) return PixelClass::Dark;
  return PixelClass::White;
}

inline ColourRef OutputColour(PixelClass cls, ColourChoice choice, const ConversionColours& colours) {
  switch (cls) {
    case PixelClass::Dark: return colours.lColour;
    case PixelClass::Marker: return MarkerColour(choice);
    case PixelClass::White: break;
  }
  return kWhite;
}
