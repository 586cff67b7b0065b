// Serves the virtual printer on a real TCP port, one connection at a time, until stopped.
#pragma once

#include <atomic>
#include <string>

#include "printer-sim/engine/VirtualPrinter.h"
#include "printer-sim/server/OutputFiles.h"

// Binds and listens; returns the socket, or -1 with the reason.
int OpenListener(const std::string& host, int port, std::string& why);
// Accepts and serves connections on `listener` until `stop` becomes true.
void ServeConnections(int listener, VirtualPrinter& printer, OutputFiles& files, const std::atomic<bool>& stop);
