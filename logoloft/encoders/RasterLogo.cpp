// The two-colour raster formats: the NV graphics definition (GS 8 L) and the flash logo block.
#include "logoloft/encoders/RasterLogo.h"

#include <algorithm>

#include "logoloft/encoders/ByteWriter.h"
#include "logoloft/encoders/DotClass.h"

namespace {

// The image cut to the line width: W dots, d = ceil(W / 8) bytes per row, k = d * h bytes per plane.
struct RasterSize {
  int dots = 0;
  size_t rowBytes = 0;
  size_t planeBytes = 0;
};

RasterSize SizeFor(const Bitmap& bitmap, int lineWidth) {
  RasterSize size;
  size.dots = std::max(0, std::min(bitmap.width, lineWidth));
  size.rowBytes = (static_cast<size_t>(size.dots) + 7) / 8;
  size.planeBytes = size.rowBytes * static_cast<size_t>(bitmap.height);
  return size;
}

// Refused when the plane and head exceed the limit, or the size does not fit the 16-bit fields.
bool Fits(const RasterSize& size, const Bitmap& bitmap, size_t head) {
  return size.planeBytes + head <= kRasterMaxLength && bitmap.height <= 0xFFFF;
}

// xL xH (8 * d), yL yH (h), 31, plane 1, 32, plane 2: rows from the top, near-white rule.
void AppendPlanes(Bytes& out, const Bitmap& bitmap, const RasterSize& size) {
  AppendLittle16(out, static_cast<uint32_t>(8 * size.rowBytes));
  AppendLittle16(out, static_cast<uint32_t>(bitmap.height));
  const size_t plane1 = out.size() + 1;
  const size_t plane2 = plane1 + size.planeBytes + 1;
  out.resize(plane2 + size.planeBytes, 0);
  out[plane1 - 1] = 0x31;
  out[plane2 - 1] = 0x32;
  for (int y = 0; y < bitmap.height; ++y) {
    const size_t row = static_cast<size_t>(y) * size.rowBytes;
    for (int x = 0; x < size.dots; ++x) {
      const DotClass dot = NearWhiteDotClass(bitmap.At(x, y));
      if (dot == DotClass::Blank) continue;
      const size_t at = (dot == DotClass::First ? plane1 : plane2) + row + x / 8;
      out[at] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
}

}  // namespace

EncodedBytes EncodeNvGraphics(const Bitmap& bitmap, KeyCode keyCode, int lineWidth) {
  const RasterSize size = SizeFor(bitmap, lineWidth);
  if (!Fits(size, bitmap, 17)) return std::nullopt;
  Bytes out{0x1D, 0x38, 0x4C};
  AppendLittle32(out, static_cast<uint32_t>(2 * size.planeBytes + 12));
  out.insert(out.end(), {0x30, 0x43, 0x30, keyCode[0], keyCode[1], 0x02});
  AppendPlanes(out, bitmap, size);
  return out;
}

EncodedBytes EncodeFlashLogo(const Bitmap& bitmap, int lineWidth) {
  const RasterSize size = SizeFor(bitmap, lineWidth);
  if (!Fits(size, bitmap, 5)) return std::nullopt;
  Bytes out{0x02};
  AppendPlanes(out, bitmap, size);
  return out;
}
