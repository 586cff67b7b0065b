// "Print" for an impact model: ESC g n for n = 1 .. 10, three bytes each.
#include "logoloft/app/ImpactPrint.h"

#include <cstdint>

#include "link/LinkKind.h"
#include "link/NetPort.h"

namespace logoloft {
namespace {

constexpr int kStoredImages = 10;

template <class Port>
void SendPrintCommands(Port& port) {
  for (int n = 1; n <= kStoredImages; ++n) {
    const uint8_t command[3] = {0x1B, 0x67, static_cast<uint8_t>(n)};
    port.Write(command, 3);
  }
}

}  // namespace

void PrintStoredImpactImages(const PortSettings& settings, PrinterLink& link) {
  if (settings.interfaceKind == static_cast<int>(LinkKind::Ethernet)) {
    NetPort port(settings.ipAddress, settings.tcpPort);
    if (!port.Open()) return;
    SendPrintCommands(port);
    port.Close();
    return;
  }
  link.Create(settings);
  link.Open();
  SendPrintCommands(link);
  link.Close();
}

}  // namespace logoloft
