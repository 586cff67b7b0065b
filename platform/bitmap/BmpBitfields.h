// Colour channels of direct-colour bitmaps (16 and 32 bits per pixel): bit masks and their
// widening.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap/Bitmap.h"

// One channel of a pixel: where its bits sit and how many there are (0 bits: the channel reads 0).
struct BmpChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

struct BmpChannels {
  BmpChannel red;
  BmpChannel green;
  BmpChannel blue;
};

// Builds a channel from its mask. Fails for a mask whose bits are not one contiguous run or that
// reaches above the pixel's `bitCount` bits.
bool MakeBmpChannel(uint32_t mask, int bitCount, BmpChannel& out);

// Widens a channel value of `bits` bits (1..32) to 0..255. Channels narrower than 8 bits repeat
// their bit pattern downwards (5 bits: (v << 3) | (v >> 2)), so the lowest level gives 0 and the
// highest 255; wider channels keep their top 8 bits.
int WidenBmpChannel(uint32_t value, int bits);

// The colour of one pixel read through the three channels.
ColourRef BmpPixelColour(uint32_t pixel, const BmpChannels& channels);
