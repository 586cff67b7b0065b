// The TCP connection to a printer's raw printing port.
#pragma once

#include <cstdint>
#include <string>

#include "platform/os/Socket.h"

class NetPort {
 public:
  NetPort() = default;
  NetPort(const std::string& ipAddress, int tcpPort);
  virtual ~NetPort();
  NetPort(const NetPort&) = delete;
  NetPort& operator=(const NetPort&) = delete;

  // Stores the printer's address and port for the next Open; always succeeds.
  bool SetUp(const std::string& ipAddress, int tcpPort);

  // Creates the socket and connects; shows the failure in a message box and returns false,
  // leaving no socket open, when either step fails.
  bool Open();
  bool IsOpen() const { return socket_ != os::kInvalidSocket; }

  // Sends in pieces of 4096 bytes with 500 ms pauses between them; returns the bytes sent, fewer
  // than `count` when a send failed. 0 when not open, `data` is null or `count` is 0.
  int Write(const uint8_t* data, uint32_t count);

  // Sends in pieces of `pieceSize` bytes with `pauseMs` between pieces (none after the last one);
  // true only when every byte went out. A send that returns less than 1 fails the whole write.
  bool SendInPieces(const uint8_t* data, uint32_t count, uint32_t pieceSize, uint32_t pauseMs);

  // One receive of at most `count` bytes, waiting at most `timeoutMs` for the first one. Returns the
  // bytes received, 0 when nothing came in time or the printer closed, negative on a socket error.
  int Read(uint8_t* buffer, uint32_t count, uint32_t timeoutMs);

  void Close();

 private:
  // The bytes sent before the first failing send.
  uint32_t SendPieces(const uint8_t* data, uint32_t count, uint32_t pieceSize, uint32_t pauseMs);

  std::string ipAddress_;
  int tcpPort_ = 0;
  os::SocketHandle socket_ = os::kInvalidSocket;
};
