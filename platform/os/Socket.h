// The seam's stream sockets (Winsock on Windows, BSD sockets on the host, the virtual network in tests).
#pragma once

#include <cstdint>

namespace os {

using SocketHandle = intptr_t;
constexpr SocketHandle kInvalidSocket = -1;

// Starts the socket layer once per program. On failure fills the socket layer's and the system's
// last error codes.
bool SocketStartup(int& socketError, int& systemError);

// A new unconnected stream socket, or kInvalidSocket.
SocketHandle CreateStreamSocket();

// Connects to a dotted IPv4 address and port; blocks until connected or refused.
bool ConnectSocket(SocketHandle s, const char* ipAddress, int port);

// One blocking send of all `count` bytes; returns the bytes sent, or a negative value on error.
int SendSocket(SocketHandle s, const uint8_t* data, int count);

// One receive of at most `count` bytes. Waits at most `timeoutMs` for the first byte. Returns the
// bytes received, 0 when the peer closed or nothing came in time, negative on a socket error.
int ReceiveSocket(SocketHandle s, uint8_t* buffer, int count, uint32_t timeoutMs);

void CloseSocket(SocketHandle s);

}  // namespace os
