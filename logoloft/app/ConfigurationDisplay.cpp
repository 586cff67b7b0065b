// The configuration display: model, download mode and the port, by interface kind.
#include "logoloft/app/ConfigurationDisplay.h"

#include "link/LinkKind.h"
#include "logoloft/app/LogoloftIds.h"

namespace logoloft {
namespace {

const char* ParityText(int parity) {
  if (parity == 1) return "ODD";
  if (parity == 2) return "EVEN";
  return "NONE";
}

const char* StopBitsText(int stopBits) {
  if (stopBits == 1) return "1.5";
  if (stopBits == 2) return "2";
  return "1";
}

}  // namespace

const char* DownloadModeText(int modelType) {
  if (modelType == 0) return "DOT MODE";
  if (modelType == 2 || modelType == 4) return "2 Color thermal";
  return "1 Color thermal";
}

std::vector<DisplayField> ConfigurationDisplay(const DisplayedSettings& s) {
  const PortSettings& p = s.port;
  const bool serial = p.interfaceKind == static_cast<int>(LinkKind::Serial);
  std::vector<DisplayField> f = {
      {kIdcPrinterValue, s.modelName, true},
      {kIdcModeValue, DownloadModeText(s.modelType), true},
  };
  const std::string baud = std::to_string(p.baudRate);
  switch (p.interfaceKind) {
    case static_cast<int>(LinkKind::Serial):
      f.push_back({kIdcInterfaceValue, "Serial", true});
      f.push_back({kIdcPortLabel, "Port :", true});
      f.push_back({kIdcPortValue, p.portName, true});
      f.push_back({kIdcBaudLabel, "Baudrate :", true});
      f.push_back({kIdcBaudValue, baud, true});
      break;
    case static_cast<int>(LinkKind::Parallel):
    case static_cast<int>(LinkKind::USB):
      f.push_back({kIdcInterfaceValue, p.interfaceKind == static_cast<int>(LinkKind::USB) ? "USB" : "Parallel", true});
      f.push_back({kIdcPortLabel, "Port :", true});
      f.push_back({kIdcPortValue, p.interfaceKind == static_cast<int>(LinkKind::USB) ? s.usbDisplayName : p.portName, true});
      f.push_back({kIdcBaudLabel, "Baudrate :", false});
      f.push_back({kIdcBaudValue, baud, false});
      break;
    default:  // Ethernet, as the settings load takes every other kind
      f.push_back({kIdcInterfaceValue, "Ethernet", true});
      f.push_back({kIdcPortLabel, "IP :", true});
      f.push_back({kIdcPortValue, p.ipAddress, true});
      f.push_back({kIdcBaudLabel, "Port :", true});
      f.push_back({kIdcBaudValue, std::to_string(p.tcpPort), true});
      break;
  }
  f.push_back({kIdcParityLabel, "Parity :", serial});
  f.push_back({kIdcParityValue, ParityText(p.parity), serial});
  f.push_back({kIdcDataBitsLabel, "Databits :", serial});
  f.push_back({kIdcDataBitsValue, std::to_string(p.dataBits), serial});
  f.push_back({kIdcStopBitsLabel, "Stopbits :", serial});
  f.push_back({kIdcStopBitsValue, StopBitsText(p.stopBits), serial});
  f.push_back({kIdcFlowLabel, "Flowcontrol :", serial});
  f.push_back({kIdcFlowValue, p.flowControl == 1 ? "Xon/Xoff" : "Hardware", serial});
  return f;
}

}  // namespace logoloft
