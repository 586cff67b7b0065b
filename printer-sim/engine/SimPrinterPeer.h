// Connects a virtual printer to the simulated network: one peer per accepted connection, all of
// them talking to the same printer on the virtual clock.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/sim/SimNetwork.h"
#include "printer-sim/engine/VirtualPrinter.h"

class SimPrinterPeer : public sim::StreamPeer {
 public:
  SimPrinterPeer(VirtualPrinter& printer, uint32_t nowMs);
  size_t Receive(const uint8_t* data, size_t count, uint32_t nowMs) override;
  bool TakeReply(uint32_t untilMs, sim::PeerReply& out) override;
  void Disconnect(uint32_t nowMs) override;

 private:
  VirtualPrinter& printer_;
};

// A factory for sim::Listen that serves every connection with `printer`, which must outlive it:
//   sim::Listen("192.168.0.50", 9100, SimPrinterFactory(printer));
sim::PeerFactory SimPrinterFactory(VirtualPrinter& printer);
