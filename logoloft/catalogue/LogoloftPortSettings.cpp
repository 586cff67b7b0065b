// Logoloft's PortSettings as loaded from the COMMUNICATION section of NV.inf.
#include "logoloft/catalogue/LogoloftPortSettings.h"

#include <cstdio>

#include "link/LinkKind.h"
#include "logoloft/catalogue/ProfileReader.h"
#include "platform/os/MessageBox.h"

namespace {

constexpr const char* kSection = "COMMUNICATION";

void ShowLogoloftMessage(const char* text) { os::MessageBoxA(nullptr, text, "Logoloft", os::kMbOk); }

int ParityCode(const std::string& text) {
  if (text == "ODD") return 1;
  if (text == "EVEN") return 2;
  return 0;
}

int StopBitsCode(const std::string& text) {
  if (text == "2") return 2;
  if (text == "1.5") return 1;
  return 0;
}

std::string DottedAddress(const std::string& infPath) {
  const char* keys[4] = {"IP1", "IP2", "IP3", "IP4"};
  int bytes[4];
  for (int k = 0; k < 4; ++k) {
    bytes[k] = ReadProfileInt(kSection, keys[k], 0, infPath) & 0xFF;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
  return text;
}

}  // namespace

PortSettings LoadLogoloftPortSettings(const std::string& infPath) {
  PortSettings settings;
  settings.interfaceKind = ReadProfileInt(kSection, "INTERFACE", 0, infPath);
  std::string portName = ReadProfileText(kSection, "PORTNAME", infPath);
  if (portName.empty()) {
    ShowLogoloftMessage("Failed to load Port Name");
    settings.interfaceKind = static_cast<int32_t>(LinkKind::Serial);
    portName = "COM1";
  }
  settings.hwFlow = ReadProfileInt("COMMON", "HWFLOW", 0, infPath);
  switch (settings.interfaceKind) {
    case static_cast<int32_t>(LinkKind::Serial):
      settings.portName = portName;
      settings.baudRate = ReadProfileInt(kSection, "BAUDRATE", 19200, infPath);
      settings.dataBits = ReadProfileInt(kSection, "DATABITS", 8, infPath);
      settings.parity = ParityCode(ReadProfileText(kSection, "PARITY", infPath));
      settings.stopBits = StopBitsCode(ReadProfileText(kSection, "STOPBITS", infPath));
      settings.flowControl = ReadProfileText(kSection, "FLOWCONTROL", infPath) == "1" ? 1 : 0;
      settings.rxBufferSize = 8192;
      break;
    case static_cast<int32_t>(LinkKind::Parallel):
      settings.portName = portName;
      settings.rxBufferSize = 8192;
      break;
    case static_cast<int32_t>(LinkKind::USB):
      settings.portName = ReadProfileText(kSection, "USBPORT", infPath);
      if (settings.portName.empty()) {
        ShowLogoloftMessage("Failed to load PortNmae");
      }
      settings.rxBufferSize = 4096;
      break;
    default:
      settings.portName = "Ethernet";
      settings.rxBufferSize = 8192;
      settings.ipAddress = DottedAddress(infPath);
      settings.tcpPort = ReadProfileInt(kSection, "PORT", 0, infPath);
      break;
  }
  // The main window's starting time-outs; a dialog may raise the write constant for its own use.
  settings.timeouts.ReadIntervalTimeout = 0;
  settings.timeouts.ReadTotalTimeoutMultiplier = 0;
  settings.timeouts.ReadTotalTimeoutConstant = 0;
  settings.timeouts.WriteTotalTimeoutMultiplier = 5;
  settings.timeouts.WriteTotalTimeoutConstant = 3000;
  return settings;
}
