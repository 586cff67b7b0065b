// User settings (GS ( E), power save, the printouts it is asked for, and the font download.
#include <string>

#include "printer-sim/engine/EngineContext.h"
#include "printer-sim/engine/Printouts.h"

namespace {

bool ValidPins(const uint8_t* pins) {
  for (int i = 0; i < 8; ++i) {
    if (pins[i] < '0' || pins[i] > '2') return false;
  }
  return true;
}

// Function 3: a, then d1..d8 with d1 for pin 8; "2" keeps a pin as it is.
void SetMemorySwitch(EngineContext& ctx, const uint8_t* params) {
  const int number = params[0];
  if (!ctx.userSettingMode) {
    ctx.Log("memory switch " + std::to_string(number) + " write outside user setting mode, ignored");
    return;
  }
  if (!ValidPins(params + 1)) {
    ctx.Log("memory switch " + std::to_string(number) + " write with a character other than 0, 1, 2");
    return;
  }
  std::string pins = SwitchPins(ctx.state, number);
  for (int i = 0; i < 8; ++i) {
    if (params[1 + i] != '2') pins[i] = static_cast<char>(params[1 + i]);
  }
  ctx.state.memorySwitches[number] = pins;
  ctx.stateChanged = true;
}

void UserSetting(EngineContext& ctx, const uint8_t* body, size_t count) {
  if (count < 1) return;
  const uint8_t fn = body[0];
  if (fn == 1 && count == 3 && body[1] == 'I' && body[2] == 'N') {
    ctx.userSettingMode = true;
    ctx.Reply({0x37, 0x20, 0x00});
  } else if (fn == 2 && count == 4 && body[1] == 'O' && body[2] == 'U' && body[3] == 'T') {
    // Leaving the mode restarts the printer with the new settings.
    ctx.userSettingMode = false;
    ctx.page.ClearLine();
    ctx.page.ResetStyle();
  } else if (fn == 3 && count == 10) {
    SetMemorySwitch(ctx, body + 1);
  } else if (fn == 4 && count == 2) {
    const std::string pins = SwitchPins(ctx.state, body[1]);
    std::vector<uint8_t> reply = {0x37, 0x21};
    reply.insert(reply.end(), pins.begin(), pins.end());
    reply.push_back(0x00);
    ctx.Reply(std::move(reply));
  } else {
    ctx.Log("user setting function " + std::to_string(fn) + " with " + std::to_string(count) + " bytes not supported");
  }
}

void PowerSave(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (cmd[3] == 0x31) {
    ctx.Reply({0x50, static_cast<uint8_t>(ctx.state.powerSaveEnabled ? 1 : 0),
               static_cast<uint8_t>(ctx.state.powerSaveSeconds), 0x00});
  } else if (count == 6) {
    ctx.state.powerSaveEnabled = cmd[4] != 0;
    ctx.state.powerSaveSeconds = cmd[5];
    ctx.stateChanged = true;
  }
}

uint32_t Fnv1a(const uint8_t* data, size_t count) {
  uint32_t hash = 2166136261u;
  for (size_t i = 0; i < count; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash;
}

// FS l "dsX" 06h: the 15-byte header with the block count, then 256 bytes per block.
void InstallFont(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  ctx.state.fontInstalled = true;
  ctx.state.font.blockCount = cmd[6] | (cmd[7] << 8);
  ctx.state.font.kind = cmd[13];
  ctx.state.font.dataBytes = static_cast<uint32_t>(count - 15);
  ctx.state.font.checksum = Fnv1a(cmd + 15, count - 15);
  ctx.stateChanged = true;
}

}  // namespace

bool ExecuteSettingCommand(EngineContext& ctx, const uint8_t* cmd, size_t count) {
  if (count >= 5 && cmd[0] == 0x1D && cmd[1] == '(' && cmd[2] == 'E') {
    UserSetting(ctx, cmd + 5, count - 5);
    return true;
  }
  if (count == 7 && cmd[0] == 0x1D && cmd[1] == '(' && cmd[2] == 'A') {
    if (cmd[6] == 2 || cmd[6] == '2') PrintSelfTest(ctx);
    return true;
  }
  if (count >= 4 && cmd[0] == 0x08 && cmd[1] == 0x5E && cmd[2] == 0x50) {
    PowerSave(ctx, cmd, count);
    return true;
  }
  if (count == 4 && cmd[0] == 0x08 && cmd[1] == 0x39) {
    if (cmd[2] == 1) {
      PrintStatusSheet(ctx);
    } else if (cmd[2] == 2) {
      PrintCodePageTable(ctx);
    } else {
      ctx.Log("printout " + std::to_string(cmd[2]) + " not supported");
    }
    return true;
  }
  if (count >= 15 && cmd[0] == 0x1C && cmd[1] == 'l') {
    InstallFont(ctx, cmd, count);
    return true;
  }
  return false;
}
