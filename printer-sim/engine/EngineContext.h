// What every command family of the virtual printer works on: the NV memory, the page being
// printed, the replies going out and the log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printer-sim/engine/PageRenderer.h"
#include "printer-sim/engine/PrinterOptions.h"
#include "printer-sim/engine/PrinterState.h"

struct EngineContext {
  explicit EngineContext(const PrinterOptions& opts)
      : options(opts), page(opts.paperWidthDots) {}

  PrinterOptions options;
  PrinterState state;
  PageRenderer page;

  bool stateChanged = false;      // NV memory to be saved
  bool userSettingMode = false;   // between GS ( E "IN" and "OUT"
  int drawerPulses = 0;
  int cuts = 0;
  // Key codes still to send in further blocks of a key-code list, while the host may ACK a block.
  std::vector<std::string> keyCodeBlocksLeft;
  std::vector<uint8_t> lastKeyCodeBlock;

  std::vector<std::vector<uint8_t>> replies;  // answers of the command being executed
  std::vector<std::string> log;

  void Reply(std::vector<uint8_t> bytes) { replies.push_back(std::move(bytes)); }
  void Log(const std::string& line) { log.push_back(line); }
};

// One command family: executes the complete command `cmd` of `count` bytes when it is one of
// its own, and says whether it was.
using CommandFamily = bool (*)(EngineContext& ctx, const uint8_t* cmd, size_t count);

bool ExecuteTextCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
bool ExecuteLogoCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
bool ExecuteNvGraphicsCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
bool ExecuteFlashLogoCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
bool ExecuteSettingCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
bool ExecuteIdentityCommand(EngineContext& ctx, const uint8_t* cmd, size_t count);
