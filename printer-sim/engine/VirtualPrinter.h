// The virtual printer: a printer of the family on the wire. Fed with received bytes and the virtual
// time, it interprets the command set, answers, keeps its NV memory and prints pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "printer-sim/engine/PrinterOptions.h"
#include "printer-sim/engine/PrinterState.h"
#include "printer-sim/engine/Transcript.h"

class PrinterEngine;

class VirtualPrinter {
 public:
  // Loads the NV memory from options.stateDir when one is given.
  explicit VirtualPrinter(PrinterOptions options = {});
  ~VirtualPrinter();
  VirtualPrinter(const VirtualPrinter&) = delete;
  VirtualPrinter& operator=(const VirtualPrinter&) = delete;

  // One connection at a time: Connect starts a fresh byte stream (a command left unfinished by the
  // previous connection is dropped), Disconnect ends it and ends the page when no cut came.
  void Connect(uint32_t nowMs);
  void Disconnect(uint32_t nowMs);
  // Bytes from the host, in any chunking. Returns how many were taken: fewer than `count` when
  // the close-after fault dropped the line; after that, 0 until the next Connect.
  size_t Receive(const uint8_t* data, size_t count, uint32_t nowMs);
  size_t Receive(const std::vector<uint8_t>& bytes, uint32_t nowMs);
  bool LineDropped() const;

  // Moves the earliest reply ready at or before `untilMs` into `out`.
  bool TakeReply(uint32_t untilMs, PrinterReply& out);
  // Every reply not taken yet, whatever its time.
  std::vector<PrinterReply> PendingReplies() const;
  // Takes every reply ready at or before `untilMs`, joined in order.
  std::vector<uint8_t> TakeReplyBytes(uint32_t untilMs);

  PrinterFaults& Faults();
  const PrinterOptions& Options() const;

  // NV memory and settings.
  const PrinterState& State() const;
  std::vector<std::string> KeyCodes() const;  // stored NV graphics, in key-code order
  uint32_t RemainingCapacity() const;         // free NV graphics memory in bytes
  bool InUserSettingMode() const;

  // Every chunk received, with its arrival time, across all connections.
  const std::vector<TranscriptEntry>& Transcript() const;
  std::vector<uint8_t> ReceivedBytes() const;

  // Finished pages (ended by a cut or by the end of a connection), oldest first.
  const std::vector<Bitmap>& Pages() const;
  int Cuts() const;
  int DrawerPulses() const;
  // What the printer skipped or refused, one line each.
  const std::vector<std::string>& Log() const;

 private:
  std::unique_ptr<PrinterEngine> engine_;
};
