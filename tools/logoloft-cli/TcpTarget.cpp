// The printer a command's --to names, as the target of a Logoloft action over TCP.
#include "tools/logoloft-cli/TcpTarget.h"

PrinterTarget TcpTargetFor(const PrinterAddress& address) {
  PortSettings settings;
  settings.interfaceKind = static_cast<int>(LinkKind::Ethernet);
  settings.portName = "Ethernet";
  settings.ipAddress = address.host;
  settings.tcpPort = address.port;
  return TargetOf(settings);
}
