// The Pinset link over TCP against the virtual printer: an identity query, paced writes, silence.
#include <gtest/gtest.h>

#include "link/PrinterLink.h"
#include "printer-sim/engine/SimPrinterPeer.h"
#include "printer-sim/engine/VirtualPrinter.h"
#include "tests/fixtures/ScriptedPeer.h"

namespace {

class PinsetVirtualPrinterTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    sim::Listen(kPrinterIp, kPrinterPort, SimPrinterFactory(printer_));
    PortSettings settings;
    settings.portName = kPrinterIp;
    settings.tcpPort = kPrinterPort;
    ASSERT_TRUE(link_.Create(settings));
    ASSERT_TRUE(link_.Open());
  }

  // Reads until the terminating 00h or until a read brings nothing.
  std::vector<uint8_t> ReadText() {
    std::vector<uint8_t> text;
    uint8_t buffer[20];
    while (text.empty() || text.back() != 0x00) {
      const int got = link_.Read(buffer, sizeof buffer, 1000);
      if (got <= 0) break;
      text.insert(text.end(), buffer, buffer + got);
    }
    return text;
  }

  VirtualPrinter printer_;
  PrinterLink link_;
};

TEST_F(PinsetVirtualPrinterTest, PrinterNameQueryIsAnswered) {
  const uint8_t query[] = {0x1D, 0x49, 0x43};
  ASSERT_EQ(link_.Write(query, sizeof query), 3);
  EXPECT_EQ(ReadText(), (std::vector<uint8_t>{0x5F, 'P', '-', '8', 0x00}));
}

TEST_F(PinsetVirtualPrinterTest, SilentPrinterGivesNoReplyAfterTheBoundedWait) {
  printer_.Faults().silent = true;
  const uint8_t query[] = {0x1D, 0x49, 0x43};
  ASSERT_EQ(link_.Write(query, sizeof query), 3);
  uint8_t buffer[20];
  const uint32_t startMs = sim::NowMs();
  EXPECT_EQ(link_.Read(buffer, sizeof buffer, 1000), 0);
  EXPECT_EQ(sim::NowMs() - startMs, 1000u);
}

TEST_F(PinsetVirtualPrinterTest, PrinterReceivesThePacedPiecesInOrder) {
  const std::vector<uint8_t> text(10000, 'A');
  const uint32_t startMs = sim::NowMs();
  ASSERT_EQ(link_.Write(text.data(), static_cast<uint32_t>(text.size())), 10000);
  std::vector<uint32_t> offsets;
  for (const TranscriptEntry& entry : printer_.Transcript()) offsets.push_back(entry.atMs - startMs);
  EXPECT_EQ(offsets, (std::vector<uint32_t>{0, 500, 1000}));
  EXPECT_EQ(printer_.ReceivedBytes(), text);
}

}  // namespace
