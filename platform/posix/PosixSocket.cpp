// The seam's stream sockets on the host: BSD sockets, blocking connect and send, receive bounded
// by poll().
#include "platform/os/Socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/Clock.h"

namespace os {

bool SocketStartup(int&, int&) { return true; }  // BSD sockets need no start-up

SocketHandle CreateStreamSocket() {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return fd < 0 ? kInvalidSocket : static_cast<SocketHandle>(fd);
}

bool ConnectSocket(SocketHandle s, const char* ipAddress, int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  if (ipAddress == nullptr || port < 0 || port > 65535 ||
      ::inet_pton(AF_INET, ipAddress, &address.sin_addr) != 1) {
    return false;
  }
  address.sin_port = htons(static_cast<uint16_t>(port));
  int fd = static_cast<int>(s);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
  if (errno != EINTR) return false;
  // An interrupted connect goes on in the background: wait for its outcome.
  pollfd waiting{fd, POLLOUT, 0};
  while (::poll(&waiting, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  int error = 0;
  socklen_t length = sizeof error;
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

int SendSocket(SocketHandle s, const uint8_t* data, int count) {
  if (data == nullptr || count < 0) return -1;
  int sent = 0;
  while (sent < count) {
    ssize_t n = ::send(static_cast<int>(s), data + sent, static_cast<size_t>(count - sent),
                       MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return sent > 0 ? sent : -1;
    sent += static_cast<int>(n);
  }
  return sent;
}

int ReceiveSocket(SocketHandle s, uint8_t* buffer, int count, uint32_t timeoutMs) {
  if (buffer == nullptr || count <= 0) return -1;
  int fd = static_cast<int>(s);
  uint32_t startMs = GetTickCount();
  for (;;) {
    uint32_t elapsedMs = GetTickCount() - startMs;
    int leftMs = elapsedMs >= timeoutMs ? 0 : static_cast<int>(timeoutMs - elapsedMs);
    pollfd waiting{fd, POLLIN, 0};
    int ready = ::poll(&waiting, 1, leftMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) return -1;
    if (ready == 0) return 0;  // nothing came in time
    ssize_t got = ::recv(fd, buffer, static_cast<size_t>(count), 0);
    if (got < 0 && errno == EINTR) continue;
    return got < 0 ? -1 : static_cast<int>(got);
  }
}

void CloseSocket(SocketHandle s) {
  if (s != kInvalidSocket) ::close(static_cast<int>(s));
}

}  // namespace os
