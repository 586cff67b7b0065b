// Tests of the NV bit image, impact band, NV graphics and flash logo encoders and print commands.
#include <gtest/gtest.h>

#include "logoloft/encoders/ImpactBands.h"
#include "logoloft/encoders/NvBitImage.h"
#include "logoloft/encoders/PrintCommands.h"
#include "logoloft/encoders/RasterLogo.h"

namespace {

const ColourRef kRed = MakeColour(255, 0, 0);
const ColourRef kNearWhite = MakeColour(250, 250, 250);

Bytes Slice(const Bytes& bytes, size_t from, size_t count) {
  return Bytes(bytes.begin() + from, bytes.begin() + from + count);
}

TEST(EncodeNvBitImage, AllBlack12x10) {
  const EncodedBytes record = EncodeNvBitImage(Bitmap(12, 10, kBlack));
  ASSERT_TRUE(record);
  Bytes expected{0x02, 0x00, 0x02, 0x00};
  for (int x = 0; x < 12; ++x) expected.insert(expected.end(), {0xFF, 0xC0});
  expected.resize(4 + 32, 0x00);
  EXPECT_EQ(*record, expected);
}

TEST(EncodeNvBitImage, EveryNonWhitePixelIsADot) {
  Bitmap bitmap(1, 3);
  bitmap.pixels = {kRed, kWhite, kNearWhite};
  EXPECT_EQ(*EncodeNvBitImage(bitmap), (Bytes{1, 0, 1, 0, 0xA0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(EncodeNvBitImage, LimitOnHeaderPlusColumnsTimesColumnBytes) {
  EXPECT_TRUE(EncodeNvBitImage(Bitmap(249996, 8)));   // 4 + 1 x 249996 = 250000
  EXPECT_FALSE(EncodeNvBitImage(Bitmap(249997, 8)));  // 250001
}

TEST(NvBitImageStream, HeaderCountsTheRecords) {
  const EncodedBytes stream = NvBitImageStream({Bytes{0xAA}, Bytes{0xBB, 0xCC}});
  EXPECT_EQ(*stream, (Bytes{0x1C, 0x71, 0x02, 0xAA, 0xBB, 0xCC}));
  EXPECT_FALSE(NvBitImageStream({}));
  EXPECT_FALSE(NvBitImageStream(std::vector<Bytes>(256, Bytes{0})));
  EXPECT_TRUE(NvBitImageStream(std::vector<Bytes>(255, Bytes{0})));
}

TEST(EncodeImpactSingle, ThreeByNineGivesTwoBands) {
  Bitmap bitmap(3, 9);
  bitmap.At(0, 0) = kBlack;  // black pass, first band, bit 7
  bitmap.At(1, 7) = kRed;    // red pass, first band, bit 0
  bitmap.At(2, 8) = kNearWhite;  // a second-colour dot for the impact format: second band
  const EncodedBytes stream = EncodeImpactSingle(bitmap);
  ASSERT_TRUE(stream);
  const Bytes band1{0x1B, 0x72, 0x00, 0x1B, 0x2A, 0x00, 0x03, 0x00, 0x80, 0x00, 0x00, 0x0D,
                    0x1B, 0x72, 0x01, 0x1B, 0x2A, 0x00, 0x03, 0x00, 0x00, 0x01, 0x00, 0x1B, 0x4A, 0x10};
  const Bytes band2{0x1B, 0x72, 0x00, 0x1B, 0x2A, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x0D,
                    0x1B, 0x72, 0x01, 0x1B, 0x2A, 0x00, 0x03, 0x00, 0x00, 0x00, 0x80, 0x1B, 0x4A, 0x10};
  Bytes expected = band1;
  expected.insert(expected.end(), band2.begin(), band2.end());
  EXPECT_EQ(*stream, expected);
  EXPECT_EQ(stream->size(), 2 * (2 * 3 + 20u));
}

TEST(EncodeImpactDouble, UsesModeOneAndHeightZeroIsEmpty) {
  const EncodedBytes stream = EncodeImpactDouble(Bitmap(2, 8, kBlack));
  ASSERT_TRUE(stream);
  EXPECT_EQ(Slice(*stream, 0, 8), (Bytes{0x1B, 0x72, 0x00, 0x1B, 0x2A, 0x01, 0x02, 0x00}));
  EXPECT_EQ(stream->size(), 2 * 2 + 20u);
  EXPECT_EQ(*EncodeImpactDouble(Bitmap(5, 0)), Bytes{});
}

TEST(EncodeImpact, WidthLimitOfThePassBuffer) {
  for (auto encode : {EncodeImpactSingle, EncodeImpactDouble, EncodeImpactQuad}) {
    EXPECT_TRUE(encode(Bitmap(7989, 1)));
    EXPECT_FALSE(encode(Bitmap(7990, 1)));
  }
}

TEST(EncodeImpactQuad, EveryRowIsPrintedExactlyOnce) {
  // A band is 2 * 1 + 20 = 22 bytes; its black byte sits at offset 8, its feed at offset 21.
  constexpr int kHeight = 40;
  for (int row = 0; row < kHeight; ++row) {
    Bitmap bitmap(1, kHeight);
    bitmap.At(0, row) = kBlack;
    const EncodedBytes stream = EncodeImpactQuad(bitmap);
    ASSERT_TRUE(stream);
    ASSERT_EQ(stream->size(), 6 * 22u);  // pairs at rows 0, 16, 32
    int dots = 0;
    for (size_t band = 0; band < 6; ++band) {
      const uint8_t black = (*stream)[band * 22 + 8];
      EXPECT_EQ((*stream)[band * 22 + 21], band % 2 == 0 ? 0x01 : 0x0F);
      if (black == 0) continue;
      ++dots;
      const int first = static_cast<int>(band / 2) * 16 + static_cast<int>(band % 2);
      EXPECT_EQ(black, 0x80 >> ((row - first) / 2)) << "row " << row;
      EXPECT_EQ((row - first) % 2, 0) << "row " << row;
    }
    EXPECT_EQ(dots, 1) << "row " << row;
  }
  // Height 17: the second pair has only its first band (row 17 is not below the height).
  EXPECT_EQ(EncodeImpactQuad(Bitmap(1, 17))->size(), 3 * 22u);
}

TEST(ImpactImageStream, LengthTableIsMostSignificantByteFirst) {
  const EncodedBytes stream = ImpactImageStream({Bytes(300, 0x11), Bytes(1200, 0x22)});
  ASSERT_TRUE(stream);
  EXPECT_EQ(Slice(*stream, 0, 8), (Bytes{0x1B, 0x67, 0x00, 0x02, 0x01, 0x2C, 0x04, 0xB0}));
  EXPECT_EQ(stream->size(), 8 + 1500u);
  EXPECT_TRUE(ImpactLengthTable({0xFFFF}));
  EXPECT_FALSE(ImpactLengthTable({0x10000}));  // would not fit the two bytes
}

TEST(EncodeNvGraphics, TwentyByTwoLayout) {
  Bitmap bitmap(20, 2);
  bitmap.At(0, 0) = kBlack;
  bitmap.At(19, 1) = kRed;
  bitmap.At(5, 0) = kNearWhite;  // blank for the raster formats
  const EncodedBytes def = EncodeNvGraphics(bitmap, {0x00, 0x00}, 576);
  ASSERT_TRUE(def);
  const Bytes expected{0x1D, 0x38, 0x4C, 0x18, 0x00, 0x00, 0x00, 0x30, 0x43, 0x30, 0x00, 0x00,
                       0x02, 0x18, 0x00, 0x02, 0x00,
                       0x31, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00,
                       0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10};
  EXPECT_EQ(*def, expected);
}

TEST(EncodeRaster, CutToTheLineWidth) {
  Bitmap bitmap(20, 1, kBlack);
  const EncodedBytes def = EncodeNvGraphics(bitmap, {'A', 'B'}, 10);
  ASSERT_TRUE(def);
  EXPECT_EQ(def->size(), 2 * 2 + 19u);
  EXPECT_EQ(Slice(*def, 10, 2), (Bytes{'A', 'B'}));
  EXPECT_EQ(Slice(*def, 13, 2), (Bytes{0x10, 0x00}));
  EXPECT_EQ(Slice(*def, 18, 2), (Bytes{0xFF, 0xC0}));  // columns 10 and beyond dropped

  const EncodedBytes block = EncodeFlashLogo(bitmap, 10);
  ASSERT_TRUE(block);
  EXPECT_EQ(*block, (Bytes{0x02, 0x10, 0x00, 0x01, 0x00, 0x31, 0xFF, 0xC0, 0x32, 0x00, 0x00}));
}

TEST(EncodeRaster, Limits) {
  // 91 bytes per row x 2813 rows + 17 = 256000; one row more is refused.
  EXPECT_TRUE(EncodeNvGraphics(Bitmap(728, 2813), {0, 0}, 728));
  EXPECT_FALSE(EncodeNvGraphics(Bitmap(728, 2814), {0, 0}, 728));
  // 5 x 51199 + 5 = 256000.
  EXPECT_TRUE(EncodeFlashLogo(Bitmap(40, 51199), 576));
  EXPECT_FALSE(EncodeFlashLogo(Bitmap(40, 51200), 576));
}

TEST(PrintCommands, BytesAndRefusals) {
  EXPECT_EQ(*EncodePrintNvBitImage(1, NvPrintMode::Normal), (Bytes{0x1C, 0x70, 0x01, 0x00}));
  EXPECT_EQ(*EncodePrintNvBitImage(255, NvPrintMode::Quadruple), (Bytes{0x1C, 0x70, 0xFF, 0x03}));
  EXPECT_FALSE(EncodePrintNvBitImage(0, NvPrintMode::Normal));
  EXPECT_FALSE(EncodePrintNvBitImage(256, NvPrintMode::Normal));
  EXPECT_EQ(*EncodePrintImpactImage(10), (Bytes{0x1B, 0x67, 0x0A}));
  EXPECT_FALSE(EncodePrintImpactImage(0));
}

}  // namespace
