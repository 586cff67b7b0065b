// Tests of the hue colour, the pixel classifier and the whole-bitmap classifier.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "logoloft/conversion/BitmapClassifier.h"
#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/HueColour.h"

namespace {

TEST(HueColour, TellingAngles) {
  const struct { int angle; ColourRef colour; } cases[] = {
      {0, MakeColour(255, 0, 0)},     {30, MakeColour(255, 127, 0)},
      {60, MakeColour(255, 255, 0)},  {120, MakeColour(0, 255, 0)},
      {180, MakeColour(0, 255, 255)}, {240, MakeColour(0, 0, 255)},
      {300, MakeColour(255, 0, 255)}, {359, MakeColour(255, 0, 4)},
      {360, MakeColour(255, 0, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(HueColour(c.angle), c.colour) << "angle " << c.angle;
}

const ConversionColours kRedHueBlackL{MakeColour(255, 0, 0), kBlack};

TEST(ClassifyPixel, RedChoiceCases) {
  const ClassifierSettings red{100, 100, ColourChoice::Red};
  const struct { ColourRef pixel; ColourRef expected; } cases[] = {
      {kBlack, kBlack},
      {kWhite, kWhite},
      {MakeColour(255, 0, 0), MakeColour(255, 0, 0)},
      {MakeColour(128, 128, 128), MakeColour(255, 0, 0)},  // V 284 > Dc 183 <= W 381
      {MakeColour(64, 64, 64), kBlack},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyPixel(c.pixel, red, kRedHueBlackL), c.expected) << std::hex << c.pixel;
  }
}

TEST(ClassifyPixel, TieBetweenDarkAndColourGoesToDarkOnlyForRed) {
  // Pixel (0, 0, 0) with the hue black itself: D = 0 = V = Dc, W = 765.
  const ConversionColours blackHue{kBlack, MakeColour(1, 2, 3)};
  EXPECT_EQ(ClassifyPixel(kBlack, {0, 0, ColourChoice::Red}, blackHue), MakeColour(1, 2, 3));
  EXPECT_EQ(ClassifyPixel(kBlack, {0, 0, ColourChoice::Green}, blackHue), MakeColour(0, 255, 0));
  EXPECT_EQ(ClassifyPixel(kBlack, {0, 0, ColourChoice::Blue}, blackHue), MakeColour(0, 0, 255));
}

// A grey-ish colour whose channels add up to `sum` (0..765).
ColourRef ColourWithSum(int sum) {
  const auto part = [sum](int from) { return std::min(255, std::max(0, sum - from)); };
  return MakeColour(part(0), part(255), part(510));
}

TEST(ClassifyPixel, NotUsedBoundaryFollowsLValue) {
  const ConversionColours colours{MakeColour(255, 0, 0), MakeColour(9, 9, 9)};
  const struct { uint8_t lValue; int lastDarkSum; } cases[] = {{100, 354}, {0, 304}, {255, 432}};
  for (const auto& c : cases) {
    const ClassifierSettings mono{0, c.lValue, ColourChoice::NotUsed};
    const ColourRef dark = ColourWithSum(c.lastDarkSum);
    const ColourRef light = ColourWithSum(c.lastDarkSum + 1);
    EXPECT_EQ(ClassifyPixel(dark, mono, colours), MakeColour(9, 9, 9)) << int{c.lValue};
    EXPECT_EQ(ClassifyPixel(light, mono, colours), kWhite) << int{c.lValue};
  }
}

TEST(BitmapClassifier, EqualsClassifyPixelForManyColoursAndSettings) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(0, 255);
  Bitmap colours(4096 + 64, 1);
  for (size_t i = 0; i < 4096; ++i) {  // every fourth pixel repeats the one before: runs
    colours.pixels[i] = i % 4 == 3 ? colours.pixels[i - 1]
                                   : MakeColour(byte(random), byte(random), byte(random));
  }
  for (int i = 0; i < 64; ++i) {  // the edges of each channel: 0, 1, 127, 128, 254, 255 mixes
    const int edge[4] = {0, 1, 128, 255};
    colours.pixels[4096 + i] = MakeColour(edge[i % 4], edge[(i / 4) % 4], edge[(i / 16) % 4]);
  }
  for (int angle : {0, 45, 120, 200, 300}) {
    for (bool invert : {false, true}) {
      for (int choice = 0; choice <= 3; ++choice) {
        for (int rv : {0, 37, 128, 255}) {
          for (int lv : {0, 100, 155, 255}) {
            const ColourChoice cc = static_cast<ColourChoice>(choice);
            const ConversionColours window = MakeConversionColours(angle, cc, invert);
            const ClassifierSettings settings{static_cast<uint8_t>(rv), static_cast<uint8_t>(lv), cc};
            Bitmap classified = colours;
            BitmapClassifier(settings, window).ClassifyInPlace(classified);
            for (size_t i = 0; i < colours.pixels.size(); ++i) {
              ASSERT_EQ(classified.pixels[i], ClassifyPixel(colours.pixels[i], settings, window))
                  << "pixel " << std::hex << colours.pixels[i] << std::dec << " angle " << angle
                  << " choice " << choice << " rv " << rv << " lv " << lv << " invert " << invert;
            }
          }
        }
      }
    }
  }
}

}  // namespace
