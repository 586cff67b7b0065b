// Identity queries (GS I) and real-time status (DLE EOT).
#include <string>

#include "printer-sim/engine/EngineContext.h"
#include "printer-sim/engine/Printouts.h"

namespace {

constexpr uint8_t kVersionId = 0x63;         // firmware that takes the two-colour flash commands
constexpr uint8_t kOldVersionId = 0x62;      // answered when the two-colour check is refused
constexpr uint8_t kStatusOnline = 0x12;      // DLE EOT: fixed bits only, no error, paper present

// GS I 65..69: 5Fh, the text, 00h.
std::vector<uint8_t> TextReply(const std::string& text) {
  std::vector<uint8_t> reply;
  reply.reserve(text.size() + 2);
  reply.push_back(0x5F);
  for (char c : text) reply.push_back(static_cast<uint8_t>(c));
  reply.push_back(0x00);
  return reply;
}

void Identity(EngineContext& ctx, uint8_t n) {
  switch (n) {
    case 1: case '1': ctx.Reply({0x20}); return;
    case 2: case '2': ctx.Reply({0x02}); return;
    case 3: case '3': ctx.Reply({ctx.options.faults.refuseTwoColour ? kOldVersionId : kVersionId}); return;
    case 65: ctx.Reply(TextReply(ctx.options.firmwareText)); return;
    case 66: ctx.Reply(TextReply("VARRICK")); return;
    case 67: ctx.Reply(TextReply(ctx.options.modelName)); return;
    case 68: ctx.Reply(TextReply("P8000001")); return;
    case 69: ctx.Reply(TextReply(FontLanguage(ctx.state))); return;
    default: ctx.Log("GS I " + std::to_string(n) + " not supported"); return;
  }
}

}  // namespace

bool ExecuteIdentityCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (count == 3 && cmd[0] == 0x1D && cmd[1] == 'I') {
    Identity(ctx, cmd[2]);
    return true;
  }
  if (count == 3 && cmd[0] == 0x10 && cmd[1] == 0x04) {
    ctx.Reply({kStatusOnline});
    return true;
  }
  if (cmd[0] == 0x10) return true;  // DLE ENQ and DLE DC4: accepted, nothing to answer
  return false;
}
