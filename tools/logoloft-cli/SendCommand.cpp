// logoloft-cli send: the bytes of a file sent as they are to a printer's raw TCP port.
#include <cstdio>

#include "link/NetPort.h"
#include "platform/os/Files.h"
#include "tools/logoloft-cli/CliOptions.h"
#include "tools/logoloft-cli/Commands.h"
#include "tools/logoloft-cli/SocketLayer.h"

int RunSendCommand(const std::vector<std::string>& args) {
  std::string why;
  auto parsed = SplitArguments(args, {"--to"}, {}, why);
  if (!parsed) return UsageError(why);
  if (parsed->files.size() != 1 || !parsed->options.count("--to")) {
    return UsageError("send needs one file and --to HOST:PORT");
  }
  auto address = ParseAddress(parsed->options["--to"], why);
  if (!address) return UsageError(why);

  const std::string& file = parsed->files[0];
  std::vector<uint8_t> bytes;
  if (!os::ReadWholeFile(file.c_str(), bytes) || bytes.empty()) {
    std::fprintf(stderr, "logoloft-cli: %s: cannot read the file, or it is empty\n", file.c_str());
    return 1;
  }
  if (!StartSocketLayer()) return 1;
  NetPort port(address->host, address->port);
  if (!port.Open()) return 1;  // the port has said why
  const uint32_t count = static_cast<uint32_t>(bytes.size());
  const bool sent = port.SendInPieces(bytes.data(), count, count, 0);
  port.Close();
  if (!sent) {
    std::fprintf(stderr, "logoloft-cli: sending %s to %s:%d failed\n", file.c_str(),
                 address->host.c_str(), address->port);
    return 1;
  }
  std::printf("sent %u bytes to %s:%d\n", count, address->host.c_str(), address->port);
  return 0;
}
