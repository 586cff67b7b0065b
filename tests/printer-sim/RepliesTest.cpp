// The printer's answers to the queries the suite sends.
#include <gtest/gtest.h>

#include "tests/printer-sim/PrinterTestSupport.h"

namespace {

struct ReplyCase {
  const char* name;
  Bytes query;
  Bytes reply;
};

TEST(PrinterReplies, AnswersEveryQueryAsThePrinterDoes) {
  const ReplyCase cases[] = {
      {"GS I 3", {0x1D, 0x49, 0x03}, {0x63}},
      {"firmware query", {0x1B, 0x40, 0x1B, 0x3D, 0x01, 0x1D, 0x61, 0x00, 0x1D, 0x49, 0x03}, {0x63}},
      {"GS I 65", {0x1D, 0x49, 0x41}, Bytes{0x5F} + Text("V2.05") + Bytes{0x00}},
      {"GS I 67", {0x1D, 0x49, 0x43}, Bytes{0x5F} + Text("Wren-40(2Color)") + Bytes{0x00}},
      {"GS I 69", {0x1D, 0x49, 0x45}, Bytes{0x5F} + Text("ENGLISH") + Bytes{0x00}},
      {"enter user setting", {0x1D, 0x28, 0x45, 0x03, 0x00, 0x01, 0x49, 0x4E}, {0x37, 0x20, 0x00}},
      {"fresh switch 2", {0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x02}, Bytes{0x37, 0x21} + Text("00000000") + Bytes{0x00}},
      {"read power save", {0x08, 0x5E, 0x50, 0x31}, {0x50, 0x00, 60, 0x00}},
      {"remaining capacity", {0x1D, 0x28, 0x4C, 0x02, 0x00, 0x30, 0x33}, Bytes{0x37, 0x31} + Text("262144") + Bytes{0x00}},
      {"empty key-code list", {0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x40, 0x4B, 0x43}, {0x37, 0x72, 0x40, 0x00}},
      {"real-time status", {0x10, 0x04, 0x01}, {0x12}},
  };
  for (const ReplyCase& c : cases) {
    PrinterOptions options;
    options.modelName = "Wren-40(2Color)";
    options.firmwareText = "V2.05";
    VirtualPrinter printer(options);
    EXPECT_EQ(Ask(printer, c.query), c.reply) << c.name;
  }
}

TEST(PrinterReplies, UserSettingsWriteSwitchesAndPowerSave) {
  VirtualPrinter printer;
  const Bytes enter = {0x1D, 0x28, 0x45, 0x03, 0x00, 0x01, 0x49, 0x4E};
  const Bytes leave = {0x1D, 0x28, 0x45, 0x04, 0x00, 0x02, 0x4F, 0x55, 0x54};
  const Bytes setSwitch3 = Bytes{0x1D, 0x28, 0x45, 0x0A, 0x00, 0x03, 0x03} + Text("10000001");
  const Bytes keepPin8 = Bytes{0x1D, 0x28, 0x45, 0x0A, 0x00, 0x03, 0x03} + Text("20000010");
  const Bytes query3 = {0x1D, 0x28, 0x45, 0x02, 0x00, 0x04, 0x03};

  // Outside user setting mode a write is refused.
  Ask(printer, setSwitch3);
  EXPECT_EQ(Ask(printer, query3), (Bytes{0x37, 0x21} + Text("00000000") + Bytes{0x00}));

  Ask(printer, enter + setSwitch3 + keepPin8 + leave + Bytes{0x08, 0x5E, 0x50, 0x30, 0x01, 120});
  EXPECT_FALSE(printer.InUserSettingMode());
  EXPECT_EQ(Ask(printer, query3), (Bytes{0x37, 0x21} + Text("10000010") + Bytes{0x00}));
  EXPECT_EQ(Ask(printer, Bytes{0x08, 0x5E, 0x50, 0x31}), (Bytes{0x50, 0x01, 120, 0x00}));
}

TEST(PrinterReplies, KeyCodeListComesInBlocksWithoutWaitingForAnAnswer) {
  VirtualPrinter printer;
  Bytes defs;
  for (int i = 0; i < 45; ++i) defs = defs + NvGraphicsDefinition('A' + i / 10, '0' + i % 10, 8, 1, 0xFF, 0x00);
  Ask(printer, defs);
  ASSERT_EQ(printer.KeyCodes().size(), 45u);
  const Bytes list = {0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x40, 0x4B, 0x43};

  const Bytes first = Ask(printer, list);
  ASSERT_EQ(first.size(), (3u + 80u + 1u));
  EXPECT_EQ(first[2], 0x41);  // more follow
  EXPECT_EQ(first[3], 'A');
  EXPECT_EQ(first[4], '0');

  const Bytes again = Ask(printer, Bytes{0x15});  // NAK: the same block again
  EXPECT_EQ(again, first);
  const Bytes second = Ask(printer, Bytes{0x06});  // ACK: the rest
  EXPECT_EQ(second, (Bytes{0x37, 0x72, 0x40} + Text("E0E1E2E3E4") + Bytes{0x00}));

  // A host that never answers: the next command ends the exchange and is answered itself.
  Ask(printer, list);
  EXPECT_EQ(Ask(printer, Bytes{0x1D, 0x49, 0x03}), Bytes{0x63});
  EXPECT_TRUE(Ask(printer, Bytes{0x06}).empty());
}

}  // namespace
