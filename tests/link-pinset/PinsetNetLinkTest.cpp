// The Pinset link over TCP: open and refusal, paced writes, bounded reads, close.
#include <gtest/gtest.h>

#include "link/PrinterLink.h"
#include "platform/os/MessageBox.h"
#include "tests/fixtures/ScriptedPeer.h"

namespace {

class PinsetNetLinkTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    settings_.portName = kPrinterIp;
    settings_.tcpPort = kPrinterPort;
    ASSERT_TRUE(link_.Create(settings_));
  }

  PortSettings settings_;
  PrinterLink link_;
};

TEST_F(PinsetNetLinkTest, WritesGoOutIn4096BytePiecesWithPauses) {
  const struct {
    size_t count;
    std::vector<size_t> pieces;
    std::vector<uint32_t> offsetsMs;
  } cases[] = {
      {1, {1}, {0}},
      {4096, {4096}, {0}},
      {4097, {4096, 1}, {0, 500}},
      {10000, {4096, 4096, 1808}, {0, 500, 1000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    sim::ResetClock();
    std::shared_ptr<PeerLog> log = ListenScripted();
    ASSERT_TRUE(link_.Create(settings_));
    ASSERT_TRUE(link_.Open());
    const std::vector<uint8_t> data = Pattern(c.count);
    const uint32_t startMs = sim::NowMs();
    EXPECT_EQ(link_.Write(data.data(), static_cast<uint32_t>(data.size())), static_cast<int>(c.count));
    EXPECT_EQ(log->ChunkSizes(), c.pieces);
    std::vector<uint32_t> offsets;
    for (uint32_t at : log->ChunkTimes()) offsets.push_back(at - startMs);
    EXPECT_EQ(offsets, c.offsetsMs);
    EXPECT_EQ(SleepDurations(), std::vector<uint32_t>(c.pieces.size() - 1, 500));
    EXPECT_EQ(log->AllBytes(), data);
    link_.Close();
  }
}

TEST_F(PinsetNetLinkTest, WriteStopsAtTheFirstFailedSend) {
  // The printer takes 4096 bytes and 904 of the second piece, then the line is dead.
  std::shared_ptr<PeerLog> log = ListenScripted({}, 5000);
  ASSERT_TRUE(link_.Open());
  const std::vector<uint8_t> data = Pattern(20000);
  EXPECT_EQ(link_.Write(data.data(), static_cast<uint32_t>(data.size())), 5000);
  EXPECT_EQ(log->ChunkSizes(), (std::vector<size_t>{4096, 904}));
  EXPECT_EQ(log->AllBytes(), std::vector<uint8_t>(data.begin(), data.begin() + 5000));
}

TEST_F(PinsetNetLinkTest, NothingMovesBeforeOpenOrForAnEmptyWrite) {
  std::shared_ptr<PeerLog> log = ListenScripted({{0, {0x01}}});
  uint8_t buffer[4] = {0x1D, 0x49, 0x43, 0x00};
  EXPECT_EQ(link_.Write(buffer, 3), 0);
  EXPECT_EQ(link_.Read(buffer, sizeof buffer, 1000), 0);
  EXPECT_EQ(log->connections, 0);

  ASSERT_TRUE(link_.Open());
  EXPECT_EQ(link_.Write(buffer, 0), 0);
  EXPECT_EQ(link_.Write(nullptr, 3), 0);
  EXPECT_EQ(link_.Read(nullptr, 4, 1000), 0);
  EXPECT_EQ(link_.Read(buffer, 0, 1000), 0);
  EXPECT_TRUE(log->chunks.empty());
  EXPECT_TRUE(sim::Sleeps().empty());
}

TEST_F(PinsetNetLinkTest, RefusedConnectionShowsTheMessageAndASecondOpenMaySucceed) {
  sim::FailSocketCreation(true);
  EXPECT_FALSE(link_.Open());
  sim::FailSocketCreation(false);
  EXPECT_FALSE(link_.Open());
  const std::vector<sim::MessageBoxRecord> boxes = sim::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Error : Failed to Create socket!");
  EXPECT_EQ(boxes[1].text, kConnectFailedText);
  for (const sim::MessageBoxRecord& box : boxes) {
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.type, os::kMbOk | os::kMbIconError);
    EXPECT_FALSE(box.hasOwner);
  }
  EXPECT_EQ(sim::OpenSocketCount(), 0) << "a refused connection left a socket open";
  const uint8_t byte = 0x10;
  EXPECT_EQ(link_.Write(&byte, 1), 0);

  std::shared_ptr<PeerLog> log = ListenScripted();
  ASSERT_TRUE(link_.Open());
  EXPECT_EQ(link_.Write(&byte, 1), 1);
  EXPECT_EQ(log->connections, 1);
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
}

TEST_F(PinsetNetLinkTest, ReadWaitsAtMostTheTimeOut) {
  ListenScripted({{300, {0x5F, 0x50}}, {600, {0x2D, 0x38, 0x00}}});
  ASSERT_TRUE(link_.Open());
  uint8_t buffer[20] = {};
  uint32_t startMs = sim::NowMs();
  ASSERT_EQ(link_.Read(buffer, sizeof buffer, 1000), 2);
  EXPECT_EQ(buffer[0], 0x5F);
  EXPECT_LE(sim::NowMs() - startMs, 1000u);
  ASSERT_EQ(link_.Read(buffer, sizeof buffer, 1000), 3) << "the second part of the reply is lost";
  EXPECT_EQ(buffer[2], 0x00);

  startMs = sim::NowMs();
  EXPECT_EQ(link_.Read(buffer, sizeof buffer, 1000), 0);
  EXPECT_EQ(sim::NowMs() - startMs, 1000u);
}

TEST_F(PinsetNetLinkTest, CloseEndsTheConnectionAndEmptiesTheLink) {
  std::shared_ptr<PeerLog> log = ListenScripted();
  ASSERT_TRUE(link_.Open());
  link_.Close();
  EXPECT_EQ(log->disconnects, 1);
  EXPECT_EQ(sim::OpenSocketCount(), 0);
  EXPECT_FALSE(link_.HasPort());
  const uint8_t byte = 0x10;
  EXPECT_EQ(link_.Write(&byte, 1), 0);
  EXPECT_FALSE(link_.Open());

  ASSERT_TRUE(link_.Create(settings_));
  ASSERT_TRUE(link_.Open());
  EXPECT_EQ(link_.Write(&byte, 1), 1);
  EXPECT_EQ(log->connections, 2);
}

}  // namespace
