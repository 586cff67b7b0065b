// The connection of one Logoloft action: the dialog's NetPort for TCP, its PrinterLink otherwise.
#pragma once

#include <cstdint>

#include "link/NetPort.h"
#include "link/PrinterLink.h"
#include "logoloft/transfer/PrinterTarget.h"

// The caption of every box Logoloft shows.
constexpr const char* kLogoloftCaption = "Logoloft";
// How most Logoloft dialogs word a port that cannot be opened.
constexpr const char* kOpenPortFailedText = "Error : Openport failed!";

// Holds both ports; closes whichever it opened when it is closed or destroyed.
class LogoloftConnection {
 public:
  LogoloftConnection() = default;
  ~LogoloftConnection();
  LogoloftConnection(const LogoloftConnection&) = delete;
  LogoloftConnection& operator=(const LogoloftConnection&) = delete;

  // Closes what is open, then connects the NetPort (which shows its own failures) or creates and
  // opens the link; a link that cannot be opened shows `openFailedText`, unless it is null.
  bool Open(const PrinterTarget& target, const char* openFailedText);
  bool IsOpen() const { return opened_ != Opened::None; }

  // The bytes written: the NetPort sends the whole buffer at once (all or 0), the link writes as
  // its port does. 0 when nothing is open, `data` is null or `count` 0.
  int Write(const uint8_t* data, uint32_t count);

  void Close();

 private:
  enum class Opened { None, Net, Link };

  NetPort netPort_;
  PrinterLink link_;
  Opened opened_ = Opened::None;
};
