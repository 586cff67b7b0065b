// Where a Logoloft action talks to the printer: what the main window hands every printer dialog.
#pragma once

#include <string>

#include "link/LinkKind.h"
#include "link/PortSettings.h"

struct PrinterTarget {
  PortSettings settings;
  int interfaceKind = 0;  // a LinkKind code; 3 uses the dialog's NetPort, anything else the link
  std::string ipAddress;  // "%d.%d.%d.%d" of IP1 .. IP4
  int tcpPort = 0;

  bool UsesNetPort() const { return interfaceKind == static_cast<int>(LinkKind::Ethernet); }
};

// The target the record itself describes: its interface kind, address text and TCP port.
inline PrinterTarget TargetOf(const PortSettings& settings) {
  return PrinterTarget{settings, settings.interfaceKind, settings.ipAddress, settings.tcpPort};
}
