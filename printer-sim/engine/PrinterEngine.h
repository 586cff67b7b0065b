// The virtual printer's byte-stream interpreter: resumes commands across chunks, hands each
// complete command to its family, times the replies and keeps the NV memory saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "printer-sim/engine/EngineContext.h"
#include "printer-sim/engine/Transcript.h"

class PrinterEngine {
 public:
  explicit PrinterEngine(const PrinterOptions& options);

  void Connect(uint32_t nowMs);
  void Disconnect(uint32_t nowMs);
  size_t Receive(const uint8_t* data, size_t count, uint32_t nowMs);
  bool TakeReply(uint32_t untilMs, PrinterReply& out);

  EngineContext ctx;
  std::deque<PrinterReply> replies;
  std::vector<TranscriptEntry> transcript;
  std::vector<Bitmap> pages;
  std::vector<std::string> log;
  bool lineDropped = false;

 private:
  void Interpret(uint32_t nowMs);
  void Execute(const uint8_t* cmd, size_t count);
  void CollectResults(uint32_t nowMs);
  void AddLog(const std::string& line);

  std::vector<uint8_t> pending_;  // received bytes not yet interpreted
  size_t receivedThisConnection_ = 0;
};
