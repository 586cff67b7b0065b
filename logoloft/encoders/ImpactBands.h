// The impact NV image band streams (single, double, quad density) and their ESC g framing.
#pragma once

#include <cstddef>
#include <vector>

#include "logoloft/encoders/Bytes.h"
#include "platform/bitmap/Bitmap.h"

// Each colour pass is built in an 8000-byte buffer: 8-byte head, w data bytes, 3-byte tail.
constexpr int kImpactMaxWidth = 8000 - 11;
// The length table holds each stream length in two bytes.
constexpr size_t kImpactMaxStreamLength = 0xFFFF;

// Bands of 8 rows, ESC * 0, feed 16 per band; nothing when w exceeds kImpactMaxWidth.
EncodedBytes EncodeImpactSingle(const Bitmap& bitmap);
// As single density with ESC * 1.
EncodedBytes EncodeImpactDouble(const Bitmap& bitmap);
// Pairs of interleaved bands covering 16 rows, ESC * 1; see the source for the feeds.
EncodedBytes EncodeImpactQuad(const Bitmap& bitmap);

// The length table: each stream length, most significant byte first; nothing when a length does
// not fit in two bytes or there are more than 255 streams.
EncodedBytes ImpactLengthTable(const std::vector<size_t>& streamLengths);

// The ESC g 0 header 1B 67 00 n for n logos; nothing when n is not 1..255.
EncodedBytes ImpactImageHeader(size_t logoCount);

// 1B 67 00 n, the length table, then the n band streams; nothing when any part is refused.
EncodedBytes ImpactImageStream(const std::vector<Bytes>& streams);
