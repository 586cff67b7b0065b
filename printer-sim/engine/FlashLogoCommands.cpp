// Two-colour flash logos (08 5E family): the numbered download set, delete all and print.
#include <string>

#include "printer-sim/engine/EngineContext.h"
#include "printer-sim/engine/RasterImageIo.h"

namespace {

// 43h N, then N blocks of: planes xL xH yL yH and the planes. The set replaces every stored logo,
// and only a set whose blocks fill the declared length exactly is kept.
void Download(EngineContext& ctx, const uint8_t* body, size_t count) {
  if (count < 2 || body[0] != 0x43) {
    ctx.Log("flash logo download without its 43h function byte, ignored");
    return;
  }
  std::vector<RasterImage> logos;
  size_t at = 2;
  for (int i = 0; i < body[1]; ++i) {
    if (count - at < 5) break;
    RasterImage logo;
    const int planes = body[at];
    logo.width = body[at + 1] | (body[at + 2] << 8);
    logo.height = body[at + 3] | (body[at + 4] << 8);
    const size_t used = planes >= 1 && planes <= 2 ? ReadRasterPlanes(body + at + 5, count - at - 5, planes, logo) : 0;
    if (used == 0) break;
    at += 5 + used;
    logos.push_back(std::move(logo));
  }
  if (logos.size() != body[1] || at != count) {
    ctx.Log("flash logo download does not match its length, ignored");
    return;
  }
  ctx.state.flashLogos = std::move(logos);
  ctx.stateChanged = true;
}

void Print(EngineContext& ctx, const uint8_t* params, size_t count) {
  if (count < 3) return;
  const int number = params[0];
  if (number >= static_cast<int>(ctx.state.flashLogos.size())) {
    ctx.Log("flash logo " + std::to_string(number) + " is not stored");
    return;
  }
  const int sx = params[1] == 2 ? 2 : 1;
  const int sy = params[2] == 2 ? 2 : 1;
  ctx.page.PrintBlock(DrawRasterImage(ctx.state.flashLogos[number], sx, sy));
}

}  // namespace

bool ExecuteFlashLogoCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (count < 6 || cmd[0] != 0x08 || cmd[1] != 0x5E) return false;
  if (cmd[2] == 0x37) {
    Download(ctx, cmd + 7, count - 7);
    return true;
  }
  if (cmd[2] != 0x4C) return false;
  if (cmd[5] == 0x41) {
    ctx.state.flashLogos.clear();
    ctx.stateChanged = true;
  } else if (cmd[5] == 0x45) {
    Print(ctx, cmd + 6, count - 6);
  } else {
    ctx.Log("flash logo function " + std::to_string(cmd[5]) + " not supported");
  }
  return true;
}
