// How the Pinset build of the link picks its port kind, and what Create makes of it.
#include "link/LinkKindChoice.h"

#include <gtest/gtest.h>

#include "link/PrinterLink.h"

namespace {

struct KindCase {
  const char* portName;
  int tcpPort;
  bool chosen;
  LinkKind kind;
  const char* handedName;
};

const KindCase kCases[] = {
    {"COM3", 0, true, LinkKind::Serial, "COM3"},
    {"\\\\.\\COM12", 9100, true, LinkKind::Serial, "\\\\.\\COM12"},
    {"LPT2", 0, true, LinkKind::Parallel, "LPT2"},
    {"20XM:\\\\?\\usb#vid_0dd4&pid_001d", 0, true, LinkKind::USB, "\\\\?\\usb#vid_0dd4&pid_001d"},
    {"22XM:\\\\?\\usb#pid_001e", 9100, true, LinkKind::USB, "\\\\?\\usb#pid_001e"},
    {"20M:\\\\?\\usb#x", 0, true, LinkKind::USB, "\\\\?\\usb#x"},
    {"P-8:\\\\?\\usb#y", 0, true, LinkKind::USB, "\\\\?\\usb#y"},
    {"20XM:", 0, true, LinkKind::USB, ""},
    {"192.168.0.50", 9100, true, LinkKind::Ethernet, "192.168.0.50"},
    {"", 9100, true, LinkKind::Ethernet, ""},
    {"192.168.0.50", 0, false, LinkKind::Serial, ""},
    {"com3", 0, false, LinkKind::Serial, ""},
    {"", 0, false, LinkKind::Serial, ""},
};

TEST(PinsetKindChoiceTest, PortNameAndTcpPortPickTheKind) {
  for (const KindCase& c : kCases) {
    SCOPED_TRACE(c.portName);
    PortSettings settings;
    settings.portName = c.portName;
    settings.tcpPort = c.tcpPort;
    const std::optional<LinkKindChoice> choice = ChooseLinkKind(LinkVariant::PinsetVariant, settings);
    ASSERT_EQ(choice.has_value(), c.chosen);
    if (choice) {
      EXPECT_EQ(choice->kind, c.kind);
      EXPECT_EQ(choice->portName, c.handedName);
    }
  }
}

TEST(PinsetKindChoiceTest, CreateMakesAPortOnlyForEthernetSoFar) {
  ASSERT_EQ(BuiltLinkVariant(), LinkVariant::PinsetVariant);
  for (const KindCase& c : kCases) {
    SCOPED_TRACE(c.portName);
    PrinterLink link;
    PortSettings settings;
    settings.portName = c.portName;
    settings.tcpPort = c.tcpPort;
    // The serial, parallel and USB port classes are still to come: Create refuses those kinds.
    const bool ethernet = c.chosen && c.kind == LinkKind::Ethernet;
    EXPECT_EQ(link.Create(settings), ethernet);
    EXPECT_EQ(link.HasPort(), ethernet);
    uint8_t byte = 0x10;
    EXPECT_EQ(link.Write(&byte, 1), 0);
    EXPECT_EQ(link.Read(&byte, 1, 1000), 0);
  }
}

}  // namespace
