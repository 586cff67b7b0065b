// The whole-bitmap classifier: ClassifyPixel's result for every pixel, from tables built once.
#pragma once

#include <cstddef>
#include <array>
#include <cstdint>

#include "logoloft/conversion/ClassifierRules.h"
#include "logoloft/conversion/ClassifyPixel.h"
#include "platform/bitmap/Bitmap.h"

// Holds the per-setting tables, so classifying a pixel takes three lookups for the colour distance
// Dc, one for the thresholds of its channel sum S, and no division or branch:
//   Dark when Dc >= darkFrom[S], otherwise Marker when Dc <= markerTo[S], otherwise White.
// For Red, darkFrom is V when V <= W (a tie goes to dark) and markerTo is min(V - 1, W); for Green
// and Blue, darkFrom is V + 1 when V <= W (a tie goes to the colour) and markerTo is min(V, W);
// darkFrom is out of reach when V > W. For NotUsed Dc is 0 and only darkFrom decides.
// Build one per logo and setting.
class BitmapClassifier {
 public:
  BitmapClassifier(const ClassifierSettings& settings, const ConversionColours& colours);

  ColourRef Classify(ColourRef pixel) const;
  // Classifies `count` pixels from `in` into `out` (which may be `in` itself).
  void ClassifyPixels(const ColourRef* in, ColourRef* out, size_t count) const;
  // Classifies every pixel of `bitmap` in place.
  void ClassifyInPlace(Bitmap& bitmap) const;

 private:
  std::array<ColourRef, 3> outputs_{};  // by PixelClass: L colour, marker colour, white
  // Per channel value: distance to the hue's channel, less the pull when the channel counts against
  // the marker (for Red: green and blue; for Green: red and blue; for Blue: red and green).
  std::array<std::array<int16_t, 256>, 3> colourTerm_{};
  std::array<int16_t, kMaxColourSum + 1> darkFrom_{};
  std::array<int16_t, kMaxColourSum + 1> markerTo_{};
};
