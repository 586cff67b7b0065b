// RLE8 and RLE4 streams: encoded runs, end of line, end of bitmap, delta, absolute runs, clipping.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap/BmpDecoder.h"
#include "tests/bitmap/BmpWriter.h"

namespace {

constexpr int kBlackIndex = -1;  // an expected pixel outside the palette: black

struct RleCase {
  const char* label;
  uint32_t compression;
  int width;
  std::vector<uint8_t> stream;
  std::vector<std::vector<int>> expected;  // palette indexes, top row first
};

void PrintTo(const RleCase& c, std::ostream* os) { *os << c.label; }

// 16 distinct colours; entry 0 is what pixels the stream skips read as.
ColourRef PaletteEntry(int i) { return MakeColour(10 * i + 5, 255 - 7 * i, 3 * i); }

const RleCase kRleCases[] = {
    {"rle8 encoded runs and end of lines",
     kBmpRle8,
     4,
     {2, 1, 2, 2, 0, 0, 4, 3, 0, 0, 1, 4, 3, 5, 0, 1},
     {{4, 5, 5, 5}, {3, 3, 3, 3}, {1, 1, 2, 2}}},
    {"rle8 absolute run padded to a word",
     kBmpRle8,
     4,
     {0, 3, 6, 7, 8, 0, 1, 9, 0, 0, 0, 4, 1, 2, 3, 4, 0, 0, 0, 1},
     {{0, 0, 0, 0}, {1, 2, 3, 4}, {6, 7, 8, 9}}},
    {"rle8 delta skips pixels",
     kBmpRle8,
     4,
     {1, 1, 0, 2, 2, 1, 1, 2, 0, 1},
     {{0, 0, 0, 0}, {0, 0, 0, 2}, {1, 0, 0, 0}}},
    {"rle8 early end of bitmap",
     kBmpRle8,
     4,
     {1, 3, 0, 1},
     {{0, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 0, 0}}},
    {"rle8 runs clipped at the right edge",
     kBmpRle8,
     4,
     {6, 1, 0, 3, 7, 8, 9, 0, 0, 0, 2, 2, 0, 1},
     {{0, 0, 0, 0}, {2, 2, 0, 0}, {1, 1, 1, 1}}},
    {"rle8 index past the palette",
     kBmpRle8,
     4,
     {2, 200, 1, 15, 0, 1},
     {{0, 0, 0, 0}, {0, 0, 0, 0}, {kBlackIndex, kBlackIndex, 15, 0}}},
    {"rle8 last row ended without end of bitmap",
     kBmpRle8,
     4,
     {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0},
     {{3, 3, 3, 3}, {2, 2, 2, 2}, {1, 1, 1, 1}}},
    {"rle8 delta past the top row ends the bitmap",
     kBmpRle8,
     4,
     {1, 6, 0, 2, 0, 5},
     {{0, 0, 0, 0}, {0, 0, 0, 0}, {6, 0, 0, 0}}},
    {"rle4 encoded runs alternate nibbles",
     kBmpRle4,
     5,
     {5, 0x12, 0, 0, 3, 0x34, 0, 1},
     {{0, 0, 0, 0, 0}, {3, 4, 3, 0, 0}, {1, 2, 1, 2, 1}}},
    {"rle4 absolute runs padded to a word",
     kBmpRle4,
     5,
     {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 0, 3, 0xAB, 0xC0, 2, 0xDE, 0, 1},
     {{0, 0, 0, 0, 0}, {10, 11, 12, 13, 14}, {1, 2, 3, 4, 5}}},
    {"rle4 delta and clipping",
     kBmpRle4,
     5,
     {0, 2, 3, 2, 4, 0x67, 0, 1},
     {{0, 0, 0, 6, 7}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
};

std::vector<uint8_t> RleFile(uint32_t compression, int width, int height,
                             const std::vector<uint8_t>& stream) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.bitCount = compression == kBmpRle4 ? 4 : 8;
  image.compression = compression;
  for (int i = 0; i < 16; ++i) image.palette.push_back(PaletteEntry(i));
  image.coloursUsed = 16;
  image.bits = stream;
  return WriteBmp(image);
}

class BmpRle : public testing::TestWithParam<RleCase> {};

TEST_P(BmpRle, DecodesTheStream) {
  const RleCase& c = GetParam();
  const int height = static_cast<int>(c.expected.size());
  const std::vector<uint8_t> file = RleFile(c.compression, c.width, height, c.stream);
  Bitmap bitmap;
  std::string why;
  ASSERT_TRUE(DecodeBmp(file.data(), file.size(), bitmap, &why)) << why;
  ASSERT_EQ(bitmap.width, c.width);
  ASSERT_EQ(bitmap.height, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const int index = c.expected[y][x];
      EXPECT_EQ(bitmap.At(x, y), index == kBlackIndex ? kBlack : PaletteEntry(index))
          << "pixel (" << x << ", " << y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Streams, BmpRle, testing::ValuesIn(kRleCases));

// Streams that stop before the bitmap is complete are refused.
TEST(BmpRleRefusal, RefusesStreamsThatRunOut) {
  const std::vector<std::vector<uint8_t>> streams = {
      {},                        // nothing at all
      {4, 1},                    // no end of line or end of bitmap
      {4, 1, 0},                 // half a code
      {0, 2, 1},                 // delta without its second byte
      {0, 4, 1, 2, 3},           // absolute run cut short
      {0, 3, 1, 2, 3},           // absolute run without its padding byte
      {4, 1, 0, 0, 4, 2, 0, 0},  // one row missing
  };
  for (const std::vector<uint8_t>& stream : streams) {
    SCOPED_TRACE(testing::PrintToString(stream));
    const std::vector<uint8_t> file = RleFile(kBmpRle8, 4, 3, stream);
    Bitmap bitmap;
    std::string why;
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), bitmap, &why));
    EXPECT_EQ(why, "truncated RLE data");
    EXPECT_TRUE(bitmap.pixels.empty());
  }
}

// The largest bitmap the loader accepts, 256 MiB of pixels, from a stream of one code.
TEST(BmpRleRefusal, AcceptsTheLargestBitmapAndNoLarger) {
  Bitmap bitmap;
  const std::vector<uint8_t> largest = RleFile(kBmpRle8, 32768, 2048, {0, 1});
  ASSERT_TRUE(DecodeBmp(largest.data(), largest.size(), bitmap));
  EXPECT_EQ(bitmap.pixels.size(), 32768u * 2048u);
  EXPECT_EQ(bitmap.At(32767, 2047), PaletteEntry(0));
  const std::vector<uint8_t> larger = RleFile(kBmpRle8, 32768, 2049, {0, 1});
  std::string why;
  EXPECT_FALSE(DecodeBmp(larger.data(), larger.size(), bitmap, &why));
  EXPECT_EQ(why, "too many pixels");
}

}  // namespace
