// logoloft-check: the conversion and .prn commands of logoloft-cli as a Windows console program, so
// a run under Wine shows that the Windows build writes the same bytes as the host build.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/logoloft-cli/Commands.h"

int UsageError(const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "logoloft-check: %s\n", why.c_str());
  std::fputs("usage: logoloft-check prn --model-type T --width W [options] -o OUT.prn A.bmp ...\n",
             stderr);
  return 2;
}

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) != "prn") return UsageError("");
  return RunPrnCommand(std::vector<std::string>(argv + 2, argv + argc));
}
