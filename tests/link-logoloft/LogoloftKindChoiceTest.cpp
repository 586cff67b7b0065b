// How the Logoloft build of the link picks its port kind: by the port name alone.
#include "link/LinkKindChoice.h"

#include <gtest/gtest.h>

#include "link/PrinterLink.h"

namespace {

TEST(LogoloftKindChoiceTest, PortNameAlonePicksTheKind) {
  const struct {
    const char* portName;
    LinkKind kind;
  } cases[] = {
      {"COM3", LinkKind::Serial},
      {"\\\\.\\COM12", LinkKind::Serial},
      {"LPT2", LinkKind::Parallel},
      {"\\\\?\\usb#vid_0dd4&pid_001d#5&1a2b", LinkKind::USB},
      {"20XM:\\\\?\\usb#vid_0dd4", LinkKind::USB},
      // Ethernet never reaches the Logoloft link: its dialogs hold their own NetPort.
      {"Ethernet", LinkKind::USB},
      {"192.168.0.50", LinkKind::USB},
      {"", LinkKind::USB},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.portName);
    PortSettings settings;
    settings.portName = c.portName;
    settings.tcpPort = 9100;
    const std::optional<LinkKindChoice> choice =
        ChooseLinkKind(LinkVariant::LogoloftVariant, settings);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->kind, c.kind);
    EXPECT_EQ(choice->portName, c.portName) << "the whole name is the port's name or device path";
  }
}

TEST(LogoloftKindChoiceTest, LinkIsTheLogoloftBuildAndHasNoPortClassesYet) {
  ASSERT_EQ(BuiltLinkVariant(), LinkVariant::LogoloftVariant);
  PrinterLink link;
  EXPECT_EQ(link.Variant(), LinkVariant::LogoloftVariant);
  PortSettings settings;
  settings.portName = "COM1";
  // The serial, parallel and USB port classes are still to come: Create refuses every kind.
  EXPECT_FALSE(link.Create(settings));
  EXPECT_EQ(link.Kind(), LinkKind::Serial);
  EXPECT_FALSE(link.HasPort());
  EXPECT_FALSE(link.Open());
  uint8_t byte = 0x10;
  EXPECT_EQ(link.Write(&byte, 1), 0);
  EXPECT_EQ(link.Read(&byte, 1, 1000), 0);
}

}  // namespace
