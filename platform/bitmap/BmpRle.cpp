// Decodes RLE8 and RLE4 streams: encoded runs, end of line, end of bitmap, delta and absolute runs.
#include "platform/bitmap/BmpRle.h"

#include <algorithm>

namespace {

// Where the next pixel goes: x from the left, row counted from the bottom (RLE is never top-down).
class RleCursor {
 public:
  RleCursor(const BmpLayout& layout, Bitmap& out) : layout_(layout), out_(out) {}

  bool PastTop() const { return row_ >= layout_.height; }
  void EndLine() {
    x_ = 0;
    ++row_;
  }
  void Move(int dx, int dy) {
    x_ = std::min(x_ + dx, layout_.width);
    row_ += dy;
  }
  // Writes one pixel and steps right; pixels past the right edge are dropped.
  void Put(unsigned index) {
    if (x_ >= layout_.width) return;
    out_.At(x_, layout_.height - 1 - row_) = layout_.PaletteColour(index);
    ++x_;
  }

 private:
  const BmpLayout& layout_;
  Bitmap& out_;
  int x_ = 0;
  int row_ = 0;
};

// Pixel i of a run: RLE8 takes a whole byte; RLE4 takes the high nibble, then the low one.
unsigned RunIndex(const uint8_t* bytes, int i, bool rle4) {
  if (!rle4) return bytes[i];
  const uint8_t b = bytes[i / 2];
  return (i % 2 == 0) ? (b >> 4) : (b & 0x0F);
}

}  // namespace

bool DecodeBmpRle(const BmpBytes& file, const BmpLayout& layout, Bitmap& out, std::string& why) {
  const bool rle4 = layout.compression == kBmpRle4;
  RleCursor cursor(layout, out);
  size_t at = layout.pixelOffset;
  while (!cursor.PastTop()) {
    if (!file.Has(at, 2)) break;
    const uint8_t count = file.U8(at);
    const uint8_t code = file.U8(at + 1);
    at += 2;
    if (count > 0) {  // encoded run: `count` pixels of the colour(s) in `code`
      for (int i = 0; i < count; ++i) cursor.Put(RunIndex(&code, rle4 ? i % 2 : 0, rle4));
    } else if (code == 0) {
      cursor.EndLine();
    } else if (code == 1) {
      return true;  // end of bitmap
    } else if (code == 2) {
      if (!file.Has(at, 2)) break;
      cursor.Move(file.U8(at), file.U8(at + 1));
      at += 2;
    } else {  // absolute run of `code` pixels, its bytes padded to a 16-bit boundary
      const size_t bytes = rle4 ? (code + 1u) / 2 : code;
      const size_t padded = (bytes + 1) & ~static_cast<size_t>(1);
      if (!file.Has(at, padded)) break;
      for (int i = 0; i < code; ++i) cursor.Put(RunIndex(file.data + at, i, rle4));
      at += padded;
    }
  }
  if (cursor.PastTop()) return true;
  why = "truncated RLE data";
  return false;
}
