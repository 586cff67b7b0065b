// The Logoloft dialogs' TCP connection: its message boxes, piece-by-piece sends, reads and reopening.
#include "link/NetPort.h"

#include <gtest/gtest.h>

#include "platform/os/MessageBox.h"
#include "tests/fixtures/ScriptedPeer.h"

namespace {

class LogoloftNetPortTest : public LinkTest {
 protected:
  NetPort port_{kPrinterIp, kPrinterPort};
};

TEST_F(LogoloftNetPortTest, RefusedConnectionShowsTheApplicationBox) {
  sim::FailSocketCreation(true);
  EXPECT_FALSE(port_.Open());
  sim::FailSocketCreation(false);
  EXPECT_FALSE(port_.Open());
  EXPECT_FALSE(port_.IsOpen());
  EXPECT_EQ(sim::OpenSocketCount(), 0);
  const std::vector<sim::MessageBoxRecord> boxes = sim::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Error : Failed to Create socket!");
  EXPECT_EQ(boxes[1].text, kConnectFailedText);
  for (const sim::MessageBoxRecord& box : boxes) {
    EXPECT_EQ(box.caption, "Logoloft");
    EXPECT_EQ(box.type, os::kMbOk);
    EXPECT_FALSE(box.hasOwner);
  }

  ListenScripted();
  EXPECT_TRUE(port_.Open());
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
}

TEST_F(LogoloftNetPortTest, SendInPiecesCutsAndPausesAsAsked) {
  const struct {
    size_t count;
    uint32_t pieceSize;
    uint32_t pauseMs;
    std::vector<size_t> pieces;
  } cases[] = {
      {64, 64, 500, {64}},
      {130, 64, 500, {64, 64, 2}},
      {8193, 4096, 10, {4096, 4096, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    sim::ResetClock();
    std::shared_ptr<PeerLog> log = ListenScripted();
    ASSERT_TRUE(port_.Open());
    const std::vector<uint8_t> data = Pattern(c.count);
    EXPECT_TRUE(port_.SendInPieces(data.data(), static_cast<uint32_t>(data.size()), c.pieceSize,
                                   c.pauseMs));
    EXPECT_EQ(log->ChunkSizes(), c.pieces);
    EXPECT_EQ(SleepDurations(), std::vector<uint32_t>(c.pieces.size() - 1, c.pauseMs));
    EXPECT_EQ(log->AllBytes(), data);
    port_.Close();
  }
}

TEST_F(LogoloftNetPortTest, AFailedSendFailsTheWholeWrite) {
  const std::vector<uint8_t> data = Pattern(200);
  EXPECT_FALSE(port_.SendInPieces(data.data(), 200, 64, 500)) << "sent before Open";

  std::shared_ptr<PeerLog> log = ListenScripted({}, 100);
  ASSERT_TRUE(port_.Open());
  EXPECT_FALSE(port_.SendInPieces(data.data(), 200, 64, 500));
  EXPECT_EQ(log->AllBytes(), std::vector<uint8_t>(data.begin(), data.begin() + 100));
}

TEST_F(LogoloftNetPortTest, ReopensAfterCloseAndReadsTheReply) {
  std::shared_ptr<PeerLog> log = ListenScripted({{50, {0x14}}});
  ASSERT_TRUE(port_.Open());
  port_.Close();
  EXPECT_FALSE(port_.IsOpen());
  EXPECT_EQ(log->disconnects, 1);

  ASSERT_TRUE(port_.Open());
  EXPECT_EQ(log->connections, 2);
  uint8_t reply[20] = {};
  EXPECT_EQ(port_.Read(reply, sizeof reply, 1000), 1);
  EXPECT_EQ(reply[0], 0x14);
  port_.Close();
  EXPECT_EQ(port_.Read(reply, sizeof reply, 1000), 0);
  EXPECT_EQ(log->disconnects, 2);
}

}  // namespace
