// Files the loader refuses: each case spoils one field of an otherwise good file.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap/BmpDecoder.h"
#include "tests/bitmap/BmpWriter.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 3 x 2, 8-bit paletted file with a 40-byte header; `change` adjusts it before writing.
Bytes GoodFile(const std::function<void(BmpImage&)>& change = {}) {
  BmpImage image;
  image.width = 3;
  image.height = 2;
  image.palette = {kBlack, kWhite};
  image.coloursUsed = 2;
  image.bits = PackBmpRows(8, {{0, 1, 0}, {1, 0, 1}});
  if (change) change(image);
  return WriteBmp(image);
}

// Core palettes always hold 2^bitCount entries: at 1 bit the two of the base file.
void MakeCore(BmpImage& image) {
  image.headerSize = kBmpCoreHeaderSize;
  image.bitCount = 1;
  image.bits = PackBmpRows(1, {{0, 1, 0}, {1, 0, 1}});
}

void MakeRle8(BmpImage& image) {
  image.compression = kBmpRle8;
  image.bits = {0, 1};
}

void MakeBitfields16(BmpImage& image) {
  image.bitCount = 16;
  image.compression = kBmpBitfields;
  image.palette.clear();
  image.coloursUsed = 0;
  image.masks = {0xF800, 0x07E0, 0x001F};
  image.bits = PackBmpRows(16, {{1, 2, 3}, {4, 5, 6}});
}

Bytes With32(Bytes file, size_t at, uint32_t value) {
  PutU32(file, at, value);
  return file;
}
Bytes With16(Bytes file, size_t at, uint16_t value) {
  PutU16(file, at, value);
  return file;
}

struct RefusalCase {
  const char* label;
  Bytes file;
  const char* why;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.label; }

std::vector<RefusalCase> RefusalCases() {
  const Bytes good = GoodFile();
  const Bytes core = GoodFile(MakeCore);
  const Bytes bitfields = GoodFile(MakeBitfields16);
  const Bytes rle8 = GoodFile(MakeRle8);
  Bytes badMagic = good;
  badMagic[1] = 'A';
  Bytes shortRows = good;
  shortRows.pop_back();
  return {
      {"empty", {}, "truncated file header"},
      {"bad magic", badMagic, "not a bitmap file"},
      {"header size 64 (OS/2 2.x)", With32(good, kBmpHeaderSizeAt, 64), "unknown header size"},
      {"header size 0", With32(good, kBmpHeaderSizeAt, 0), "unknown header size"},
      {"header past the end", Bytes(good.begin(), good.begin() + 40), "truncated info header"},
      {"width 0", With32(good, kBmpWidthAt, 0), "bad width"},
      {"negative width", With32(good, kBmpWidthAt, 0xFFFFFFFD), "bad width"},
      {"width 32769", With32(good, kBmpWidthAt, 32769), "bad width"},
      {"height 0", With32(good, kBmpHeightAt, 0), "bad height"},
      {"height 32769", With32(good, kBmpHeightAt, 32769), "bad height"},
      {"height -32769", With32(good, kBmpHeightAt, 0xFFFF7FFF), "bad height"},
      {"height INT32_MIN", With32(good, kBmpHeightAt, 0x80000000), "bad height"},
      {"core width 0", With16(core, kBmpWidthAt, 0), "bad width"},
      {"core width 40000", With16(core, kBmpWidthAt, 40000), "bad width"},
      {"too many pixels", With32(With32(good, kBmpWidthAt, 32768), kBmpHeightAt, 2049),
       "too many pixels"},
      {"two planes", With16(good, kBmpPlanesAt, 2), "bad plane count"},
      {"2 bits per pixel", With16(good, kBmpBitCountAt, 2), "unsupported bit count"},
      {"0 bits per pixel", With16(good, kBmpBitCountAt, 0), "unsupported bit count"},
      {"64 bits per pixel", With16(good, kBmpBitCountAt, 64), "unsupported bit count"},
      {"core 16 bits per pixel", With16(core, kBmpCoreBitCountAt, 16), "unsupported bit count"},
      {"JPEG", With32(good, kBmpCompressionAt, 4),
       "JPEG and PNG compressed bitmaps are not supported"},
      {"PNG", With32(good, kBmpCompressionAt, 5),
       "JPEG and PNG compressed bitmaps are not supported"},
      {"alpha bit fields", With32(good, kBmpCompressionAt, 6), "unknown compression"},
      {"RLE8 at 4 bits", With16(rle8, kBmpBitCountAt, 4),
       "bit count does not match the RLE compression"},
      {"RLE4 at 8 bits", With32(rle8, kBmpCompressionAt, kBmpRle4),
       "bit count does not match the RLE compression"},
      {"RLE top-down", With32(rle8, kBmpHeightAt, 0xFFFFFFFE), "RLE bitmaps cannot be top-down"},
      {"bit fields at 8 bits", With32(good, kBmpCompressionAt, kBmpBitfields),
       "bit fields need 16 or 32 bits per pixel"},
      {"bit fields at 24 bits", With16(bitfields, kBmpBitCountAt, 24),
       "bit fields need 16 or 32 bits per pixel"},
      {"mask with a gap", With32(bitfields, kBmpMasksAt, 0xF0F0), "bad bit masks"},
      {"mask above the pixel bits", With32(bitfields, kBmpMasksAt, 0x1F0000), "bad bit masks"},
      {"masks cut off", Bytes(bitfields.begin(), bitfields.begin() + 60), "truncated bit masks"},
      {"palette cut off", Bytes(good.begin(), good.begin() + 58), "truncated palette"},
      {"all 256 entries when biClrUsed is 0", With32(good, kBmpColoursUsedAt, 0),
       "truncated palette"},
      {"offset inside the headers", With32(good, kBmpOffBitsAt, 50),
       "pixel data offset inside the headers"},
      {"offset beyond the file", With32(good, kBmpOffBitsAt, 0x7FFFFFFF),
       "pixel data offset beyond the file"},
      {"rows cut short", shortRows, "pixel rows beyond the end of the file"},
      {"rows pushed past the end",
       With32(good, kBmpOffBitsAt, static_cast<uint32_t>(good.size() - 4)),
       "pixel rows beyond the end of the file"},
  };
}

class BmpRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(BmpRefusal, IsRefusedWithItsReason) {
  const RefusalCase& c = GetParam();
  Bitmap bitmap(4, 4);  // a previous picture must not survive a refusal
  std::string why;
  EXPECT_FALSE(DecodeBmp(c.file.data(), c.file.size(), bitmap, &why));
  EXPECT_EQ(why, c.why);
  EXPECT_EQ(bitmap.width, 0);
  EXPECT_TRUE(bitmap.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BmpRefusal, testing::ValuesIn(RefusalCases()));

// The base files themselves decode, so each refusal above comes from its one spoiled field.
TEST(BmpRefusalBase, BaseFilesDecode) {
  for (const Bytes& file :
       {GoodFile(), GoodFile(MakeCore), GoodFile(MakeBitfields16), GoodFile(MakeRle8)}) {
    Bitmap bitmap;
    std::string why;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), bitmap, &why)) << why;
  }
}

TEST(BmpRefusalBase, RefusesNoData) {
  Bitmap bitmap;
  EXPECT_FALSE(DecodeBmp(nullptr, 100, bitmap));
}

}  // namespace
