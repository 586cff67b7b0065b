// The printer-sim command line.
#pragma once

#include <string>

#include "printer-sim/engine/PrinterOptions.h"

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 9100;
  std::string outputDir = ".";  // prints/ and transcript.log; the state directory when given
  PrinterOptions printer;
};

// Parses argv; on an error returns false with the reason.
bool ParseCommandLine(int argc, char** argv, ServerOptions& options, std::string& why);
extern const char kUsage[];
