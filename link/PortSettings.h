// The port settings record handed by value to the printer link and to every port object.
#pragma once

#include <cstdint>
#include <string>

// The five millisecond time-outs of a device, in the order and with the names the platform gives them.
struct CommTimeouts {
  uint32_t ReadIntervalTimeout = 0;
  uint32_t ReadTotalTimeoutMultiplier = 0;
  uint32_t ReadTotalTimeoutConstant = 0;
  uint32_t WriteTotalTimeoutMultiplier = 0;
  uint32_t WriteTotalTimeoutConstant = 0;
};

struct PortSettings {
  int32_t interfaceKind = 0;  // a LinkKind code; NV.inf may hold other values
  std::string portName;
  int32_t baudRate = 19200;
  int32_t dataBits = 8;
  int32_t stopBits = 0;     // 0 one, 1 one and a half, 2 two
  int32_t parity = 0;       // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int32_t flowControl = 0;  // 0 Hardware, 1 Xon/Xoff, 2 None (Pinset)
  int32_t hwFlow = 0;       // Logoloft: 0 DTR/DSR, 1 RTS/CTS
  CommTimeouts timeouts;
  int32_t rxBufferSize = 8192;
  std::string ipAddress;    // dotted IPv4 text of a TCP printer
  int32_t tcpPort = 0;
};
