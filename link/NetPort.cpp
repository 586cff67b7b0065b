// The TCP connection to a printer's raw printing port.
#include "link/NetPort.h"

#include <algorithm>
#include <climits>

#include "link/LinkVariant.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"

namespace {

constexpr uint32_t kLinkWritePiece = 4096;
constexpr uint32_t kLinkWritePauseMs = 500;

// Logoloft shows the connection's failures in its application box; Pinset in an owner-less
// "Error" box with the error icon.
void ShowConnectionError(const char* text) {
  if (BuiltLinkVariant() == LinkVariant::LogoloftVariant) {
    os::MessageBoxA(nullptr, text, "Logoloft", os::kMbOk);
  } else {
    os::MessageBoxA(nullptr, text, "Error", os::kMbOk | os::kMbIconError);
  }
}

}  // namespace

NetPort::NetPort(const std::string& ipAddress, int tcpPort) { SetUp(ipAddress, tcpPort); }

NetPort::~NetPort() { Close(); }

bool NetPort::SetUp(const std::string& ipAddress, int tcpPort) {
  ipAddress_ = ipAddress;
  tcpPort_ = tcpPort;
  return true;
}

bool NetPort::Open() {
  Close();
  socket_ = os::CreateStreamSocket();
  if (socket_ == os::kInvalidSocket) {
    ShowConnectionError("Error : Failed to Create socket!");
    return false;
  }
  if (!os::ConnectSocket(socket_, ipAddress_.c_str(), tcpPort_)) {
    Close();
    ShowConnectionError(
        "Error : Failed to connected \r\nPlease, check IP port configuration in printer control "
        "pannel \"PORT\"");
    return false;
  }
  return true;
}

uint32_t NetPort::SendPieces(const uint8_t* data, uint32_t count, uint32_t pieceSize,
                             uint32_t pauseMs) {
  const uint32_t piece = pieceSize == 0 ? count : std::min<uint32_t>(pieceSize, INT_MAX);
  uint32_t sent = 0;
  while (count - sent > piece) {
    const int result = os::SendSocket(socket_, data + sent, static_cast<int>(piece));
    if (result < 1) {
      return sent;
    }
    sent += static_cast<uint32_t>(result);
    os::Sleep(pauseMs);
  }
  const int result = os::SendSocket(socket_, data + sent, static_cast<int>(count - sent));
  if (result >= 1) {
    sent += static_cast<uint32_t>(result);
  }
  return sent;
}

int NetPort::Write(const uint8_t* data, uint32_t count) {
  if (!IsOpen() || data == nullptr || count == 0) {
    return 0;
  }
  return static_cast<int>(SendPieces(data, std::min<uint32_t>(count, INT_MAX), kLinkWritePiece,
                                     kLinkWritePauseMs));
}

bool NetPort::SendInPieces(const uint8_t* data, uint32_t count, uint32_t pieceSize,
                           uint32_t pauseMs) {
  if (!IsOpen() || data == nullptr || count == 0) {
    return false;
  }
  return SendPieces(data, count, pieceSize, pauseMs) == count;
}

int NetPort::Read(uint8_t* buffer, uint32_t count, uint32_t timeoutMs) {
  if (!IsOpen() || buffer == nullptr || count == 0) {
    return 0;
  }
  return os::ReceiveSocket(socket_, buffer, static_cast<int>(std::min<uint32_t>(count, INT_MAX)),
                           timeoutMs);
}

void NetPort::Close() {
  if (socket_ != os::kInvalidSocket) {
    os::CloseSocket(socket_);
    socket_ = os::kInvalidSocket;
  }
}
