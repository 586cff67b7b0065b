// Every header kind, bit depth and row order the loader reads, checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap/BmpDecoder.h"
#include "tests/bitmap/BmpWriter.h"

namespace {

const std::vector<ColourRef> kPalette = {
    MakeColour(0, 0, 0),     MakeColour(255, 255, 255), MakeColour(255, 0, 0),
    MakeColour(0, 255, 0),   MakeColour(0, 0, 255),     MakeColour(1, 2, 3),
    MakeColour(10, 20, 30),  MakeColour(40, 50, 60),    MakeColour(70, 80, 90),
    MakeColour(11, 22, 33),  MakeColour(44, 55, 66),    MakeColour(77, 88, 99),
    MakeColour(100, 0, 200), MakeColour(200, 0, 100),   MakeColour(5, 250, 5),
    MakeColour(128, 64, 32)};

struct FormatCase {
  const char* label;
  uint32_t headerSize;
  uint16_t bitCount;
  uint32_t compression;
  std::array<uint32_t, 3> masks;
  size_t paletteSize;  // entries written (and declared in biClrUsed when short); 0: none
  std::vector<std::vector<uint32_t>> values;  // top row first: palette indexes or raw pixels
  std::vector<ColourRef> expected;            // top row first
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.label; }

const ColourRef kR = MakeColour(255, 0, 0), kG = MakeColour(0, 255, 0), kB = MakeColour(0, 0, 255);

const FormatCase kFormats[] = {
    {"pal1",
     40,
     1,
     kBmpRgb,
     {},
     2,
     {{1, 0, 1, 1, 0, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 1, 1, 1, 1, 0, 1}},
     {kWhite, kBlack, kWhite, kWhite, kBlack, kBlack, kBlack, kBlack, kWhite, kBlack,
      kBlack, kWhite, kBlack, kBlack, kWhite, kWhite, kWhite, kWhite, kBlack, kWhite}},
    {"pal4",
     40,
     4,
     kBmpRgb,
     {},
     16,
     {{15, 2, 9}, {0, 12, 3}},
     {kPalette[15], kR, kPalette[9], kBlack, kPalette[12], kG}},
    // Index 9 lies past the 6 declared entries and reads as black.
    {"pal4 short palette",
     40,
     4,
     kBmpRgb,
     {},
     6,
     {{5, 9, 2}, {4, 3, 1}},
     {kPalette[5], kBlack, kR, kB, kG, kWhite}},
    {"pal8",
     40,
     8,
     kBmpRgb,
     {},
     16,
     {{2, 3, 4}, {15, 200, 0}},
     {kR, kG, kB, kPalette[15], kBlack, kBlack}},
    {"pal8 core",
     12,
     8,
     kBmpRgb,
     {},
     256,
     {{2, 3, 4}, {15, 14, 13}},
     {kR, kG, kB, kPalette[15], kPalette[14], kPalette[13]}},
    {"pal1 core",
     12,
     1,
     kBmpRgb,
     {},
     2,
     {{1, 0, 1}, {0, 0, 1}},
     {kWhite, kBlack, kWhite, kBlack, kBlack, kWhite}},
    {"pal8 v4",
     108,
     8,
     kBmpRgb,
     {},
     16,
     {{2, 3, 4}, {5, 6, 7}},
     {kR, kG, kB, kPalette[5], kPalette[6], kPalette[7]}},
    {"pal8 v5",
     124,
     8,
     kBmpRgb,
     {},
     16,
     {{7, 6, 5}, {4, 3, 2}},
     {kPalette[7], kPalette[6], kPalette[5], kB, kG, kR}},
    // 5-5-5, top bit unused; channels widen by bit replication: 16 -> 132, 1 -> 8.
    {"rgb16 555",
     40,
     16,
     kBmpRgb,
     {},
     0,
     {{0x7C00, 0x03E0, 0x001F}, {0x4210, 0x8421, 0x7FFF}},
     {kR, kG, kB, MakeColour(132, 132, 132), MakeColour(8, 8, 8), kWhite}},
    {"rgb16 565 bitfields",
     40,
     16,
     kBmpBitfields,
     {0xF800, 0x07E0, 0x001F},
     0,
     {{0xF800, 0x07E0, 0x001F}, {0x0020, 0x8410, 0xFFFF}},
     {kR, kG, kB, MakeColour(0, 4, 0), MakeColour(132, 130, 132), kWhite}},
    {"rgb16 444 v2",
     52,
     16,
     kBmpBitfields,
     {0x0F00, 0x00F0, 0x000F},
     0,
     {{0x0A50, 0xF000, 0x0FFF}, {0x0100, 0x0010, 0x0001}},
     {MakeColour(170, 85, 0), kBlack, kWhite, MakeColour(17, 0, 0), MakeColour(0, 17, 0),
      MakeColour(0, 0, 17)}},
    {"rgb16 1-5-10 v3",
     56,
     16,
     kBmpBitfields,
     {0x8000, 0x7C00, 0x03FF},
     0,
     {{0x8000, 0x7C00, 0x03FF}, {0x0200, 0x4000, 0x0000}},
     {kR, kG, kB, MakeColour(0, 0, 128), MakeColour(0, 132, 0), kBlack}},
    {"rgb24",
     40,
     24,
     kBmpRgb,
     {},
     0,
     {{0xFF0000, 0x00FF00, 0x0000FF}, {0x123456, 0, 0xFFFFFF}},
     {kR, kG, kB, MakeColour(0x12, 0x34, 0x56), kBlack, kWhite}},
    {"rgb24 core",
     12,
     24,
     kBmpRgb,
     {},
     0,
     {{0x123456, 0x00FF00, 0xABCDEF}, {1, 2, 3}},
     {MakeColour(0x12, 0x34, 0x56), kG, MakeColour(0xAB, 0xCD, 0xEF), MakeColour(0, 0, 1),
      MakeColour(0, 0, 2), MakeColour(0, 0, 3)}},
    // A palette in a direct-colour file is only a hint and is skipped.
    {"rgb24 with palette",
     40,
     24,
     kBmpRgb,
     {},
     4,
     {{0xFF0000, 0x00FF00, 0x0000FF}, {1, 2, 3}},
     {kR, kG, kB, MakeColour(0, 0, 1), MakeColour(0, 0, 2), MakeColour(0, 0, 3)}},
    // The top byte is unused (alpha is ignored).
    {"rgb32",
     40,
     32,
     kBmpRgb,
     {},
     0,
     {{0xFFFF0000, 0x8000FF00, 0x000000FF}, {0x12123456, 0, 1}},
     {kR, kG, kB, MakeColour(0x12, 0x34, 0x56), kBlack, MakeColour(0, 0, 1)}},
    {"rgb32 xbgr v4",
     108,
     32,
     kBmpBitfields,
     {0x000000FF, 0x0000FF00, 0x00FF0000},
     0,
     {{0x000000FF, 0x0000FF00, 0x00FF0000}, {0x00563412, 0xFF000000, 0x00FFFFFF}},
     {kR, kG, kB, MakeColour(0x12, 0x34, 0x56), kBlack, kWhite}},
    {"rgb32 10-10-10 v5",
     124,
     32,
     kBmpBitfields,
     {0x3FF00000, 0x000FFC00, 0x000003FF},
     0,
     {{0x3FF00000, 0x000FFC00, 0x000003FF}, {0x20080201, 0xC0000000, 0x3FFFFFFF}},
     {kR, kG, kB, MakeColour(0x80, 0x80, 0x80), kBlack, kWhite}},
    // A mask may be empty: that channel reads 0.
    {"rgb32 no blue",
     40,
     32,
     kBmpBitfields,
     {0xFF000000, 0x00FF0000, 0},
     0,
     {{0xFF000000, 0x00FF0000, 0x0000FFFF}, {0x12340000, 0x80800000, 0xFFFFFFFF}},
     {kR, kG, kBlack, MakeColour(0x12, 0x34, 0), MakeColour(0x80, 0x80, 0),
      MakeColour(255, 255, 0)}},
};

std::vector<uint8_t> FileFor(const FormatCase& c, bool topDown) {
  BmpImage image;
  image.headerSize = c.headerSize;
  image.width = static_cast<int32_t>(c.values.front().size());
  image.height = static_cast<int32_t>(c.values.size()) * (topDown ? -1 : 1);
  image.bitCount = c.bitCount;
  image.compression = c.compression;
  image.masks = c.masks;
  image.palette.assign(kPalette.begin(),
                       kPalette.begin() + std::min(c.paletteSize, kPalette.size()));
  image.palette.resize(c.paletteSize, kBlack);
  if (c.paletteSize < (1u << std::min<int>(c.bitCount, 16)) && c.headerSize != kBmpCoreHeaderSize)
    image.coloursUsed = static_cast<uint32_t>(c.paletteSize);
  std::vector<std::vector<uint32_t>> stored = c.values;
  if (!topDown) std::reverse(stored.begin(), stored.end());
  image.bits = PackBmpRows(c.bitCount, stored);
  return WriteBmp(image);
}

class BmpFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(BmpFormat, DecodesEveryPixelInBothRowOrders) {
  const FormatCase& c = GetParam();
  for (bool topDown : {false, true}) {
    if (topDown && c.headerSize == kBmpCoreHeaderSize) continue;  // core sizes are unsigned
    SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
    const std::vector<uint8_t> file = FileFor(c, topDown);
    Bitmap bitmap;
    std::string why;
    ASSERT_TRUE(DecodeBmp(file.data(), file.size(), bitmap, &why)) << why;
    EXPECT_EQ(bitmap.width, static_cast<int>(c.values.front().size()));
    EXPECT_EQ(bitmap.height, static_cast<int>(c.values.size()));
    EXPECT_EQ(bitmap.pixels, c.expected);
  }
}

// Every file cut short of its last pixel byte is refused, never read past its end.
TEST_P(BmpFormat, RefusesEveryTruncation) {
  const std::vector<uint8_t> whole = FileFor(GetParam(), false);
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);  // exact-size copy
    Bitmap bitmap;
    EXPECT_FALSE(DecodeBmp(cut.data(), cut.size(), bitmap)) << "cut to " << size << " bytes";
    EXPECT_TRUE(bitmap.pixels.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpFormat, testing::ValuesIn(kFormats),
                         [](const testing::TestParamInfo<FormatCase>& info) {
                           std::string name = info.param.label;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

}  // namespace
