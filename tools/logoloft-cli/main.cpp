// logoloft-cli: the logo tool's conversion, .prn files, downloads, prints and raw sends on the host,
// without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/logoloft-cli/Commands.h"

int UsageError(const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "logoloft-cli: %s\n", why.c_str());
  std::fputs(
      "usage:\n"
      "  logoloft-cli prn --model-type T --width W [--density single|double|quad]\n"
      "               [--threshold A] [--r-value R] [--l-value L] [--colour red|green|blue|none]\n"
      "               [--invert] -o OUT.prn A.bmp [B.bmp ...]\n"
      "  logoloft-cli show A.bmp -o A.png [--transformed] [--width W] [colour options]\n"
      "  logoloft-cli download --model NAME [--catalogue NV.inf] --to HOST:PORT\n"
      "               [--density single|double|quad] [colour options] A.bmp [B.bmp ...]\n"
      "  logoloft-cli print --to HOST:PORT [--quality 0-3] [--header] [--select TEXT | --all]\n"
      "  logoloft-cli send FILE.prn --to HOST:PORT\n",
      stderr);
  return 2;
}

int main(int argc, char** argv) {
  if (argc < 2) return UsageError("");
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "prn") return RunPrnCommand(args);
  if (command == "show") return RunShowCommand(args);
  if (command == "send") return RunSendCommand(args);
  if (command == "download") return RunDownloadCommand(args);
  if (command == "print") return RunPrintCommand(args);
  return UsageError("unknown command " + command);
}
