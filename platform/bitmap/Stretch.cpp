// The platform's bitmap stretching in its default (black-on-white) mode, as a pure function.
#include "platform/bitmap/Stretch.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// The source range [first, last) that destination index i of `dst` takes from `src`; never empty.
std::pair<int, int> SourceSpan(int i, int src, int dst) {
  const int first = static_cast<int>(static_cast<int64_t>(i) * src / dst);
  const int last = static_cast<int>(static_cast<int64_t>(i + 1) * src / dst);
  return {first, last > first ? last : first + 1};
}

}  // namespace

Bitmap StretchBlackOnWhite(const Bitmap& src, int dw, int dh) {
  if (dw <= 0 || dh <= 0) return Bitmap();
  Bitmap dst(dw, dh);
  if (src.width <= 0 || src.height <= 0) return dst;

  std::vector<std::pair<int, int>> columns(static_cast<size_t>(dw));
  for (int x = 0; x < dw; ++x) columns[x] = SourceSpan(x, src.width, dw);

  std::vector<ColourRef> rowAnd(static_cast<size_t>(src.width));
  for (int y = 0; y < dh; ++y) {
    const auto [firstRow, lastRow] = SourceSpan(y, src.height, dh);
    const ColourRef* first = &src.pixels[static_cast<size_t>(firstRow) * src.width];
    rowAnd.assign(first, first + src.width);
    for (int sy = firstRow + 1; sy < lastRow; ++sy) {
      const ColourRef* row = &src.pixels[static_cast<size_t>(sy) * src.width];
      for (int sx = 0; sx < src.width; ++sx) rowAnd[sx] &= row[sx];
    }
    ColourRef* out = &dst.pixels[static_cast<size_t>(y) * dw];
    for (int x = 0; x < dw; ++x) {
      ColourRef c = rowAnd[columns[x].first];
      for (int sx = columns[x].first + 1; sx < columns[x].second; ++sx) c &= rowAnd[sx];
      out[x] = c;
    }
  }
  return dst;
}
