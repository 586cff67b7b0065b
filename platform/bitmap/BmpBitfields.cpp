// Colour channels of direct-colour bitmaps: mask checking, channel extraction and widening to 8
// bits.
#include "platform/bitmap/BmpBitfields.h"

bool MakeBmpChannel(uint32_t mask, int bitCount, BmpChannel& out) {
  out = BmpChannel{};
  if (mask == 0) return true;
  if (bitCount < 32 && (mask >> bitCount) != 0) return false;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const uint32_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return false;  // a contiguous run of ones is 2^n - 1
  int bits = 0;
  for (uint32_t v = run; v != 0; v >>= 1) ++bits;
  out.mask = mask;
  out.shift = shift;
  out.bits = bits;
  return true;
}

int WidenBmpChannel(uint32_t value, int bits) {
  if (bits >= 8) return static_cast<int>((value >> (bits - 8)) & 0xFF);
  // Fill eight bits with copies of the value, most significant copy first.
  uint32_t wide = 0;
  int filled = 0;
  while (filled < 8) {
    wide = (wide << bits) | value;
    filled += bits;
  }
  return static_cast<int>((wide >> (filled - 8)) & 0xFF);
}

static int ChannelLevel(uint32_t pixel, const BmpChannel& channel) {
  if (channel.bits == 0) return 0;
  return WidenBmpChannel((pixel & channel.mask) >> channel.shift, channel.bits);
}

ColourRef BmpPixelColour(uint32_t pixel, const BmpChannels& channels) {
  return MakeColour(ChannelLevel(pixel, channels.red), ChannelLevel(pixel, channels.green),
                    ChannelLevel(pixel, channels.blue));
}
