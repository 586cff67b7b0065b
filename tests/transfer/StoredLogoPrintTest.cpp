// Printing stored logos against the virtual printer: the bytes of each choice, the refusals, and
// the connection opened and closed for each print.
#include <gtest/gtest.h>

#include "logoloft/transfer/StoredLogoPrint.h"
#include "tests/transfer/TransferFixture.h"

namespace {

Bytes HeaderBlock(const std::string& line) {
  Bytes block(line.begin(), line.end());
  block.resize(30, 0x00);
  return block;
}

LogoPrintChoice Selection(const std::string& text, NvPrintMode quality = NvPrintMode::Normal,
                          bool header = false) {
  LogoPrintChoice choice;
  choice.all = false;
  choice.selection = text;
  choice.quality = quality;
  choice.header = header;
  return choice;
}

class StoredLogoPrintTest : public TransferTest {};

TEST_F(StoredLogoPrintTest, EachChoiceSendsItsBytes) {
  Bytes headed = HeaderBlock("----- Logo : 1 -----\n");
  headed.insert(headed.end(), {0x1C, 0x70, 0x01, 0x00});
  Bytes headedLarge = HeaderBlock("----- Logo : 257 -----\n");
  headedLarge.insert(headedLarge.end(), {0x1C, 0x70, 0x01, 0x03});
  struct Case {
    std::string name;
    LogoPrintChoice choice;
    Bytes bytes;
  };
  const std::vector<Case> cases = {
      {"double high", Selection("2", NvPrintMode::DoubleHeight), {0x1C, 0x70, 0x02, 0x02}},
      {"header on", Selection("1", NvPrintMode::Normal, true), headed},
      {"range", Selection("3-4,1", NvPrintMode::DoubleWidth),
       {0x1C, 0x70, 0x03, 0x01, 0x1C, 0x70, 0x04, 0x01, 0x1C, 0x70, 0x01, 0x01}},
      {"number modulo 256", Selection("257", NvPrintMode::Quadruple, true), headedLarge},
      // FS p numbers its images from 1: the number byte 0 names none and is not sent.
      {"numbers 0 and 256", Selection("0,256,5"), {0x1C, 0x70, 0x05, 0x00}},
      {"empty range", Selection("5-3"), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FreshPrinter();
    EXPECT_TRUE(PrintStoredLogos(TcpTarget(), c.choice));
    EXPECT_EQ(printer_->ReceivedBytes(), c.bytes);
    EXPECT_TRUE(sim::MessageBoxes().empty());
    EXPECT_EQ(sim::OpenSocketCount(), 0);
  }
}

TEST_F(StoredLogoPrintTest, AllPrintsEveryNumberFrom1To255) {
  EXPECT_TRUE(PrintStoredLogos(TcpTarget(), LogoPrintChoice{}));
  Bytes expected;
  for (int n = 1; n <= 255; ++n) expected.insert(expected.end(), {0x1C, 0x70, uint8_t(n), 0x00});
  EXPECT_EQ(printer_->ReceivedBytes(), expected);
}

TEST_F(StoredLogoPrintTest, EveryPrintHasItsOwnConnection) {
  const LogoPrintChoice choice = Selection("1", NvPrintMode::Normal, true);
  ASSERT_TRUE(PrintStoredLogos(TcpTarget(), choice));
  ASSERT_TRUE(PrintStoredLogos(TcpTarget(), choice));
  // Each print ends its page when its connection closes: the header line and the logo on one.
  EXPECT_EQ(printer_->Pages().size(), 2u);
  EXPECT_EQ(printer_->ReceivedBytes().size(), 2 * (30 + 4u));
}

TEST_F(StoredLogoPrintTest, RefusalsPrintNothingAndCloseTheConnection) {
  struct Case {
    PrinterTarget target;
    LogoPrintChoice choice;
    std::string message;
  };
  PrinterTarget unreachable = TcpTarget();
  unreachable.ipAddress = "192.168.0.99";
  const std::vector<Case> cases = {
      {TcpTarget(), Selection(""), "Select Image Number Please!"},
      {TcpTarget(), Selection("1 2"), "Selection Format Error!"},
      {TcpTarget(), Selection("12,1000"), "Selection Format Error!"},
      {unreachable, Selection("1"), kConnectFailedText},
      {LinkTarget(0, "COM1"), Selection("1"), "Error : Openport failed!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    sim::ResetMessageBoxes();
    EXPECT_FALSE(PrintStoredLogos(c.target, c.choice));
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].text, c.message);
    EXPECT_EQ(sim::OpenSocketCount(), 0);
  }
  EXPECT_TRUE(printer_->ReceivedBytes().empty());
}

TEST_F(StoredLogoPrintTest, ImpactPrintSendsEscG1To10) {
  EXPECT_TRUE(PrintStoredImpactImages(TcpTarget()));
  Bytes expected;
  for (int n = 1; n <= 10; ++n) expected.insert(expected.end(), {0x1B, 0x67, uint8_t(n)});
  EXPECT_EQ(printer_->ReceivedBytes(), expected);
  EXPECT_EQ(sim::OpenSocketCount(), 0);

  // A link that cannot be opened prints nothing and, as the window does, says nothing.
  EXPECT_FALSE(PrintStoredImpactImages(LinkTarget(0, "COM1")));
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

}  // namespace
