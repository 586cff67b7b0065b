// The virtual printer's byte-stream interpreter.
#include "printer-sim/engine/PrinterEngine.h"

#include <cstdio>

#include "printer-sim/engine/CommandFraming.h"
#include "printer-sim/engine/StateStore.h"

namespace {

// The log keeps the latest lines only, so a long stream of garbage cannot grow it without end.
constexpr size_t kMaxLogLines = 1000;

const CommandFamily kFamilies[] = {
    ExecuteNvGraphicsCommand, ExecuteLogoCommand,     ExecuteFlashLogoCommand,
    ExecuteSettingCommand,    ExecuteIdentityCommand, ExecuteTextCommand,
};

std::string Describe(const uint8_t* cmd, size_t count) {
  std::string text;
  char hex[4];
  for (size_t i = 0; i < count && i < 8; ++i) {
    std::snprintf(hex, sizeof hex, "%02X ", cmd[i]);
    text += hex;
  }
  return text + (count > 8 ? "..." : "") + "(" + std::to_string(count) + " bytes)";
}

}  // namespace

PrinterEngine::PrinterEngine(const PrinterOptions& options) : ctx(options) {
  if (!options.stateDir.empty()) {
    std::string why;
    if (!LoadPrinterState(options.stateDir, ctx.state, &why) && !why.empty()) AddLog(why);
  }
}

void PrinterEngine::Connect(uint32_t nowMs) {
  Disconnect(nowMs);
  lineDropped = false;
  receivedThisConnection_ = 0;
}

void PrinterEngine::Disconnect(uint32_t nowMs) {
  if (!pending_.empty()) {
    AddLog("connection ended inside a command, dropped " + Describe(pending_.data(), pending_.size()));
    pending_.clear();
  }
  ctx.keyCodeBlocksLeft.clear();
  // What was printed without a cut comes out as a page of its own.
  if (ctx.page.PageStarted()) ctx.page.Cut();
  CollectResults(nowMs);
}

size_t PrinterEngine::Receive(const uint8_t* data, size_t count, uint32_t nowMs) {
  if (lineDropped) return 0;
  size_t taken = count;
  const size_t limit = ctx.options.faults.closeAfterBytes;
  if (limit > 0 && receivedThisConnection_ + count >= limit) {
    taken = limit - receivedThisConnection_;
    lineDropped = true;
  }
  receivedThisConnection_ += taken;
  if (taken > 0) {
    transcript.push_back(TranscriptEntry{nowMs, std::vector<uint8_t>(data, data + taken)});
    pending_.insert(pending_.end(), data, data + taken);
    Interpret(nowMs);
  }
  if (lineDropped) AddLog("line dropped after " + std::to_string(receivedThisConnection_) + " bytes");
  return taken;
}

void PrinterEngine::Interpret(uint32_t nowMs) {
  size_t at = 0;
  while (at < pending_.size()) {
    const Frame frame = FrameCommand(pending_.data() + at, pending_.size() - at);
    if (frame.status == FrameStatus::NeedMore) break;
    if (frame.status == FrameStatus::Invalid) {
      AddLog("skipped " + Describe(pending_.data() + at, frame.length) + ": " + frame.why);
    } else {
      Execute(pending_.data() + at, frame.length);
    }
    at += frame.length;
  }
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(at));
  CollectResults(nowMs);
}

void PrinterEngine::Execute(const uint8_t* cmd, size_t count) {
  for (CommandFamily family : kFamilies) {
    if (family(ctx, cmd, count)) return;
  }
  AddLog("ignored " + Describe(cmd, count) + ": not supported");
}

void PrinterEngine::CollectResults(uint32_t nowMs) {
  for (std::string& line : ctx.log) AddLog(line);
  ctx.log.clear();
  const PrinterFaults& faults = ctx.options.faults;
  for (std::vector<uint8_t>& bytes : ctx.replies) {
    if (!faults.silent) replies.push_back(PrinterReply{nowMs + faults.replyDelayMs, std::move(bytes)});
  }
  ctx.replies.clear();
  for (Bitmap& page : ctx.page.TakePages()) {
    pages.push_back(std::move(page));
  }
  if (ctx.stateChanged) {
    ctx.stateChanged = false;
    std::string why;
    if (!ctx.options.stateDir.empty() && !SavePrinterState(ctx.options.stateDir, ctx.state, &why)) {
      AddLog(why);
    }
  }
}

bool PrinterEngine::TakeReply(uint32_t untilMs, PrinterReply& out) {
  if (replies.empty() || replies.front().readyAtMs > untilMs) return false;
  out = std::move(replies.front());
  replies.pop_front();
  return true;
}

void PrinterEngine::AddLog(const std::string& line) {
  if (log.size() >= kMaxLogLines) log.erase(log.begin());
  log.push_back(line);
}
