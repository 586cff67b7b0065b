// Logoloft's PortSettings loaded from NV.inf: per-interface keys, defaults and the two warnings.
#include "logoloft/catalogue/LogoloftPortSettings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/os/MessageBox.h"
#include "tests/catalogue/CatalogueFixture.h"

namespace {

auto SerialFields(const PortSettings& p) {
  return std::make_tuple(p.interfaceKind, p.portName, p.baudRate, p.dataBits, p.parity, p.stopBits,
                         p.flowControl, p.hwFlow, p.rxBufferSize);
}

std::vector<std::string> ShownTexts() {
  std::vector<std::string> texts;
  for (const sim::MessageBoxRecord& box : sim::MessageBoxes()) {
    EXPECT_EQ(box.caption, "Logoloft");
    EXPECT_EQ(box.type, os::kMbOk);
    EXPECT_FALSE(box.hasOwner);
    texts.push_back(box.text);
  }
  return texts;
}

TEST_F(CatalogueTest, SerialSettingsMapTheirTexts) {
  const struct {
    const char* parity;
    const char* stopBits;
    const char* flow;
    int expectedParity, expectedStop, expectedFlow;
  } cases[] = {
      {"PARITY=NONE", "STOPBITS=1", "FLOWCONTROL=0", 0, 0, 0},
      {"PARITY=ODD", "STOPBITS=1.5", "FLOWCONTROL=1", 1, 1, 1},
      {"PARITY=EVEN", "STOPBITS=2", "FLOWCONTROL=2", 2, 2, 0},
      {"PARITY=even", "STOPBITS=3", "FLOWCONTROL=Xon", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.parity);
    PutInf({"[COMMON]", "HWFLOW=1", "[COMMUNICATION]", "INTERFACE=0", "PORTNAME=\\\\.\\COM12",
            "BAUDRATE=57600", "DATABITS=7", c.parity, c.stopBits, c.flow});
    EXPECT_EQ(SerialFields(LoadLogoloftPortSettings(kInfPath)),
              std::make_tuple(0, std::string("\\\\.\\COM12"), 57600, 7, c.expectedParity,
                              c.expectedStop, c.expectedFlow, 1, 8192));
  }
  EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(CatalogueTest, SerialDefaultsAndStartingTimeouts) {
  PutInf({"[COMMUNICATION]", "PORTNAME=COM2"});
  const PortSettings p = LoadLogoloftPortSettings(kInfPath);
  EXPECT_EQ(SerialFields(p), std::make_tuple(0, std::string("COM2"), 19200, 8, 0, 0, 0, 0, 8192));
  const CommTimeouts& t = p.timeouts;
  EXPECT_EQ(std::make_tuple(t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier,
                            t.ReadTotalTimeoutConstant, t.WriteTotalTimeoutMultiplier,
                            t.WriteTotalTimeoutConstant),
            std::make_tuple(0u, 0u, 0u, 5u, 3000u));
}

TEST_F(CatalogueTest, MissingPortNameFallsBackToCom1) {
  for (const char* portLine : {";no PORTNAME", "PORTNAME="}) {
    SCOPED_TRACE(portLine);
    sim::ResetMessageBoxes();
    PutInf({"[COMMUNICATION]", "INTERFACE=3", portLine, "BAUDRATE=9600", "IP1=10", "PORT=9100"});
    const PortSettings p = LoadLogoloftPortSettings(kInfPath);
    EXPECT_EQ(p.interfaceKind, 0);
    EXPECT_EQ(p.portName, "COM1");
    EXPECT_EQ(p.baudRate, 9600);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Failed to load Port Name"});
  }
}

TEST_F(CatalogueTest, ParallelUsbAndEthernetTakeTheirOwnKeys) {
  PutInf({"[COMMUNICATION]", "INTERFACE=1", "PORTNAME=LPT2"});
  PortSettings p = LoadLogoloftPortSettings(kInfPath);
  EXPECT_EQ(std::tie(p.interfaceKind, p.portName, p.rxBufferSize),
            std::make_tuple(1, std::string("LPT2"), 8192));

  PutInf({"[COMMUNICATION]", "INTERFACE=2", "PORTNAME=USB001:", "USBPORT=\\\\?\\usb#vid_0dd4"});
  p = LoadLogoloftPortSettings(kInfPath);
  EXPECT_EQ(std::tie(p.interfaceKind, p.portName, p.rxBufferSize),
            std::make_tuple(2, std::string("\\\\?\\usb#vid_0dd4"), 4096));
  EXPECT_TRUE(ShownTexts().empty());

  PutInf({"[COMMUNICATION]", "INTERFACE=2", "PORTNAME=USB000:"});
  p = LoadLogoloftPortSettings(kInfPath);
  EXPECT_EQ(p.portName, "");
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Failed to load PortNmae"});

  for (const char* kind : {"INTERFACE=3", "INTERFACE=7"}) {
    PutInf({"[COMMUNICATION]", kind, "PORTNAME=Ethernet", "IP1=192", "IP2=168", "IP4=50",
            "PORT=9100"});
    p = LoadLogoloftPortSettings(kInfPath);
    EXPECT_EQ(std::tie(p.portName, p.ipAddress, p.tcpPort, p.rxBufferSize),
              std::make_tuple(std::string("Ethernet"), std::string("192.168.0.50"), 9100, 8192))
        << kind;
  }
}

}  // namespace
