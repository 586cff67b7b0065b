// The printer's own printouts, each on a page of its own.
#include "printer-sim/engine/Printouts.h"

#include <cstdio>
#include <string>

namespace {

// Prints `text` in the default style; "\n" ends a line.
void PrintText(PageRenderer& page, const std::string& text) {
  for (char c : text) {
    if (c == '\n') {
      page.LineFeed();
    } else {
      page.AddCharacter(static_cast<uint8_t>(c));
    }
  }
}

// The printout starts on fresh paper, in the default style, and is cut off at its end.
template <typename Body>
void Printout(EngineContext& ctx, Body body) {
  if (ctx.page.PageStarted()) ctx.page.Cut();
  const TextStyle saved = ctx.page.Style();
  ctx.page.ResetStyle();
  body(ctx.page);
  ctx.page.Cut();
  ++ctx.cuts;
  ctx.page.Style() = saved;
}

std::string Settings(const EngineContext& ctx) {
  const PrinterState& state = ctx.state;
  std::string text = "Model : " + ctx.options.modelName + "\nFirmware : " + ctx.options.firmwareText +
                     "\nLanguage : " + FontLanguage(state) + "\n";
  for (int number : kMemorySwitchNumbers) {
    text += "MSW" + std::to_string(number) + " : " + SwitchPins(state, number) + "\n";
  }
  text += std::string("Power save : ") + (state.powerSaveEnabled ? "On " : "Off ") +
          std::to_string(state.powerSaveSeconds) + " s\n";
  text += "NV bit images : " + std::to_string(state.nvBitImages.size()) + "\n";
  text += "Impact NV images : " + std::to_string(state.impactImages.size()) + "\n";
  text += "NV graphics : " + std::to_string(state.nvGraphics.size()) + ", free " +
          std::to_string(RemainingNvGraphicsCapacity(state)) + " bytes\n";
  text += "Flash logos : " + std::to_string(state.flashLogos.size()) + "\n";
  return text;
}

}  // namespace

std::string FontLanguage(const PrinterState& state) {
  if (!state.fontInstalled) return "ENGLISH";
  switch (state.font.blockCount) {
    case 2405: return "KS5601/GB2312";
    case 4007: return "BIG5";
    case 3296: return "SHIFT-JIS";
    default: return "DOWNLOADED FONT";
  }
}

void PrintStatusSheet(EngineContext& ctx) {
  const std::string text = "*** STATUS SHEET ***\n" + Settings(ctx);
  Printout(ctx, [&](PageRenderer& page) { PrintText(page, text); });
}

void PrintCodePageTable(EngineContext& ctx) {
  const int codePage = ctx.page.Style().codePage;
  Printout(ctx, [&](PageRenderer& page) {
    PrintText(page, "*** CODE PAGE " + std::to_string(codePage) + " ***\n");
    char label[8];
    for (int row = 0x20; row < 0x100; row += 16) {
      std::snprintf(label, sizeof label, "%02X: ", row);
      PrintText(page, label);
      for (int code = row; code < row + 16; ++code) page.AddCharacter(static_cast<uint8_t>(code));
      page.LineFeed();
    }
  });
}

void PrintSelfTest(EngineContext& ctx) {
  const std::string text = "*** SELF TEST ***\n" + Settings(ctx);
  Printout(ctx, [&](PageRenderer& page) {
    PrintText(page, text);
    // The rolling character pattern: each line starts one character further on.
    for (int line = 0; line < 8; ++line) {
      std::string pattern;
      for (int i = 0; i < 40; ++i) pattern += static_cast<char>(0x21 + (line + i) % 94);
      PrintText(page, pattern + "\n");
    }
  });
}
