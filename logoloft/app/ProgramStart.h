// The start of the Logoloft program before its main window: the socket layer.
#pragma once

namespace logoloft {

// Starts the socket layer; on failure shows "Soket Create Error! : %d, %d" with the socket
// layer's and the system's error codes and returns false. The program goes on either way.
bool StartSockets();

}  // namespace logoloft
