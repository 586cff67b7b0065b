// libFuzzer target for the bitmap loader: any bytes must be decoded or refused, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/bitmap/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bitmap bitmap;
  std::string why;
  const bool decoded = DecodeBmp(data, size, bitmap, &why);
  // A decoded bitmap is whole; a refused one is empty and says why.
  const bool consistent =
      decoded ? bitmap.width > 0 && bitmap.height > 0 &&
                    bitmap.pixels.size() == static_cast<size_t>(bitmap.width) * bitmap.height
              : bitmap.pixels.empty() && !why.empty();
  if (!consistent) std::abort();
  return 0;
}
