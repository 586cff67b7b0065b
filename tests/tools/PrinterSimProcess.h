// The printer-sim program on a free localhost port, for the command-line tests: started in the
// constructor (which waits for its "listening" line) and stopped with SIGTERM when it goes.
#pragma once

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

class PrinterSimProcess {
 public:
  explicit PrinterSimProcess(const std::string& stateDir) : port_(FreePort()) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      close(out[0]);
      const std::string listen = "127.0.0.1:" + std::to_string(port_);
      const std::string program = P8_BINARY_DIR "/printer-sim/printer-sim";
      execl(program.c_str(), program.c_str(), "--listen", listen.c_str(), "--state",
            stateDir.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    output_ = fdopen(out[0], "r");
    char line[256];
    while (output_ && std::fgets(line, sizeof line, output_)) {
      if (std::string(line).find("listening") != std::string::npos) {
        listening_ = true;
        break;
      }
    }
  }

  ~PrinterSimProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (output_) std::fclose(output_);
  }

  PrinterSimProcess(const PrinterSimProcess&) = delete;
  PrinterSimProcess& operator=(const PrinterSimProcess&) = delete;

  bool Listening() const { return listening_; }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  // A port the system just handed out for a moment, so nobody else is listening on it.
  static int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      port = ntohs(address.sin_port);
    }
    close(s);
    return port;
  }

  int port_;
  pid_t pid_ = -1;
  std::FILE* output_ = nullptr;
  bool listening_ = false;
};
