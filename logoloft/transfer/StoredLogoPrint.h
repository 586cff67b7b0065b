// Printing logos already stored in the printer: the print dialog's "&Print" (NV bit images by
// number, FS p) and the main window's "Print" for impact models (ESC g 1 .. 10).
#pragma once

#include <string>

#include "logoloft/encoders/Bytes.h"
#include "logoloft/encoders/PrintCommands.h"
#include "logoloft/transfer/PrinterTarget.h"

// The print dialog's choices; each opening starts from these defaults.
struct LogoPrintChoice {
  NvPrintMode quality = NvPrintMode::Normal;
  bool header = false;     // "Add Header"
  bool all = true;         // "All" (1 .. 255) rather than "Selection"
  std::string selection;   // the selection edit's text
};

// The 30-byte text block printed above logo `n`: "----- Logo : n -----\n" filled with zero bytes.
Bytes LogoHeaderBlock(int n);

// "&Print": connects, prints every chosen number (the header block first when it is on, then
// FS p with the number modulo 256 and the quality) and closes the connection again. Shows
// "Select Image Number Please!" or "Selection Format Error!" and prints nothing for a bad
// selection. False when nothing was sent for that reason or the connection failed.
bool PrintStoredLogos(const PrinterTarget& target, const LogoPrintChoice& choice);

// "Print" of an impact model: ESC g n for n = 1 .. 10 over its own connection. False when the
// connection failed (a NetPort shows why; a link that cannot be opened shows nothing).
bool PrintStoredImpactImages(const PrinterTarget& target);
