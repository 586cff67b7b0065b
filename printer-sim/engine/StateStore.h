// Keeps the virtual printer's NV memory in a state directory: one text file, replaced atomically.
#pragma once

#include <string>

#include "printer-sim/engine/PrinterState.h"

// Reads DIR/nvstate.txt into `state`. A missing file leaves the state empty and returns true with
// no reason; an unreadable or damaged one returns false with the reason, leaving `state` empty.
bool LoadPrinterState(const std::string& dir, PrinterState& state, std::string* why);
// Writes `state` to a temporary file in DIR and renames it over DIR/nvstate.txt.
bool SavePrinterState(const std::string& dir, const PrinterState& state, std::string* why);
