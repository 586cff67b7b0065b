// The connection of one Logoloft action: the dialog's NetPort for TCP, its PrinterLink otherwise.
#include "logoloft/transfer/LogoloftConnection.h"

#include <climits>

#include "platform/os/MessageBox.h"

LogoloftConnection::~LogoloftConnection() { Close(); }

bool LogoloftConnection::Open(const PrinterTarget& target, const char* openFailedText) {
  Close();
  if (target.UsesNetPort()) {
    netPort_.SetUp(target.ipAddress, target.tcpPort);
    if (!netPort_.Open()) return false;
    opened_ = Opened::Net;
    return true;
  }
  // A link that Create refuses has no port to open, so Open fails for it as well.
  link_.Create(target.settings);
  if (!link_.Open()) {
    if (openFailedText != nullptr) os::MessageBoxA(nullptr, openFailedText, kLogoloftCaption, os::kMbOk);
    return false;
  }
  opened_ = Opened::Link;
  return true;
}

int LogoloftConnection::Write(const uint8_t* data, uint32_t count) {
  if (data == nullptr || count == 0) return 0;
  switch (opened_) {
    case Opened::Net:
      if (count > INT_MAX) return 0;
      return netPort_.SendInPieces(data, count, count, 0) ? static_cast<int>(count) : 0;
    case Opened::Link:
      return link_.Write(data, count);
    case Opened::None:
      break;
  }
  return 0;
}

void LogoloftConnection::Close() {
  if (opened_ == Opened::Net) netPort_.Close();
  if (opened_ == Opened::Link) link_.Close();
  opened_ = Opened::None;
}
