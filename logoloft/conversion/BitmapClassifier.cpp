// The whole-bitmap classifier: ClassifyPixel's result for every pixel, from tables built once.
#include "logoloft/conversion/BitmapClassifier.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int16_t kNever = 0x7FFF;  // a darkFrom no colour distance reaches (|Dc| <= 765)

bool HasMarker(ColourChoice choice) {
  return choice == ColourChoice::Red || choice == ColourChoice::Green || choice == ColourChoice::Blue;
}

}  // namespace

BitmapClassifier::BitmapClassifier(const ClassifierSettings& settings,
                                   const ConversionColours& colours) {
  const ColourChoice choice = HasMarker(settings.colourChoice) ? settings.colourChoice
                                                               : ColourChoice::NotUsed;
  outputs_ = {colours.lColour, MarkerColour(choice), kWhite};
  if (choice == ColourChoice::NotUsed) {
    for (int sum = 0; sum <= kMaxColourSum; ++sum) {
      darkFrom_[sum] = MonoIsDark(sum, settings.lValue) ? 0 : kNever;
      markerTo_[sum] = -1;  // Dc is 0: never the marker
    }
    return;
  }
  const int hue[3] = {RedOf(colours.hueColour), GreenOf(colours.hueColour),
                      BlueOf(colours.hueColour)};
  const int markerChannel = static_cast<int>(choice);  // Red 0, Green 1, Blue 2
  for (int channel = 0; channel < 3; ++channel) {
    for (int value = 0; value < 256; ++value) {
      const int pull = channel == markerChannel ? 0 : SecondColourPull(value, settings.rValue);
      colourTerm_[channel][value] = static_cast<int16_t>(std::abs(hue[channel] - value) - pull);
    }
  }
  const int tieToColour = choice == ColourChoice::Red ? 0 : 1;
  for (int sum = 0; sum <= kMaxColourSum; ++sum) {
    const int v = DarkDistance(sum, settings.lValue);
    const int w = kMaxColourSum - sum;
    darkFrom_[sum] = static_cast<int16_t>(v <= w ? v + tieToColour : kNever);
    markerTo_[sum] = static_cast<int16_t>(std::min(v - 1 + tieToColour, w));
  }
}

ColourRef BitmapClassifier::Classify(ColourRef pixel) const {
  const int r = RedOf(pixel), g = GreenOf(pixel), b = BlueOf(pixel);
  const int sum = r + g + b;
  const int dc = colourTerm_[0][r] + colourTerm_[1][g] + colourTerm_[2][b];
  const int notDark = dc < darkFrom_[sum];
  const int notMarker = dc > markerTo_[sum];
  return outputs_[notDark * (1 + notMarker)];  // 0 dark, 1 marker, 2 white
}

void BitmapClassifier::ClassifyPixels(const ColourRef* in, ColourRef* out, size_t count) const {
  if (count == 0) return;
  // Logos are mostly runs of one colour: a pixel equal to the one before takes its class again.
  // `in` may be `out`: each pixel is read before its class is written.
  ColourRef lastIn = in[0];
  ColourRef lastOut = Classify(lastIn);
  for (size_t i = 0; i < count; ++i) {
    if (in[i] != lastIn) {
      lastIn = in[i];
      lastOut = Classify(lastIn);
    }
    out[i] = lastOut;
  }
}

void BitmapClassifier::ClassifyInPlace(Bitmap& bitmap) const {
  ClassifyPixels(bitmap.pixels.data(), bitmap.pixels.data(), bitmap.pixels.size());
}
