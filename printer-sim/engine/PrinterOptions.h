// What the virtual printer reports about itself and how it can be told to misbehave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Misbehaviours a test (or the printer-sim command line) can switch on.
struct PrinterFaults {
  bool silent = false;           // never answer anything
  uint32_t replyDelayMs = 0;     // answers become ready this long after the command arrived
  size_t closeAfterBytes = 0;    // drop the line after this many bytes of one connection; 0: never
  bool refuseTwoColour = false;  // answer the two-colour firmware check (GS I 3) with a refusal
};

struct PrinterOptions {
  std::string modelName = "P-8";        // GS I 67 answer
  std::string firmwareText = "V1.00";   // GS I 65 answer
  int paperWidthDots = 576;             // width of every printed page
  std::string stateDir;                 // NV memory kept here across restarts; empty: memory only
  PrinterFaults faults;
};
