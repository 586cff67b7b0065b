// Reads a bitmap file through the platform and decodes it.
#include "logoloft/conversion/LoadBitmapFile.h"

#include <cstdint>
#include <vector>

#include "platform/bitmap/BmpDecoder.h"
#include "platform/os/Files.h"

bool LoadBitmapFile(const std::string& path, Bitmap& out) {
  out = Bitmap();
  std::vector<uint8_t> bytes;
  if (!os::ReadWholeFile(path.c_str(), bytes)) return false;
  return DecodeBmp(bytes.data(), bytes.size(), out);
}
