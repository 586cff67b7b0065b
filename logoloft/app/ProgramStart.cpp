// The start of the Logoloft program before its main window: the socket layer.
#include "logoloft/app/ProgramStart.h"

#include <cstdio>

#include "platform/os/MessageBox.h"
#include "platform/os/Socket.h"

namespace logoloft {

bool StartSockets() {
  int socketError = 0;
  int systemError = 0;
  if (os::SocketStartup(socketError, systemError)) return true;
  char text[64];
  std::snprintf(text, sizeof text, "Soket Create Error! : %d, %d", socketError, systemError);
  os::MessageBoxA(nullptr, text, "Logoloft", os::kMbOk);
  return false;
}

}  // namespace logoloft
