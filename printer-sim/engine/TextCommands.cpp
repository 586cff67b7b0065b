// Text and its formatting, feeds, cuts, the drawer pulse and ESC * bit images.
#include <string>

#include "printer-sim/engine/EngineContext.h"

namespace {

// ESC * m: 8-dot modes print each dot two rows high, single density modes two columns wide.
Bitmap BitImage(const uint8_t* cmd, size_t count, bool red) {
  const uint8_t mode = cmd[2];
  const int bytesPerColumn = mode >= 32 ? 3 : 1;
  const int columns = static_cast<int>((count - 5) / bytesPerColumn);
  const int dotW = (mode == 0 || mode == 32) ? 2 : 1;
  const int dotH = mode >= 32 ? 1 : 2;
  Bitmap image(columns * dotW, 8 * bytesPerColumn * dotH);
  const ColourRef ink = red ? kRed : kBlack;
  for (int column = 0; column < columns; ++column) {
    for (int bit = 0; bit < 8 * bytesPerColumn; ++bit) {
      const uint8_t byte = cmd[5 + column * bytesPerColumn + bit / 8];
      if (!(byte & (0x80 >> (bit % 8)))) continue;
      for (int dy = 0; dy < dotH; ++dy) {
        for (int dx = 0; dx < dotW; ++dx) image.At(column * dotW + dx, bit * dotH + dy) = ink;
      }
    }
  }
  return image;
}

// ESC a takes 0..2 or the characters "0".."2".
int Alignment(uint8_t n) {
  const int value = n >= '0' ? n - '0' : n;
  return value >= 0 && value <= 2 ? value : 0;
}

void SelectPrintMode(TextStyle& style, uint8_t n) {
  style.fontB = n & 0x01;
  style.bold = n & 0x08;
  style.heightScale = (n & 0x10) ? 2 : 1;
  style.widthScale = (n & 0x20) ? 2 : 1;
  style.underline = (n & 0x80) ? 1 : 0;
}

void Cut(EngineContext& ctx) {
  ctx.page.Cut();
  ++ctx.cuts;
}

bool ExecuteEsc(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  TextStyle& style = ctx.page.Style();
  const uint8_t n = count > 2 ? cmd[2] : 0;
  switch (cmd[1]) {
    case '@':
      ctx.page.ClearLine();
      ctx.page.ResetStyle();
      return true;
    case '!': SelectPrintMode(style, n); return true;
    case 'E': case 'G': style.bold = n & 1; return true;
    case '-': style.underline = (n == 1 || n == '1') ? 1 : (n == 2 || n == '2') ? 2 : 0; return true;
    case 'a': style.alignment = Alignment(n); return true;
    case '2': style.lineSpacing = TextStyle::kDefaultLineSpacing; return true;
    case '3': style.lineSpacing = n; return true;
    case 't': style.codePage = n; return true;
    case 'r': style.red = n & 1; return true;
    case 'M': style.fontB = n & 1; return true;
    case 'J': ctx.page.PrintLine(n); return true;
    case 'd': ctx.page.PrintLine(n * style.lineSpacing); return true;
    case 'i': case 'm': Cut(ctx); return true;
    case 'p':
      ++ctx.drawerPulses;
      ctx.Log("drawer pulse on pin " + std::to_string(n & 1 ? 5 : 2));
      return true;
    case '*': ctx.page.AddImage(BitImage(cmd, count, style.red)); return true;
    case '=': case '<': case 'V': case '{': case 'R': case ' ': case 'U': case 'e': case '$':
    case '\\':
      return true;  // accepted; they do not change what the virtual printer draws
    default:
      return false;
  }
}

bool ExecuteGs(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  TextStyle& style = ctx.page.Style();
  switch (cmd[1]) {
    case '!':
      style.widthScale = ((cmd[2] >> 4) & 7) + 1;
      style.heightScale = (cmd[2] & 7) + 1;
      return true;
    case 'V':
      if (count == 4) ctx.page.PrintLine(cmd[3]);  // feed n, then cut
      Cut(ctx);
      return true;
    case 'a': case 'B': case 'H': case 'h': case 'w': case 'f': case 'r': case '/': case 'L': case 'W':
    case 'P':
      return true;  // accepted; nothing to draw
    default:
      return false;
  }
}

}  // namespace

bool ExecuteTextCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (count >= 2 && cmd[0] == 0x1B) return ExecuteEsc(ctx, cmd, count);
  if (count >= 3 && cmd[0] == 0x1D) return ExecuteGs(ctx, cmd, count);
  if (count != 1) return false;
  switch (cmd[0]) {
    case 0x0A: ctx.page.LineFeed(); return true;
    case 0x0D: ctx.page.PrintLine(0); return true;
    case 0x09: ctx.page.Tab(); return true;
    case 0x0C: Cut(ctx); return true;
    case 0x00: case 0x06: case 0x15: case 0x18: return true;  // NUL and stray handshake bytes
    default:
      if (cmd[0] < 0x20) return false;
      ctx.page.AddCharacter(cmd[0]);
      return true;
  }
}
