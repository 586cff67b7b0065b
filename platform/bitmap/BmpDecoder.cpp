// The platform's bitmap loader: checks the headers, then decodes uncompressed or RLE pixels.
#include "platform/bitmap/BmpDecoder.h"

#include "platform/bitmap/BmpBytes.h"
#include "platform/bitmap/BmpHeader.h"
#include "platform/bitmap/BmpRle.h"
#include "platform/bitmap/BmpRows.h"

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out, std::string* why) {
  out = Bitmap{};
  const BmpBytes file{data, data == nullptr ? 0 : size};
  BmpLayout layout;
  std::string reason;
  if (!ReadBmpHeader(file, layout, reason)) {
    if (why) *why = reason;
    return false;
  }
  const bool rle = layout.compression == kBmpRle8 || layout.compression == kBmpRle4;
  Bitmap decoded(layout.width, layout.height, rle ? layout.PaletteColour(0) : kBlack);
  if (rle) {
    if (!DecodeBmpRle(file, layout, decoded, reason)) {
      if (why) *why = reason;
      return false;
    }
  } else {
    DecodeBmpRows(file, layout, decoded);
  }
  out = std::move(decoded);
  return true;
}
