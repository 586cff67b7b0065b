// The seam's stream sockets on Windows: Winsock 2, blocking connect and send, receive bounded by
// select().
#include "platform/os/Socket.h"

#include <winsock2.h>
#include <windows.h>

namespace os {

bool SocketStartup(int& socketError, int& systemError) {
  WSADATA data{};
  int result = ::WSAStartup(MAKEWORD(2, 2), &data);
  if (result == 0) return true;
  socketError = result;  // WSAStartup reports its error as its result, not through WSAGetLastError
  systemError = static_cast<int>(::GetLastError());
  return false;
}

SocketHandle CreateStreamSocket() {
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  return s == INVALID_SOCKET ? kInvalidSocket : static_cast<SocketHandle>(s);
}

bool ConnectSocket(SocketHandle s, const char* ipAddress, int port) {
  if (ipAddress == nullptr || port < 0 || port > 65535) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::inet_addr(ipAddress);
  if (address.sin_addr.s_addr == INADDR_NONE) return false;
  address.sin_port = ::htons(static_cast<u_short>(port));
  return ::connect(static_cast<SOCKET>(s), reinterpret_cast<const sockaddr*>(&address),
                   sizeof address) == 0;
}

int SendSocket(SocketHandle s, const uint8_t* data, int count) {
  if (data == nullptr || count < 0) return -1;
  int sent = 0;
  while (sent < count) {
    int n = ::send(static_cast<SOCKET>(s), reinterpret_cast<const char*>(data) + sent, count - sent, 0);
    if (n <= 0) return sent > 0 ? sent : -1;
    sent += n;
  }
  return sent;
}

int ReceiveSocket(SocketHandle s, uint8_t* buffer, int count, uint32_t timeoutMs) {
  if (buffer == nullptr || count <= 0) return -1;
  SOCKET socket = static_cast<SOCKET>(s);
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket, &readable);
  timeval timeout{static_cast<long>(timeoutMs / 1000), static_cast<long>(timeoutMs % 1000) * 1000L};
  int ready = ::select(0, &readable, nullptr, nullptr, &timeout);
  if (ready == SOCKET_ERROR) return -1;
  if (ready == 0) return 0;  // nothing came in time
  int got = ::recv(socket, reinterpret_cast<char*>(buffer), count, 0);
  return got == SOCKET_ERROR ? -1 : got;
}

void CloseSocket(SocketHandle s) {
  if (s != kInvalidSocket) ::closesocket(static_cast<SOCKET>(s));
}

}  // namespace os
