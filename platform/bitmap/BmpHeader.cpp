// Reads and checks the headers of a Windows bitmap file: file header, info header, masks, palette.
#include "platform/bitmap/BmpHeader.h"

namespace {

constexpr size_t kInfoStart = kBmpFileHeaderSize;
constexpr size_t kMasksStart = kInfoStart + kBmpInfoHeaderSize;  // masks follow the 40-byte part
constexpr size_t kMasksSize = 12;
constexpr uint32_t kBmpJpeg = 4;
constexpr uint32_t kBmpPng = 5;

struct InfoFields {
  uint32_t headerSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // signed: negative means rows stored top to bottom
  int planes = 0;
  int bitCount = 0;
  uint32_t compression = kBmpRgb;
  uint32_t coloursUsed = 0;
};

bool Fail(std::string& why, const char* text) {
  why = text;
  return false;
}

bool IsKnownHeaderSize(uint32_t size) {
  return size == kBmpCoreHeaderSize || size == kBmpInfoHeaderSize || size == kBmpV2HeaderSize ||
         size == kBmpV3HeaderSize || size == kBmpV4HeaderSize || size == kBmpV5HeaderSize;
}

// The core header (OS/2 1.x) has 16-bit unsigned sizes, no compression and no colour count.
void ReadFields(const BmpBytes& file, InfoFields& f) {
  if (f.headerSize == kBmpCoreHeaderSize) {
    f.width = file.U16(kInfoStart + 4);
    f.height = file.U16(kInfoStart + 6);
    f.planes = file.U16(kInfoStart + 8);
    f.bitCount = file.U16(kInfoStart + 10);
    return;
  }
  f.width = file.I32(kInfoStart + 4);
  f.height = file.I32(kInfoStart + 8);
  f.planes = file.U16(kInfoStart + 12);
  f.bitCount = file.U16(kInfoStart + 14);
  f.compression = file.U32(kInfoStart + 16);
  f.coloursUsed = file.U32(kInfoStart + 32);
}

bool CheckFormat(const InfoFields& f, std::string& why) {
  const bool core = f.headerSize == kBmpCoreHeaderSize;
  switch (f.compression) {
    case kBmpRgb:
      if (f.bitCount == 1 || f.bitCount == 4 || f.bitCount == 8 || f.bitCount == 24) return true;
      if (!core && (f.bitCount == 16 || f.bitCount == 32)) return true;
      return Fail(why, "unsupported bit count");
    case kBmpRle8:
    case kBmpRle4:
      if (f.bitCount != (f.compression == kBmpRle8 ? 8 : 4))
        return Fail(why, "bit count does not match the RLE compression");
      if (f.height < 0) return Fail(why, "RLE bitmaps cannot be top-down");
      return true;
    case kBmpBitfields:
      if (f.bitCount == 16 || f.bitCount == 32) return true;
      return Fail(why, "bit fields need 16 or 32 bits per pixel");
    case kBmpJpeg:
    case kBmpPng:
      return Fail(why, "JPEG and PNG compressed bitmaps are not supported");
    default:
      return Fail(why, "unknown compression");
  }
}

bool CheckSize(const InfoFields& f, BmpLayout& out, std::string& why) {
  if (f.width <= 0 || f.width > kBmpMaxSide) return Fail(why, "bad width");
  if (f.height == 0 || f.height > kBmpMaxSide || -f.height > kBmpMaxSide)
    return Fail(why, "bad height");
  out.width = static_cast<int>(f.width);
  out.topDown = f.height < 0;
  out.height = static_cast<int>(out.topDown ? -f.height : f.height);
  const uint64_t pixelBytes = static_cast<uint64_t>(out.width) * out.height * sizeof(ColourRef);
  if (pixelBytes > kBmpMaxPixelBytes) return Fail(why, "too many pixels");
  return true;
}

// Direct colour: masks from the header, or the fixed layouts of uncompressed 16, 24 and 32 bits.
bool ReadChannels(const BmpBytes& file, const InfoFields& f, BmpLayout& out, std::string& why) {
  uint32_t red = 0x00FF0000, green = 0x0000FF00, blue = 0x000000FF;
  if (f.compression == kBmpBitfields) {
    if (!file.Has(kMasksStart, kMasksSize)) return Fail(why, "truncated bit masks");
    red = file.U32(kMasksStart);
    green = file.U32(kMasksStart + 4);
    blue = file.U32(kMasksStart + 8);
  } else if (f.bitCount == 16) {
    red = 0x7C00, green = 0x03E0, blue = 0x001F;
  }
  if (!MakeBmpChannel(red, f.bitCount, out.channels.red) ||
      !MakeBmpChannel(green, f.bitCount, out.channels.green) ||
      !MakeBmpChannel(blue, f.bitCount, out.channels.blue))
    return Fail(why, "bad bit masks");
  return true;
}

// Palettes hold biClrUsed entries (all 2^bitCount when 0 or larger); core entries are 3 bytes
// (blue, green, red), the others 4 (blue, green, red, unused).
bool ReadPalette(const BmpBytes& file, const InfoFields& f, size_t start, BmpLayout& out,
                 std::string& why) {
  const uint32_t full = 1u << f.bitCount;
  const uint32_t count = (f.coloursUsed == 0 || f.coloursUsed > full) ? full : f.coloursUsed;
  const size_t entrySize = f.headerSize == kBmpCoreHeaderSize ? 3 : 4;
  if (!file.Has(start, count * entrySize)) return Fail(why, "truncated palette");
  out.palette.reserve(count);
  for (size_t at = start; at < start + count * entrySize; at += entrySize)
    out.palette.push_back(MakeColour(file.U8(at + 2), file.U8(at + 1), file.U8(at)));
  return true;
}

}  // namespace

bool ReadBmpHeader(const BmpBytes& file, BmpLayout& out, std::string& why) {
  out = BmpLayout{};
  if (!file.Has(0, kBmpFileHeaderSize + 4)) return Fail(why, "truncated file header");
  if (file.U8(0) != 'B' || file.U8(1) != 'M') return Fail(why, "not a bitmap file");
  InfoFields f;
  f.headerSize = file.U32(kInfoStart);
  if (!IsKnownHeaderSize(f.headerSize)) return Fail(why, "unknown header size");
  if (!file.Has(kInfoStart, f.headerSize)) return Fail(why, "truncated info header");
  ReadFields(file, f);
  if (f.planes != 1) return Fail(why, "bad plane count");
  if (!CheckFormat(f, why) || !CheckSize(f, out, why)) return false;
  out.bitCount = f.bitCount;
  out.compression = f.compression;

  // A 40-byte header is followed by its three masks when it asks for bit fields; the larger
  // headers hold them at the same place inside.
  size_t headersEnd = kInfoStart + f.headerSize;
  if (f.compression == kBmpBitfields && f.headerSize == kBmpInfoHeaderSize)
    headersEnd += kMasksSize;

  const bool paletted = f.bitCount <= 8;
  if (paletted ? !ReadPalette(file, f, headersEnd, out, why) : !ReadChannels(file, f, out, why))
    return false;

  const uint32_t offset = file.U32(10);
  if (offset < headersEnd) return Fail(why, "pixel data offset inside the headers");
  if (offset > file.size) return Fail(why, "pixel data offset beyond the file");
  out.pixelOffset = offset;
  const bool compressed = f.compression == kBmpRle8 || f.compression == kBmpRle4;
  if (!compressed && !file.Has(offset, out.RowStride() * out.height))
    return Fail(why, "pixel rows beyond the end of the file");
  return true;
}
