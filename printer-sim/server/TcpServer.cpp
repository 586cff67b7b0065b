// The printer-sim socket loop: bytes go to the engine with the time since start, replies go back
// when they are ready, and the line is dropped when the engine says so.
#include "printer-sim/server/TcpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>

namespace {

constexpr int kPollMs = 100;

uint32_t NowMs() {
  static const auto start = std::chrono::steady_clock::now();
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

// Closes the socket it owns.
class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() { if (fd_ >= 0) close(fd_); }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Waits until `fd` is readable or `timeoutMs` passed; false on a signal or a time-out.
bool WaitReadable(int fd, int timeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(fd, &set);
  timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return select(fd + 1, &set, nullptr, nullptr, &tv) > 0;
}

bool SendAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

// Time until the next reply is due, capped at the poll interval.
int NextWaitMs(const VirtualPrinter& printer) {
  const std::vector<PrinterReply> pending = printer.PendingReplies();
  if (pending.empty()) return kPollMs;
  const uint32_t now = NowMs();
  const uint32_t due = pending.front().readyAtMs;
  if (due <= now) return 0;
  return due - now < static_cast<uint32_t>(kPollMs) ? static_cast<int>(due - now) : kPollMs;
}

void Serve(int fd, VirtualPrinter& printer, OutputFiles& files, const std::atomic<bool>& stop) {
  printer.Connect(NowMs());
  uint8_t buffer[4096];
  bool open = true;
  while (open && !stop) {
    if (WaitReadable(fd, NextWaitMs(printer))) {
      const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) {
        open = false;
      } else {
        printer.Receive(buffer, static_cast<size_t>(n), NowMs());
        if (printer.LineDropped()) open = false;
      }
    }
    PrinterReply reply;
    while (printer.TakeReply(NowMs(), reply)) {
      if (!SendAll(fd, reply.bytes)) open = false;
    }
    files.WriteNew(printer);
  }
  printer.Disconnect(NowMs());
  files.WriteNew(printer);
}

}  // namespace

int OpenListener(const std::string& host, int port, std::string& why) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
    why = "not an IPv4 address: " + host;
    return -1;
  }
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) {
    why = std::strerror(errno);
    return -1;
  }
  const int yes = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 4) != 0) {
    why = std::strerror(errno);
    close(fd);
    return -1;
  }
  return fd;
}

void ServeConnections(int listener, VirtualPrinter& printer, OutputFiles& files, const std::atomic<bool>& stop) {
  while (!stop) {
    if (!WaitReadable(listener, kPollMs)) continue;
    Socket client(accept(listener, nullptr, nullptr));
    if (client.fd() < 0) continue;
    std::cerr << "connection opened\n";
    Serve(client.fd(), printer, files, stop);
    std::cerr << "connection closed\n";
    for (const std::string& line : printer.Log()) std::cerr << "  " << line << "\n";
  }
}
