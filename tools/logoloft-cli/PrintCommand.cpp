// logoloft-cli print: the print dialog's "&Print" of NV bit images stored in a printer over TCP.
#include <string>

#include "logoloft/transfer/StoredLogoPrint.h"
#include "tools/logoloft-cli/CliOptions.h"
#include "tools/logoloft-cli/Commands.h"
#include "tools/logoloft-cli/SocketLayer.h"
#include "tools/logoloft-cli/TcpTarget.h"

int RunPrintCommand(const std::vector<std::string>& args) {
  std::string why;
  auto parsed = SplitArguments(args, {"--to", "--quality", "--select"}, {"--header", "--all"}, why);
  if (!parsed) return UsageError(why);
  if (!parsed->options.count("--to") || !parsed->files.empty()) {
    return UsageError("print needs --to HOST:PORT and takes no files");
  }
  if (parsed->options.count("--select") && parsed->options.count("--all")) {
    return UsageError("print takes --select or --all, not both");
  }
  auto address = ParseAddress(parsed->options["--to"], why);
  auto quality = IntegerOption(*parsed, "--quality", 0, 0, 3, why);
  if (!address || !quality) return UsageError(why);

  // The dialog's choices start at quality 0, no header, all numbers.
  LogoPrintChoice choice;
  choice.quality = static_cast<NvPrintMode>(*quality);
  choice.header = parsed->options.count("--header") != 0;
  auto selection = parsed->options.find("--select");
  if (selection != parsed->options.end()) {
    choice.all = false;
    choice.selection = selection->second;
  }
  if (!StartSocketLayer()) return 1;
  return PrintStoredLogos(TcpTargetFor(*address), choice) ? 0 : 1;
}
