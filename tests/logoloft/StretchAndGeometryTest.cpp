// Tests of the black-on-white stretch, the preview geometry, the size estimate and the preparation.
#include <gtest/gtest.h>

#include "logoloft/conversion/LogoImage.h"
#include "logoloft/conversion/PrepareLogo.h"
#include "logoloft/conversion/RenderPreview.h"
#include "logoloft/conversion/ScaleForDensity.h"
#include "platform/bitmap/Stretch.h"

namespace {

const ColourRef kRed = MakeColour(255, 0, 0);
const ColourRef kBlue = MakeColour(0, 0, 255);

TEST(StretchBlackOnWhite, ShrinkingAndsTheSourceBlock) {
  // 3 columns to 2: column 0 takes source 0, column 1 takes sources 1 and 2.
  Bitmap src(3, 1);
  src.pixels = {kRed, kRed, kBlue};
  const Bitmap dst = StretchBlackOnWhite(src, 2, 1);
  EXPECT_EQ(dst.pixels, (std::vector<ColourRef>{kRed, kBlack}));  // red AND blue is black

  // A lone dark dot in a white 4 x 4 survives a shrink to 2 x 2 in its quarter only.
  Bitmap dot(4, 4);
  dot.At(3, 2) = MakeColour(10, 20, 30);
  const Bitmap small = StretchBlackOnWhite(dot, 2, 2);
  EXPECT_EQ(small.pixels, (std::vector<ColourRef>{kWhite, kWhite, kWhite, MakeColour(10, 20, 30)}));
}

TEST(StretchBlackOnWhite, EnlargingRepeatsPixels) {
  Bitmap src(2, 1);
  src.pixels = {kRed, kBlue};
  const Bitmap dst = StretchBlackOnWhite(src, 5, 2);
  const std::vector<ColourRef> row{kRed, kRed, kRed, kBlue, kBlue};  // floor(x * 2 / 5)
  EXPECT_EQ(std::vector<ColourRef>(dst.pixels.begin(), dst.pixels.begin() + 5), row);
  EXPECT_EQ(std::vector<ColourRef>(dst.pixels.begin() + 5, dst.pixels.end()), row);
}

TEST(StretchBlackOnWhite, EmptySizes) {
  EXPECT_TRUE(StretchBlackOnWhite(Bitmap(3, 3, kBlack), 0, 4).pixels.empty());
  EXPECT_EQ(StretchBlackOnWhite(Bitmap(), 2, 2).pixels, std::vector<ColourRef>(4, kWhite));
}

TEST(PreviewGeometry, Examples) {
  const struct { int w, h, frame, lineWidth, pw, ph; } cases[] = {
      {288, 100, 288, 576, 144, 50},   // half the line width: half the frame
      {576, 200, 300, 576, 300, 104},  // as wide as the line: frame width
      {1000, 300, 300, 576, 300, 90},  // wider than the line: pw 520 cut to 300, ph 156 to 90
      {100, 50, 300, 0, 0, 0},         // no line width: nothing drawn
      {0, 50, 300, 576, 0, 0},
  };
  for (const auto& c : cases) {
    const PreviewSize size = PreviewGeometry(c.w, c.h, c.frame, c.lineWidth);
    EXPECT_EQ(size.width, c.pw) << c.w << "x" << c.h;
    EXPECT_EQ(size.height, c.ph) << c.w << "x" << c.h;
  }
}

TEST(RenderPreview, ClassifiesAndShrinksBothImages) {
  Bitmap src(4, 2, MakeColour(20, 20, 20));
  const PreviewImages images = RenderPreview(src, {0, 0, ColourChoice::NotUsed}, {kRed, kBlue}, 2, 4);
  ASSERT_EQ(images.original.width, 2);
  ASSERT_EQ(images.transformed.height, 1);
  EXPECT_EQ(images.original.pixels, std::vector<ColourRef>(2, MakeColour(20, 20, 20)));
  EXPECT_EQ(images.transformed.pixels, std::vector<ColourRef>(2, kBlue));  // the L colour
  EXPECT_TRUE(RenderPreview(src, {}, {}, 300, 0).transformed.pixels.empty());
}

TEST(LogoSizeEstimate, ClipsTheWidthNotTheHeight) {
  EXPECT_EQ(LogoSizeEstimate(1000, 300, 576), 72 * 300);
  EXPECT_EQ(LogoSizeEstimate(500, 40, 576), 63 * 40);
  EXPECT_EQ(LogoSizeEstimate(500, 40, 0), 0);
}

TEST(PrepareBitmap, FitsWideLogosToTheLineWidth) {
  const ClassifierSettings mono{0, 100, ColourChoice::NotUsed};
  const ConversionColours colours{kRed, kBlack};
  const std::optional<Bitmap> wide = PrepareBitmap(Bitmap(1000, 300, kBlack), mono, colours, 576);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->width, 576);
  EXPECT_EQ(wide->height, 172);
  EXPECT_EQ(wide->pixels, std::vector<ColourRef>(576 * 172, kBlack));

  Bitmap narrow(500, 3, MakeColour(200, 200, 200));  // light grey: white when classified
  narrow.At(7, 1) = MakeColour(30, 30, 30);
  const std::optional<Bitmap> kept = PrepareBitmap(narrow, mono, colours, 576);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->width, 500);
  EXPECT_EQ(kept->height, 3);
  EXPECT_EQ(kept->At(7, 1), kBlack);
  EXPECT_EQ(kept->At(0, 0), kWhite);

  EXPECT_FALSE(PrepareBitmap(narrow, mono, colours, 0));  // no receipt width to fit to
}

TEST(ScaleForDensity, HalvesPerDensity) {
  const Bitmap prepared(576, 172, kBlack);
  const struct { DotDensity density; int w, h; } cases[] = {
      {DotDensity::Single, 288, 86}, {DotDensity::Double, 576, 86}, {DotDensity::Quad, 576, 172}};
  for (const auto& c : cases) {
    const Bitmap scaled = ScaleForDensity(prepared, c.density);
    EXPECT_EQ(scaled.width, c.w);
    EXPECT_EQ(scaled.height, c.h);
  }
  EXPECT_EQ(ScaleForDensity(Bitmap(5, 3), DotDensity::Single).width, 2);  // truncating halves
}

}  // namespace
