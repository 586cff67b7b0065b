// The one-colour NV bit image record (FS q) and the stream that defines the whole set.
#include "logoloft/encoders/NvBitImage.h"

#include "logoloft/encoders/ByteWriter.h"
#include "logoloft/encoders/DotClass.h"

EncodedBytes EncodeNvBitImage(const Bitmap& bitmap) {
  const size_t w = static_cast<size_t>(bitmap.width);
  const size_t columnBytes = (static_cast<size_t>(bitmap.height) + 7) / 8;  // Y
  const size_t columnGroups = (w + 7) / 8;                                  // X
  if (4 + columnBytes * w > kNvBitImageMaxLength) return std::nullopt;

  Bytes out;
  out.reserve(4 + 8 * columnGroups * columnBytes);
  AppendLittle16(out, static_cast<uint32_t>(columnGroups));
  AppendLittle16(out, static_cast<uint32_t>(columnBytes));
  for (int x = 0; x < bitmap.width; ++x) {
    for (size_t j = 0; j < columnBytes; ++j) {
      uint8_t byte = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int y = static_cast<int>(j * 8) + bit;
        if (ExactDotClass(bitmap.AtOrWhite(x, y)) != DotClass::Blank) byte |= 0x80 >> bit;
      }
      out.push_back(byte);
    }
  }
  out.resize(4 + 8 * columnGroups * columnBytes, 0);  // blank columns up to a multiple of 8
  return out;
}

EncodedBytes NvBitImageHeader(size_t count) {
  if (count < 1 || count > 255) return std::nullopt;
  return Bytes{0x1C, 0x71, static_cast<uint8_t>(count)};
}

EncodedBytes NvBitImageStream(const std::vector<Bytes>& records) {
  EncodedBytes out = NvBitImageHeader(records.size());
  if (!out) return std::nullopt;
  for (const Bytes& record : records) out->insert(out->end(), record.begin(), record.end());
  return out;
}
