// printer-sim [--listen HOST:PORT] [--state DIR] [--model NAME] [--silent] [--reply-delay MS]
//             [--close-after N] [--refuse-two-colour] [--firmware TEXT]
#include "printer-sim/server/CommandLine.h"

#include <cstdlib>

const char kUsage[] =
    "usage: printer-sim [--listen 127.0.0.1:9100] [--state DIR] [--model NAME] [--silent]\n"
    "                   [--reply-delay MS] [--close-after N] [--refuse-two-colour] [--firmware TEXT]\n";

namespace {

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 10) return false;
  value = std::strtoul(text.c_str(), nullptr, 10);
  return value <= max;
}

bool ParseListen(const std::string& text, ServerOptions& options) {
  const size_t colon = text.rfind(':');
  unsigned long port = 0;
  if (colon == std::string::npos || colon == 0 || !ParseNumber(text.substr(colon + 1), 65535, port)) return false;
  options.host = text.substr(0, colon);
  options.port = static_cast<int>(port);
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, ServerOptions& options, std::string& why) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    unsigned long number = 0;
    if (arg == "--silent") {
      options.printer.faults.silent = true;
    } else if (arg == "--refuse-two-colour") {
      options.printer.faults.refuseTwoColour = true;
    } else if (!hasValue && (arg == "--listen" || arg == "--state" || arg == "--model" ||
                             arg == "--reply-delay" || arg == "--close-after" || arg == "--firmware")) {
      why = arg + " needs a value";
      return false;
    } else if (arg == "--listen") {
      if (!ParseListen(argv[++i], options)) {
        why = "--listen takes HOST:PORT";
        return false;
      }
    } else if (arg == "--state") {
      options.outputDir = argv[++i];
      options.printer.stateDir = options.outputDir;
    } else if (arg == "--model") {
      options.printer.modelName = argv[++i];
    } else if (arg == "--firmware") {
      options.printer.firmwareText = argv[++i];
    } else if (arg == "--reply-delay") {
      if (!ParseNumber(argv[++i], 86400000ul, number)) {
        why = "--reply-delay takes milliseconds";
        return false;
      }
      options.printer.faults.replyDelayMs = static_cast<uint32_t>(number);
    } else if (arg == "--close-after") {
      if (!ParseNumber(argv[++i], 0xFFFFFFFFul, number) || number == 0) {
        why = "--close-after takes a byte count above 0";
        return false;
      }
      options.printer.faults.closeAfterBytes = number;
    } else {
      why = "unknown argument " + arg;
      return false;
    }
  }
  return true;
}
