// The impact NV image band streams (single, double, quad density) and their ESC g framing.
#include "logoloft/encoders/ImpactBands.h"

#include <array>

#include "logoloft/encoders/ByteWriter.h"
#include "logoloft/encoders/DotClass.h"

namespace {

constexpr uint8_t kSingleMode = 0x00;  // ESC * 0
constexpr uint8_t kDoubleMode = 0x01;  // ESC * 1, also used by quad density
// Single and double density: a band of 8 rows is followed by a feed of 16 units (2 per row).
constexpr int kBandRows = 8;
constexpr uint8_t kBandFeed = 16;
// Quad density prints a pair of bands 16 rows high with the pins two rows apart: the first band
// takes the even rows, a feed of 1 unit (one quad row) puts the pins on the odd rows for the second
// band, and 15 more units bring the pair to 16 units in all, the same paper travel as one single
// density band. The next pair starts 16 rows below, so no row is printed twice or left out.
constexpr int kQuadPairRows = 16;
constexpr uint8_t kQuadFirstFeed = 1;
constexpr uint8_t kQuadPairFeed = kQuadPairRows - kQuadFirstFeed;

// Rows of one band, r(7) first: the row that goes to bit 7 of every byte comes first.
using BandRows = std::array<int, 8>;

// One pass (black or red): ESC r c, ESC * m n, one byte per column with the pass's dots.
void AppendPass(Bytes& out, const Bitmap& bitmap, const BandRows& rows, uint8_t mode,
                DotClass dots) {
  const uint8_t colour = dots == DotClass::First ? 0x00 : 0x01;
  out.insert(out.end(), {0x1B, 0x72, colour, 0x1B, 0x2A, mode});
  AppendLittle16(out, static_cast<uint32_t>(bitmap.width));
  for (int x = 0; x < bitmap.width; ++x) {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (ExactDotClass(bitmap.AtOrWhite(x, rows[bit])) == dots) byte |= 0x80 >> bit;
    }
    out.push_back(byte);
  }
}

// The black pass ended by CR, then the red pass ended by ESC J feed.
void AppendBand(Bytes& out, const Bitmap& bitmap, const BandRows& rows, uint8_t mode,
                uint8_t feed) {
  AppendPass(out, bitmap, rows, mode, DotClass::First);
  out.push_back(0x0D);
  AppendPass(out, bitmap, rows, mode, DotClass::Second);
  out.insert(out.end(), {0x1B, 0x4A, feed});
}

BandRows RowsFrom(int first, int step) {
  BandRows rows{};
  for (int i = 0; i < 8; ++i) rows[i] = first + i * step;
  return rows;
}

EncodedBytes EncodeEightRowBands(const Bitmap& bitmap, uint8_t mode) {
  if (bitmap.width > kImpactMaxWidth) return std::nullopt;
  Bytes out;
  for (int start = 0; start < bitmap.height; start += kBandRows) {
    AppendBand(out, bitmap, RowsFrom(start, 1), mode, kBandFeed);
  }
  return out;
}

}  // namespace

EncodedBytes EncodeImpactSingle(const Bitmap& bitmap) {
  return EncodeEightRowBands(bitmap, kSingleMode);
}

EncodedBytes EncodeImpactDouble(const Bitmap& bitmap) {
  return EncodeEightRowBands(bitmap, kDoubleMode);
}

EncodedBytes EncodeImpactQuad(const Bitmap& bitmap) {
  if (bitmap.width > kImpactMaxWidth) return std::nullopt;
  Bytes out;
  for (int p = 0; p < bitmap.height; p += kQuadPairRows) {
    AppendBand(out, bitmap, RowsFrom(p, 2), kDoubleMode, kQuadFirstFeed);
    if (p + 1 < bitmap.height) {
      AppendBand(out, bitmap, RowsFrom(p + 1, 2), kDoubleMode, kQuadPairFeed);
    }
  }
  return out;
}

EncodedBytes ImpactLengthTable(const std::vector<size_t>& streamLengths) {
  if (streamLengths.size() > 255) return std::nullopt;
  Bytes table;
  for (size_t length : streamLengths) {
    if (length > kImpactMaxStreamLength) return std::nullopt;
    table.push_back(static_cast<uint8_t>(length >> 8));
    table.push_back(static_cast<uint8_t>(length & 0xFF));
  }
  return table;
}

EncodedBytes ImpactImageHeader(size_t logoCount) {
  if (logoCount < 1 || logoCount > 255) return std::nullopt;
  return Bytes{0x1B, 0x67, 0x00, static_cast<uint8_t>(logoCount)};
}

EncodedBytes ImpactImageStream(const std::vector<Bytes>& streams) {
  std::vector<size_t> lengths;
  for (const Bytes& stream : streams) lengths.push_back(stream.size());
  EncodedBytes out = ImpactImageHeader(streams.size());
  const EncodedBytes table = ImpactLengthTable(lengths);
  if (!out || !table) return std::nullopt;
  out->insert(out->end(), table->begin(), table->end());
  for (const Bytes& stream : streams) out->insert(out->end(), stream.begin(), stream.end());
  return out;
}
