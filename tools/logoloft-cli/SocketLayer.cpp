// Starting the socket layer once before a command talks to a printer over TCP.
#include "tools/logoloft-cli/SocketLayer.h"

#include <cstdio>

#include "platform/os/Socket.h"

bool StartSocketLayer() {
  int socketError = 0, systemError = 0;
  if (os::SocketStartup(socketError, systemError)) return true;
  std::fprintf(stderr, "logoloft-cli: Soket Create Error! : %d, %d\n", socketError, systemError);
  return false;
}
