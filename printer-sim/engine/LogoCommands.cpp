// Numbered logos: FS q NV bit images printed by FS p, and impact NV image sets (ESC g 0) whose band
// streams ESC g n plays back.
#include <string>

#include "printer-sim/engine/CommandFraming.h"
#include "printer-sim/engine/EngineContext.h"

namespace {

// Framing has checked that the records fill the command exactly.
void DefineNvBitImages(EngineContext& ctx, const uint8_t* cmd) {
  std::vector<NvBitImage> images;
  size_t at = 3;
  for (int i = 0; i < cmd[2]; ++i) {
    NvBitImage image;
    image.xBytes = cmd[at] | (cmd[at + 1] << 8);
    image.yBytes = cmd[at + 2] | (cmd[at + 3] << 8);
    const size_t size = static_cast<size_t>(8) * image.xBytes * image.yBytes;
    image.data.assign(cmd + at + 4, cmd + at + 4 + size);
    at += 4 + size;
    images.push_back(std::move(image));
  }
  // FS q replaces the whole set: images are numbered 1..n in the order received.
  ctx.state.nvBitImages = std::move(images);
  ctx.stateChanged = true;
}

void PrintNvBitImage(EngineContext& ctx, int number, uint8_t mode) {
  if (number < 1 || number > static_cast<int>(ctx.state.nvBitImages.size())) {
    ctx.Log("FS p: no NV bit image " + std::to_string(number));
    return;
  }
  const NvBitImage& image = ctx.state.nvBitImages[number - 1];
  const int m = mode >= '0' ? mode - '0' : mode;
  const int sx = (m & 1) ? 2 : 1;
  const int sy = (m & 2) ? 2 : 1;
  Bitmap out(image.WidthDots() * sx, image.HeightDots() * sy);
  for (int column = 0; column < image.WidthDots(); ++column) {
    for (int row = 0; row < image.HeightDots(); ++row) {
      const uint8_t byte = image.data[static_cast<size_t>(column) * image.yBytes + row / 8];
      if (!(byte & (0x80 >> (row % 8)))) continue;
      for (int dy = 0; dy < sy; ++dy) {
        for (int dx = 0; dx < sx; ++dx) out.At(column * sx + dx, row * sy + dy) = kBlack;
      }
    }
  }
  ctx.page.PrintBlock(out);
}

void DefineImpactImages(EngineContext& ctx, const uint8_t* cmd) {
  const int n = cmd[3];
  std::vector<std::vector<uint8_t>> images;
  size_t at = 4 + 2 * static_cast<size_t>(n);
  for (int i = 0; i < n; ++i) {
    const size_t length = (cmd[4 + 2 * i] << 8) | cmd[5 + 2 * i];
    images.emplace_back(cmd + at, cmd + at + length);
    at += length;
  }
  ctx.state.impactImages = std::move(images);
  ctx.stateChanged = true;
}

// The band commands a stored impact image may hold.
bool IsBandCommand(const uint8_t* cmd, size_t count) {
  if (count == 1) return cmd[0] == 0x0D || cmd[0] == 0x0A;
  return cmd[0] == 0x1B && (cmd[1] == 'r' || cmd[1] == '*' || cmd[1] == 'J');
}

void PrintImpactImage(EngineContext& ctx, int number) {
  if (number > static_cast<int>(ctx.state.impactImages.size())) {
    ctx.Log("ESC g: no impact NV image " + std::to_string(number));
    return;
  }
  const std::vector<uint8_t> bands = ctx.state.impactImages[number - 1];
  const bool wasRed = ctx.page.Style().red;
  size_t at = 0;
  while (at < bands.size()) {
    const Frame frame = FrameCommand(bands.data() + at, bands.size() - at);
    if (frame.status == FrameStatus::NeedMore) {
      ctx.Log("ESC g: impact NV image " + std::to_string(number) + " ends inside a command");
      break;
    }
    if (frame.status == FrameStatus::Complete && IsBandCommand(bands.data() + at, frame.length)) {
      ExecuteTextCommand(ctx, bands.data() + at, frame.length);
    } else {
      ctx.Log("ESC g: skipped a byte that is no band command in impact NV image " + std::to_string(number));
    }
    at += frame.length;
  }
  ctx.page.PrintLine(0);
  ctx.page.Style().red = wasRed;
}

}  // namespace

bool ExecuteLogoCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (count >= 3 && cmd[0] == 0x1C && cmd[1] == 'q') {
    DefineNvBitImages(ctx, cmd);
    return true;
  }
  if (count == 4 && cmd[0] == 0x1C && cmd[1] == 'p') {
    PrintNvBitImage(ctx, cmd[2], cmd[3]);
    return true;
  }
  if (count >= 3 && cmd[0] == 0x1B && cmd[1] == 'g') {
    if (cmd[2] == 0) {
      DefineImpactImages(ctx, cmd);
    } else {
      PrintImpactImage(ctx, cmd[2]);
    }
    return true;
  }
  return false;
}
