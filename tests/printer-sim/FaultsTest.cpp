// Misbehaviours of the virtual printer, and the transcript of what it received.
#include <gtest/gtest.h>

#include "printer-sim/engine/SimPrinterPeer.h"
#include "tests/printer-sim/PrinterTestSupport.h"

namespace {

const Bytes kVersionQuery = {0x1D, 0x49, 0x03};

TEST(PrinterFaults, SilentPrinterNeverAnswersButStillWorks) {
  VirtualPrinter printer;
  printer.Faults().silent = true;
  printer.Receive(kVersionQuery + Bytes{0x1C, 0x71, 0x01} + SolidNvBitImage(1, 1), 0);
  EXPECT_TRUE(printer.PendingReplies().empty());
  EXPECT_EQ(printer.State().nvBitImages.size(), 1u);
}

TEST(PrinterFaults, LateAnswersBecomeReadyAfterTheDelay) {
  VirtualPrinter printer;
  printer.Faults().replyDelayMs = 1500;
  printer.Receive(kVersionQuery, 200);
  PrinterReply reply;
  EXPECT_FALSE(printer.TakeReply(1699, reply));
  ASSERT_TRUE(printer.TakeReply(1700, reply));
  EXPECT_EQ(reply.readyAtMs, 1700u);
  EXPECT_EQ(reply.bytes, Bytes{0x63});
}

TEST(PrinterFaults, LineDropsAfterTheGivenBytesUntilTheNextConnection) {
  VirtualPrinter printer;
  printer.Faults().closeAfterBytes = 5;
  printer.Connect(0);
  EXPECT_EQ(printer.Receive(Bytes{0x1B, 0x40, 0x1D, 0x49, 0x03, 0x1D, 0x49, 0x03}, 0), 5u);
  EXPECT_TRUE(printer.LineDropped());
  EXPECT_EQ(printer.Receive(kVersionQuery, 1), 0u);
  EXPECT_EQ(printer.TakeReplyBytes(1), Bytes{0x63});  // the query completed before the drop
  printer.Connect(2);
  EXPECT_EQ(printer.Receive(kVersionQuery, 2), 3u);
  EXPECT_EQ(printer.ReceivedBytes().size(), 8u);
}

TEST(PrinterFaults, RefusedTwoColourCheckAndReportedIdentity) {
  PrinterOptions options;
  options.modelName = "Wren-42(2Color)";
  options.firmwareText = "V0.9 beta";
  options.faults.refuseTwoColour = true;
  VirtualPrinter printer(options);
  EXPECT_NE(Ask(printer, kVersionQuery), Bytes{0x63});
  EXPECT_EQ(Ask(printer, Bytes{0x1D, 0x49, 0x43}), (Bytes{0x5F} + Text("Wren-42(2Color)") + Bytes{0x00}));
  EXPECT_EQ(Ask(printer, Bytes{0x1D, 0x49, 0x41}), (Bytes{0x5F} + Text("V0.9 beta") + Bytes{0x00}));
}

TEST(PrinterTranscript, RecordsEveryChunkWithItsTime) {
  VirtualPrinter printer;
  printer.Receive(Bytes{0x1C, 0x71}, 100);
  printer.Receive(Bytes{0x01}, 900);
  ASSERT_EQ(printer.Transcript().size(), 2u);
  EXPECT_EQ(printer.Transcript()[1].atMs, 900u);
  EXPECT_EQ(printer.Transcript()[1].bytes, Bytes{0x01});
}

TEST(SimPrinterPeer, EachConnectionReachesTheSamePrinter) {
  VirtualPrinter printer;
  printer.Faults().replyDelayMs = 10;
  auto factory = SimPrinterFactory(printer);
  {
    auto peer = factory(0);
    peer->Receive(kVersionQuery.data(), kVersionQuery.size(), 5);
    sim::PeerReply reply;
    EXPECT_FALSE(peer->TakeReply(14, reply));
    ASSERT_TRUE(peer->TakeReply(15, reply));
    EXPECT_EQ(reply.bytes, Bytes{0x63});
    const Bytes define = Bytes{0x1C, 0x71, 0x01} + SolidNvBitImage(1, 1);
    peer->Receive(define.data(), define.size(), 20);
    peer->Disconnect(30);
  }
  EXPECT_EQ(printer.State().nvBitImages.size(), 1u);
  auto second = factory(40);
  const Bytes print = {0x1C, 0x70, 0x01, 0x00};
  second->Receive(print.data(), print.size(), 41);
  second->Disconnect(50);
  ASSERT_EQ(printer.Pages().size(), 1u);
  EXPECT_EQ(CountPixels(printer.Pages()[0], kBlack), 64);
}

}  // namespace
