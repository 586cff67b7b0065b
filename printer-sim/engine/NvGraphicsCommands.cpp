// Key-code NV graphics (GS ( L and GS 8 L, m = 30h): define, list, capacity, delete and print.
#include <string>

#include "printer-sim/engine/EngineContext.h"
#include "printer-sim/engine/RasterImageIo.h"

namespace {

// Key codes per block of the key-code list; more follow in further blocks after an ACK.
constexpr size_t kKeyCodesPerBlock = 40;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kCan = 0x18;

std::vector<uint8_t> DecimalReply(uint8_t identifier, uint32_t value) {
  std::vector<uint8_t> reply = {0x37, identifier};
  for (char c : std::to_string(value)) reply.push_back(static_cast<uint8_t>(c));
  reply.push_back(0x00);
  return reply;
}

// Sends the next block of the key-code list: 37h 72h, 41h when more blocks follow or 40h, the
// key codes, 00h.
void SendKeyCodeBlock(EngineContext& ctx) {
  std::vector<std::string>& left = ctx.keyCodeBlocksLeft;
  const size_t take = left.size() < kKeyCodesPerBlock ? left.size() : kKeyCodesPerBlock;
  std::vector<uint8_t> block = {0x37, 0x72, static_cast<uint8_t>(left.size() > take ? 0x41 : 0x40)};
  for (size_t i = 0; i < take; ++i) block.insert(block.end(), left[i].begin(), left[i].end());
  block.push_back(0x00);
  left.erase(left.begin(), left.begin() + static_cast<std::ptrdiff_t>(take));
  ctx.lastKeyCodeBlock = block;
  ctx.Reply(std::move(block));
}

void StartKeyCodeList(EngineContext& ctx) {
  ctx.keyCodeBlocksLeft.clear();
  for (const auto& entry : ctx.state.nvGraphics) ctx.keyCodeBlocksLeft.push_back(entry.first);
  SendKeyCodeBlock(ctx);
}

// The host's answer to a block that announced more: ACK asks for the next, NAK for the same again,
// CAN ends the list. Any other command ends the exchange too; the printer never waits for it.
bool AnswerKeyCodeBlock(EngineContext& ctx, uint8_t answer) {
  if (answer == kAck) {
    SendKeyCodeBlock(ctx);
  } else if (answer == kNak) {
    ctx.Reply(ctx.lastKeyCodeBlock);
  } else if (answer == kCan) {
    ctx.keyCodeBlocksLeft.clear();
  } else {
    return false;
  }
  return true;
}

void Define(EngineContext& ctx, const uint8_t* body, size_t count) {
  // m fn a kc1 kc2 b xL xH yL yH, then b planes of colour byte and data
  if (count < 10) {
    ctx.Log("NV graphics definition too short");
    return;
  }
  const std::string key{static_cast<char>(body[3]), static_cast<char>(body[4])};
  const int planes = body[5];
  RasterImage image;
  image.width = body[6] | (body[7] << 8);
  image.height = body[8] | (body[9] << 8);
  if (planes < 1 || planes > 4 || image.width == 0 || image.height == 0 ||
      ReadRasterPlanes(body + 10, count - 10, planes, image) != count - 10) {
    ctx.Log("NV graphics definition " + key + " does not match its length, ignored");
    return;
  }
  const auto existing = ctx.state.nvGraphics.find(key);
  const uint32_t freed = existing == ctx.state.nvGraphics.end() ? 0 : NvGraphicsSize(existing->second);
  if (NvGraphicsSize(image) > RemainingNvGraphicsCapacity(ctx.state) + freed) {
    ctx.Log("NV graphics definition " + key + " does not fit the free NV memory, ignored");
    return;
  }
  ctx.state.nvGraphics[key] = std::move(image);
  ctx.stateChanged = true;
}

// m fn kc1 kc2 x y
void Print(EngineContext& ctx, const uint8_t* body, size_t count) {
  if (count != 6) {
    ctx.Log("NV graphics print with " + std::to_string(count) + " parameter bytes, ignored");
    return;
  }
  const std::string key{static_cast<char>(body[2]), static_cast<char>(body[3])};
  const auto found = ctx.state.nvGraphics.find(key);
  if (found == ctx.state.nvGraphics.end()) {
    ctx.Log("NV graphics " + key + " is not defined");
    return;
  }
  const int sx = body[4] == 2 ? 2 : 1;
  const int sy = body[5] == 2 ? 2 : 1;
  ctx.page.PrintBlock(DrawRasterImage(found->second, sx, sy));
}

void Execute(EngineContext& ctx, const uint8_t* body, size_t count) {
  if (count < 2 || body[0] != 0x30) {
    ctx.Log("NV graphics command with an unknown m");
    return;
  }
  switch (body[1]) {
    case 0x30: ctx.Reply(DecimalReply(0x30, kNvGraphicsCapacity)); return;
    case 0x33: ctx.Reply(DecimalReply(0x31, RemainingNvGraphicsCapacity(ctx.state))); return;
    case 0x40:
      if (count == 4 && body[2] == 'K' && body[3] == 'C') StartKeyCodeList(ctx);
      return;
    case 0x41:
      if (count == 5 && body[2] == 'C' && body[3] == 'L' && body[4] == 'R') {
        ctx.state.nvGraphics.clear();
        ctx.stateChanged = true;
      }
      return;
    case 0x42:
      if (count == 4 && ctx.state.nvGraphics.erase(std::string{static_cast<char>(body[2]), static_cast<char>(body[3])})) {
        ctx.stateChanged = true;
      }
      return;
    case 0x43: Define(ctx, body, count); return;
    case 0x45: Print(ctx, body, count); return;
    default: ctx.Log("NV graphics function " + std::to_string(body[1]) + " not supported"); return;
  }
}

}  // namespace

bool ExecuteNvGraphicsCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (!ctx.keyCodeBlocksLeft.empty()) {
    if (count == 1 && AnswerKeyCodeBlock(ctx, cmd[0])) return true;
    ctx.keyCodeBlocksLeft.clear();
  }
  if (count >= 5 && cmd[0] == 0x1D && cmd[1] == '(' && cmd[2] == 'L') {
    Execute(ctx, cmd + 5, count - 5);
    return true;
  }
  if (count >= 7 && cmd[0] == 0x1D && cmd[1] == '8' && cmd[2] == 'L') {
    Execute(ctx, cmd + 7, count - 7);
    return true;
  }
  return false;
}
