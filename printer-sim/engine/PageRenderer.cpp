// Line buffer and page of the virtual printer.
#include "printer-sim/engine/PageRenderer.h"

#include <algorithm>

#include "printer-sim/engine/BitmapFont.h"

namespace {

constexpr int kTabColumns = 8;

// Scales a glyph cell and applies bold, underline and colour.
Bitmap StyledCharacter(uint8_t code, const TextStyle& style) {
  const Bitmap glyph = RenderGlyph(code, style.fontB);
  const ColourRef ink = style.red ? kRed : kBlack;
  Bitmap out(glyph.width * style.widthScale, glyph.height * style.heightScale);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const int gx = x / style.widthScale;
      const int gy = y / style.heightScale;
      bool dot = glyph.At(gx, gy) != kWhite;
      if (style.bold && gx > 0) dot = dot || glyph.At(gx - 1, gy) != kWhite;
      if (dot) out.At(x, y) = ink;
    }
  }
  for (int line = 0; line < style.underline * style.heightScale; ++line) {
    const int y = out.height - 1 - line;
    for (int x = 0; x < out.width; ++x) out.At(x, y) = ink;
  }
  return out;
}

}  // namespace

PageRenderer::PageRenderer(int widthDots) : width_(std::max(widthDots, 8)), page_(width_, 0) {}

int PageRenderer::LineWidth() const { return x_; }

int PageRenderer::LineHeight() const {
  int height = 0;
  for (const Item& item : items_) height = std::max(height, item.image.height);
  return height;
}

void PageRenderer::AddCharacter(uint8_t code) {
  Bitmap image = StyledCharacter(code, style_);
  if (x_ > 0 && x_ + image.width > width_) LineFeed();
  AddImage(image);
}

void PageRenderer::Tab() {
  const int cell = (style_.fontB ? kFontBCellWidth : kFontACellWidth) * style_.widthScale;
  const int stop = (x_ / (cell * kTabColumns) + 1) * cell * kTabColumns;
  x_ = std::min(stop, width_);
}

void PageRenderer::AddImage(const Bitmap& image) {
  items_.push_back(Item{x_, image});
  x_ += image.width;
}

void PageRenderer::Draw(const Bitmap& image, int left, int top) {
  const int needed = top + image.height;
  if (needed > page_.height) {
    page_.pixels.resize(static_cast<size_t>(width_) * needed, kWhite);
    page_.height = needed;
  }
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const ColourRef c = image.At(x, y);
      if (c != kWhite && page_.Contains(left + x, top + y)) page_.At(left + x, top + y) = c;
    }
  }
}

void PageRenderer::PrintLine(int feedDots) {
  if (!items_.empty()) {
    const int height = LineHeight();
    const int free = std::max(0, width_ - LineWidth());
    const int shift = style_.alignment == 1 ? free / 2 : style_.alignment == 2 ? free : 0;
    // Items of one line share their bottom edge, as characters of mixed sizes do.
    for (const Item& item : items_) Draw(item.image, item.x + shift, y_ + height - item.image.height);
  }
  items_.clear();
  x_ = 0;
  y_ += std::max(feedDots, 0);
}

void PageRenderer::LineFeed() { PrintLine(std::max(style_.lineSpacing, LineHeight())); }

void PageRenderer::PrintBlock(const Bitmap& image) {
  if (!items_.empty()) LineFeed();
  AddImage(image);
  PrintLine(image.height);
}

void PageRenderer::ClearLine() {
  items_.clear();
  x_ = 0;
}

void PageRenderer::Cut() {
  if (!items_.empty()) LineFeed();
  if (y_ > 0) {
    // The page is as long as the paper fed, and at least as long as what was drawn.
    const int height = std::max(y_, page_.height);
    page_.pixels.resize(static_cast<size_t>(width_) * height, kWhite);
    page_.height = height;
    finished_.push_back(std::move(page_));
  }
  page_ = Bitmap(width_, 0);
  y_ = 0;
}

std::vector<Bitmap> PageRenderer::TakePages() {
  std::vector<Bitmap> pages;
  pages.swap(finished_);
  return pages;
}
