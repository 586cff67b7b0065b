// A Logoloft dialog's NetPort against the virtual printer: piece-by-piece sends and a dropped line.
#include <gtest/gtest.h>

#include "link/NetPort.h"
#include "printer-sim/engine/SimPrinterPeer.h"
#include "printer-sim/engine/VirtualPrinter.h"
#include "tests/fixtures/ScriptedPeer.h"

namespace {

class LogoloftVirtualPrinterTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    sim::Listen(kPrinterIp, kPrinterPort, SimPrinterFactory(printer_));
    ASSERT_TRUE(port_.Open());
  }

  VirtualPrinter printer_;
  NetPort port_{kPrinterIp, kPrinterPort};
};

TEST_F(LogoloftVirtualPrinterTest, PiecesArriveWithTheirPauses) {
  const std::vector<uint8_t> text(130, 'B');
  const uint32_t startMs = sim::NowMs();
  ASSERT_TRUE(port_.SendInPieces(text.data(), 130, 64, 500));
  std::vector<uint32_t> offsets;
  for (const TranscriptEntry& entry : printer_.Transcript()) offsets.push_back(entry.atMs - startMs);
  EXPECT_EQ(offsets, (std::vector<uint32_t>{0, 500, 1000}));
  EXPECT_EQ(printer_.ReceivedBytes(), text);

  const uint8_t query[] = {0x1D, 0x49, 0x41};
  ASSERT_TRUE(port_.SendInPieces(query, sizeof query, 64, 500));
  uint8_t reply[20] = {};
  EXPECT_GE(port_.Read(reply, sizeof reply, 1000), 1);
  EXPECT_EQ(reply[0], 0x5F);
}

TEST_F(LogoloftVirtualPrinterTest, DroppedLineFailsTheWrite) {
  printer_.Faults().closeAfterBytes = 100;
  const std::vector<uint8_t> text(4096 * 3, 'C');
  EXPECT_FALSE(port_.SendInPieces(text.data(), static_cast<uint32_t>(text.size()), 4096, 10));
  EXPECT_TRUE(printer_.LineDropped());
  EXPECT_EQ(printer_.ReceivedBytes().size(), 100u);
}

}  // namespace
