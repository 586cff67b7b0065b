// printer-sim: the virtual printer on a real TCP port, with its state, printouts and transcript
// kept in a folder.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>

#include "printer-sim/server/CommandLine.h"
#include "printer-sim/server/OutputFiles.h"
#include "printer-sim/server/TcpServer.h"

namespace {

std::atomic<bool> stopRequested{false};

void RequestStop(int) { stopRequested = true; }

void InstallSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a blocked select returns at once
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  ServerOptions options;
  std::string why;
  if (!ParseCommandLine(argc, argv, options, why)) {
    std::cerr << "printer-sim: " << why << "\n" << kUsage;
    return 2;
  }
  InstallSignalHandlers();
  const int listener = OpenListener(options.host, options.port, why);
  if (listener < 0) {
    std::cerr << "printer-sim: cannot listen on " << options.host << ":" << options.port << ": " << why << "\n";
    return 1;
  }
  VirtualPrinter printer(options.printer);
  OutputFiles files(options.outputDir);
  std::cout << "listening on " << options.host << ":" << options.port << std::endl;
  ServeConnections(listener, printer, files, stopRequested);
  close(listener);
  return 0;
}
