// The paper of the virtual printer: a line buffer of text and bit images, printed onto a page of
// the model's width; a page ends at each cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap/Bitmap.h"

constexpr ColourRef kRed = MakeColour(255, 0, 0);

// Formatting selected by ESC ! / ESC E / ESC - / GS ! / ESC a / ESC 3 / ESC r / ESC t.
struct TextStyle {
  bool fontB = false;
  bool bold = false;
  int underline = 0;  // 0 none, 1 thin, 2 thick
  int widthScale = 1;
  int heightScale = 1;
  int alignment = 0;  // 0 left, 1 centre, 2 right
  int lineSpacing = kDefaultLineSpacing;
  bool red = false;
  int codePage = 0;
  static constexpr int kDefaultLineSpacing = 30;
};

class PageRenderer {
 public:
  explicit PageRenderer(int widthDots);

  TextStyle& Style() { return style_; }
  void ResetStyle() { style_ = TextStyle{}; }
  int Width() const { return width_; }

  // Puts one character of the current style into the line buffer (wrapping at the paper's edge).
  void AddCharacter(uint8_t code);
  void Tab();
  // Puts an image into the line buffer; its white pixels leave the paper as it is.
  void AddImage(const Bitmap& image);
  // Prints the line buffer at the print position, then feeds `dots`.
  void PrintLine(int feedDots);
  // LF: prints the line and feeds one line (at least the line's height).
  void LineFeed();
  // Prints an image on a line of its own, aligned, and feeds past it.
  void PrintBlock(const Bitmap& image);
  // Drops the line buffer (ESC @).
  void ClearLine();
  // Ends the page at a cut; a page where nothing was printed or fed is not kept.
  void Cut();
  // Takes the pages finished so far.
  std::vector<Bitmap> TakePages();
  bool PageStarted() const { return y_ > 0 || !items_.empty(); }

 private:
  struct Item {
    int x;
    Bitmap image;
  };
  int LineWidth() const;
  int LineHeight() const;
  void Draw(const Bitmap& image, int left, int top);

  int width_;
  TextStyle style_;
  std::vector<Item> items_;
  int x_ = 0;
  int y_ = 0;
  Bitmap page_;
  std::vector<Bitmap> finished_;
};
