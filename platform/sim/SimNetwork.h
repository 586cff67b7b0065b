// The simulated network: sockets of the program under test reach in-process peers (the virtual
// printer) on the virtual clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sim {

// Bytes a peer sends back, and the virtual time from which the program can receive them.
struct PeerReply {
  uint32_t readyAtMs = 0;
  std::vector<uint8_t> bytes;
};

// One accepted connection as the peer sees it. All calls come with the current virtual time.
class StreamPeer {
 public:
  virtual ~StreamPeer() = default;
  // Bytes sent by the program. Returns how many the peer took; fewer than `count` means the peer
  // dropped the line after that many, and later sends on the connection fail.
  virtual size_t Receive(const uint8_t* data, size_t count, uint32_t nowMs) = 0;
  // Moves the earliest pending reply that is ready at or before `untilMs` into `out`.
  virtual bool TakeReply(uint32_t untilMs, PeerReply& out) = 0;
  // The program closed its socket.
  virtual void Disconnect(uint32_t nowMs) = 0;
};

// Makes a peer for each new connection, or returns null to refuse it.
using PeerFactory = std::function<std::unique_ptr<StreamPeer>(uint32_t nowMs)>;

// Routes connections to `ipAddress`:`port` to peers made by `factory`. Connections to addresses
// nobody listens on are refused.
void Listen(const std::string& ipAddress, int port, PeerFactory factory);
void StopListening(const std::string& ipAddress, int port);

// Makes os::SocketStartup fail with these last error codes (the socket layer's, the system's).
void FailSocketStartup(int socketError, int systemError);
// Makes os::CreateStreamSocket fail while `fail` holds.
void FailSocketCreation(bool fail);
// Sockets created and not yet closed.
int OpenSocketCount();
// Drops every socket, peer and listener and every injected failure.
void ResetNetwork();

}  // namespace sim
