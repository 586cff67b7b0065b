// The virtual printer's public face over its interpreter.
#include "printer-sim/engine/VirtualPrinter.h"

#include "printer-sim/engine/PrinterEngine.h"

VirtualPrinter::VirtualPrinter(PrinterOptions options)
    : engine_(std::make_unique<PrinterEngine>(options)) {}
VirtualPrinter::~VirtualPrinter() = default;

void VirtualPrinter::Connect(uint32_t nowMs) { engine_->Connect(nowMs); }
void VirtualPrinter::Disconnect(uint32_t nowMs) { engine_->Disconnect(nowMs); }

size_t VirtualPrinter::Receive(const uint8_t* data, size_t count, uint32_t nowMs) {
  return engine_->Receive(data, count, nowMs);
}
size_t VirtualPrinter::Receive(const std::vector<uint8_t>& bytes, uint32_t nowMs) {
  return engine_->Receive(bytes.data(), bytes.size(), nowMs);
}
bool VirtualPrinter::LineDropped() const { return engine_->lineDropped; }

bool VirtualPrinter::TakeReply(uint32_t untilMs, PrinterReply& out) { return engine_->TakeReply(untilMs, out); }

std::vector<PrinterReply> VirtualPrinter::PendingReplies() const {
  return std::vector<PrinterReply>(engine_->replies.begin(), engine_->replies.end());
}

std::vector<uint8_t> VirtualPrinter::TakeReplyBytes(uint32_t untilMs) {
  std::vector<uint8_t> bytes;
  PrinterReply reply;
  while (engine_->TakeReply(untilMs, reply)) bytes.insert(bytes.end(), reply.bytes.begin(), reply.bytes.end());
  return bytes;
}

PrinterFaults& VirtualPrinter::Faults() { return engine_->ctx.options.faults; }
const PrinterOptions& VirtualPrinter::Options() const { return engine_->ctx.options; }

const PrinterState& VirtualPrinter::State() const { return engine_->ctx.state; }

std::vector<std::string> VirtualPrinter::KeyCodes() const {
  std::vector<std::string> codes;
  for (const auto& entry : engine_->ctx.state.nvGraphics) codes.push_back(entry.first);
  return codes;
}

uint32_t VirtualPrinter::RemainingCapacity() const { return RemainingNvGraphicsCapacity(engine_->ctx.state); }
bool VirtualPrinter::InUserSettingMode() const { return engine_->ctx.userSettingMode; }

const std::vector<TranscriptEntry>& VirtualPrinter::Transcript() const { return engine_->transcript; }

std::vector<uint8_t> VirtualPrinter::ReceivedBytes() const {
  std::vector<uint8_t> bytes;
  for (const TranscriptEntry& entry : engine_->transcript) bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.end());
  return bytes;
}

const std::vector<Bitmap>& VirtualPrinter::Pages() const { return engine_->pages; }
int VirtualPrinter::Cuts() const { return engine_->ctx.cuts; }
int VirtualPrinter::DrawerPulses() const { return engine_->ctx.drawerPulses; }
const std::vector<std::string>& VirtualPrinter::Log() const { return engine_->log; }
