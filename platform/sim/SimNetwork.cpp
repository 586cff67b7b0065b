// The simulated network: the seam's stream sockets routed to in-process peers on the virtual clock.
#include "platform/sim/SimNetwork.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "platform/os/Socket.h"
#include "platform/sim/SimClock.h"

namespace sim {
namespace {

struct SimSocket {
  std::unique_ptr<StreamPeer> peer;  // null until connected
  bool dropped = false;              // the peer took fewer bytes than sent: the line is dead
  std::optional<PeerReply> pending;  // taken from the peer, not yet (fully) received
};

struct Network {
  std::mutex mutex;
  std::map<std::string, PeerFactory> listeners;  // keyed by ListenKey
  std::map<os::SocketHandle, SimSocket> sockets;
  os::SocketHandle nextHandle = 1;
  std::optional<std::pair<int, int>> startupFailure;
  bool failCreation = false;
};

Network& State() {
  static Network network;
  return network;
}

std::string ListenKey(const std::string& ipAddress, int port) {
  return ipAddress + ":" + std::to_string(port);
}

SimSocket* FindLocked(os::SocketHandle s) {
  auto found = State().sockets.find(s);
  return found == State().sockets.end() ? nullptr : &found->second;
}

}  // namespace

void Listen(const std::string& ipAddress, int port, PeerFactory factory) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().listeners[ListenKey(ipAddress, port)] = std::move(factory);
}

void StopListening(const std::string& ipAddress, int port) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().listeners.erase(ListenKey(ipAddress, port));
}

void FailSocketStartup(int socketError, int systemError) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().startupFailure = std::make_pair(socketError, systemError);
}

void FailSocketCreation(bool fail) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().failCreation = fail;
}

int OpenSocketCount() {
  std::lock_guard<std::mutex> lock(State().mutex);
  return static_cast<int>(State().sockets.size());
}

void ResetNetwork() {
  Network& network = State();
  std::map<os::SocketHandle, SimSocket> sockets;
  std::map<std::string, PeerFactory> listeners;
  {
    std::lock_guard<std::mutex> lock(network.mutex);
    sockets.swap(network.sockets);
    listeners.swap(network.listeners);
    network.nextHandle = 1;
    network.startupFailure.reset();
    network.failCreation = false;
  }
  // Peers and factories go here, outside the lock, in case their destructors reach the network.
}

}  // namespace sim

namespace os {

bool SocketStartup(int& socketError, int& systemError) {
  std::lock_guard<std::mutex> lock(sim::State().mutex);
  if (!sim::State().startupFailure) return true;
  socketError = sim::State().startupFailure->first;
  systemError = sim::State().startupFailure->second;
  return false;
}

SocketHandle CreateStreamSocket() {
  std::lock_guard<std::mutex> lock(sim::State().mutex);
  if (sim::State().failCreation) return kInvalidSocket;
  SocketHandle handle = sim::State().nextHandle++;
  sim::State().sockets[handle];
  return handle;
}

bool ConnectSocket(SocketHandle s, const char* ipAddress, int port) {
  if (ipAddress == nullptr) return false;
  uint32_t nowMs = sim::NowMs();
  std::lock_guard<std::mutex> lock(sim::State().mutex);
  sim::SimSocket* socket = sim::FindLocked(s);
  if (socket == nullptr || socket->peer) return false;
  auto listener = sim::State().listeners.find(sim::ListenKey(ipAddress, port));
  if (listener == sim::State().listeners.end()) return false;
  socket->peer = listener->second(nowMs);
  return socket->peer != nullptr;
}

int SendSocket(SocketHandle s, const uint8_t* data, int count) {
  uint32_t nowMs = sim::NowMs();
  std::lock_guard<std::mutex> lock(sim::State().mutex);
  sim::SimSocket* socket = sim::FindLocked(s);
  if (socket == nullptr || !socket->peer || socket->dropped || count < 0) return -1;
  if (count == 0) return 0;
  size_t taken = socket->peer->Receive(data, static_cast<size_t>(count), nowMs);
  if (taken >= static_cast<size_t>(count)) return count;
  socket->dropped = true;
  return taken > 0 ? static_cast<int>(taken) : -1;
}

int ReceiveSocket(SocketHandle s, uint8_t* buffer, int count, uint32_t timeoutMs) {
  if (buffer == nullptr || count <= 0) return -1;
  uint32_t nowMs = sim::NowMs();
  uint32_t readyAtMs = 0;
  {
    std::lock_guard<std::mutex> lock(sim::State().mutex);
    sim::SimSocket* socket = sim::FindLocked(s);
    if (socket == nullptr || !socket->peer) return -1;
    if (!socket->pending && !socket->dropped) {
      sim::PeerReply reply;
      if (socket->peer->TakeReply(nowMs + timeoutMs, reply)) socket->pending = std::move(reply);
    }
    if (!socket->pending) {
      if (socket->dropped) return 0;  // the peer has closed the line
      readyAtMs = nowMs + timeoutMs;
    } else {
      readyAtMs = std::max(nowMs, socket->pending->readyAtMs);
    }
  }
  sim::WaitUntil(readyAtMs);  // the wait is a blocking call on the virtual clock
  std::lock_guard<std::mutex> lock(sim::State().mutex);
  sim::SimSocket* socket = sim::FindLocked(s);
  if (socket == nullptr) return -1;
  if (!socket->pending) return 0;
  std::vector<uint8_t>& bytes = socket->pending->bytes;
  size_t delivered = std::min(bytes.size(), static_cast<size_t>(count));
  std::memcpy(buffer, bytes.data(), delivered);
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(delivered));
  if (bytes.empty()) socket->pending.reset();
  return static_cast<int>(delivered);
}

void CloseSocket(SocketHandle s) {
  uint32_t nowMs = sim::NowMs();
  std::unique_ptr<sim::StreamPeer> peer;
  {
    std::lock_guard<std::mutex> lock(sim::State().mutex);
    auto found = sim::State().sockets.find(s);
    if (found == sim::State().sockets.end()) return;
    peer = std::move(found->second.peer);
    sim::State().sockets.erase(found);
  }
  if (peer) peer->Disconnect(nowMs);
}

}  // namespace os
