// The virtual printer as a peer of the simulated network.
#include "printer-sim/engine/SimPrinterPeer.h"

SimPrinterPeer::SimPrinterPeer(VirtualPrinter& printer, uint32_t nowMs) : printer_(printer) {
  printer_.Connect(nowMs);
}

size_t SimPrinterPeer::Receive(const uint8_t* data, size_t count, uint32_t nowMs) {
  return printer_.Receive(data, count, nowMs);
}

bool SimPrinterPeer::TakeReply(uint32_t untilMs, sim::PeerReply& out) {
  PrinterReply reply;
  if (!printer_.TakeReply(untilMs, reply)) return false;
  out.readyAtMs = reply.readyAtMs;
  out.bytes = std::move(reply.bytes);
  return true;
}

void SimPrinterPeer::Disconnect(uint32_t nowMs) { printer_.Disconnect(nowMs); }

sim::PeerFactory SimPrinterFactory(VirtualPrinter& printer) {
  return [&printer](uint32_t nowMs) { return std::make_unique<SimPrinterPeer>(printer, nowMs); };
}
