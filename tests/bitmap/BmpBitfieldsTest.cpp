// The widening rule of narrow colour channels and the checking of bit-field masks.
#include <gtest/gtest.h>

#include "platform/bitmap/BmpBitfields.h"

namespace {

// Narrow channels repeat their bits downwards (5 bits: (v << 3) | (v >> 2)); wide ones keep
// their top 8 bits.
TEST(BmpBitfields, WidensChannelsByBitReplication) {
  struct Case {
    int bits;
    uint32_t value;
    int expected;
  };
  const Case cases[] = {
      {1, 0, 0},
      {1, 1, 255},
      {2, 1, 0x55},
      {3, 5, 182},
      {4, 0xA, 0xAA},
      {5, 0, 0},
      {5, 1, 8},
      {5, 16, 132},
      {5, 31, 255},
      {6, 1, 4},
      {6, 32, 130},
      {6, 63, 255},
      {8, 0x80, 0x80},
      {10, 0x3FF, 255},
      {10, 0x201, 0x80},
      {16, 0xFFFF, 255},
      {32, 0x80000000, 0x80},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WidenBmpChannel(c.value, c.bits), c.expected) << c.bits << " bits, value " << c.value;
  for (int bits = 1; bits < 8; ++bits) {
    // Every level of a narrow channel maps to a distinct, increasing 8-bit value.
    for (uint32_t v = 1; v < (1u << bits); ++v)
      EXPECT_GT(WidenBmpChannel(v, bits), WidenBmpChannel(v - 1, bits)) << bits << " bits";
  }
}

TEST(BmpBitfields, AcceptsOnlyContiguousMasksInsideThePixel) {
  struct Case {
    uint32_t mask;
    int bitCount;
    bool ok;
    int shift, bits;
  };
  const Case cases[] = {
      {0x7C00, 16, true, 10, 5},     {0x07E0, 16, true, 5, 6},      {0x8000, 16, true, 15, 1},
      {0xFF000000, 32, true, 24, 8}, {0xFFFFFFFF, 32, true, 0, 32}, {0, 16, true, 0, 0},
      {0x0F0F, 16, false, 0, 0},     {0x10000, 16, false, 0, 0},    {0x80000001, 32, false, 0, 0},
  };
  for (const Case& c : cases) {
    BmpChannel channel;
    EXPECT_EQ(MakeBmpChannel(c.mask, c.bitCount, channel), c.ok) << std::hex << c.mask;
    if (!c.ok) continue;
    EXPECT_EQ(channel.shift, c.shift) << std::hex << c.mask;
    EXPECT_EQ(channel.bits, c.bits) << std::hex << c.mask;
  }
}

}  // namespace
