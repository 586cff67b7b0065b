// The upload dialog's download against the virtual printer: the timeline of a download, the impact
// length table, "Save File.." bytes, a dropped line, a stop mid-download and the failure paths.
#include <gtest/gtest.h>

#include "logoloft/download/DownloadHeader.h"
#include "platform/os/MessageBox.h"
#include "tests/transfer/TransferFixture.h"

namespace {

const std::vector<std::string> kThreeLogos = {"one-colour.bmp", "two-colour.bmp", "gradient.bmp"};

Bytes Concatenated(const Bytes& header, const std::vector<DownloadItem>& items) {
  Bytes all = header;
  for (const DownloadItem& item : items) all.insert(all.end(), item.data.begin(), item.data.end());
  return all;
}

class UploadSessionTest : public TransferTest {};

TEST_F(UploadSessionTest, ThreeLogosFollowTheTimelineOfATypicalRequest) {
  const std::vector<DownloadItem> items = SampleItems(1, kThreeLogos);
  ASSERT_EQ(items.size(), 3u);
  UploadSession session(items, 1, TcpTarget());
  EXPECT_EQ(session.StatusText(), "Ready downloading.");
  EXPECT_TRUE(session.ButtonsEnabled());

  session.Start();
  EXPECT_FALSE(session.ButtonsEnabled());
  EXPECT_EQ(session.ProgressMax(), 30);
  EXPECT_EQ(session.ProgressPosition(), 0);
  EXPECT_EQ(session.NextTimerMs(), std::optional<uint32_t>(1000));
  EXPECT_EQ(sim::NowMs(), 6000u);  // the FS q header blocks the window for 6000 ms

  sim::AdvanceMs(1000);
  session.Tick();
  EXPECT_EQ(session.StatusText(), "Downloding... " + items[0].name + " ( 1 / 3 ) ");
  EXPECT_EQ(session.ProgressPosition(), 10);
  EXPECT_EQ(session.NextTimerMs(), std::optional<uint32_t>(100));
  RunTimer(session);

  const std::vector<TranscriptEntry>& transcript = printer_->Transcript();
  ASSERT_EQ(transcript.size(), 4u);
  EXPECT_EQ(transcript[0].bytes, (Bytes{0x1C, 0x71, 0x03}));
  const std::vector<uint32_t> expectedTimes = {0, 7000, 7100, 7200};
  for (size_t i = 0; i < transcript.size(); ++i) {
    EXPECT_EQ(transcript[i].atMs, expectedTimes[i]) << i;
    if (i > 0) {
      EXPECT_EQ(transcript[i].bytes, items[i - 1].data) << i;
    }
  }
  EXPECT_EQ(session.ProgressPosition(), 30);
  EXPECT_EQ(session.StatusText(), "Downloding... " + items[2].name + " ( 3 / 3 ) ");
  EXPECT_TRUE(session.ButtonsEnabled());
  EXPECT_EQ(session.Completed(), std::optional<bool>(true));
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Download Completed!"});
  EXPECT_EQ(sim::MessageBoxes()[0].caption, "Logoloft");
  EXPECT_EQ(sim::MessageBoxes()[0].atMs, 7300u);
  EXPECT_EQ(sim::OpenSocketCount(), 0);
  EXPECT_EQ(printer_->State().nvBitImages.size(), 3u);
}

TEST_F(UploadSessionTest, AnImpactDownloadSendsTheLengthTableAsItsFirstItem) {
  const std::vector<DownloadItem> items = SampleItems(0, {"one-colour.bmp", "two-colour.bmp"});
  ASSERT_EQ(items.size(), 3u);
  ASSERT_EQ(items[0].name, "HeadCommnad");
  ASSERT_EQ(items[0].data.size(), 4u);
  UploadSession session(items, 0, TcpTarget());
  session.Start();
  EXPECT_EQ(sim::NowMs(), 0u);  // no settling wait after ESC g 0
  sim::AdvanceMs(*session.NextTimerMs());
  session.Tick();
  EXPECT_EQ(session.StatusText(), "Downloding... HeadCommnad ( 1 / 3 ) ");
  RunTimer(session);

  EXPECT_EQ(printer_->Transcript()[0].bytes, (Bytes{0x1B, 0x67, 0x00, 0x02}));
  EXPECT_EQ(printer_->Transcript()[1].atMs, 1000u);
  EXPECT_EQ(printer_->ReceivedBytes(), Concatenated({0x1B, 0x67, 0x00, 0x02}, items));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Download Completed!"});
  EXPECT_EQ(printer_->State().impactImages.size(), 2u);
}

TEST_F(UploadSessionTest, SaveFileHoldsExactlyTheBytesADownloadSends) {
  for (int modelType : {0, 1}) {
    SCOPED_TRACE(modelType);
    FreshPrinter();
    const std::vector<DownloadItem> items = SampleItems(modelType, {"one-colour.bmp", "gradient.bmp"});
    UploadSession session(items, modelType, TcpTarget());
    ASSERT_TRUE(session.SaveFile("C:\\out\\logos.prn"));
    EXPECT_EQ(sim::OpenSocketCount(), 0);
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].text, "Print files Save finished");
    EXPECT_EQ(sim::MessageBoxes()[0].type & 0xF0u, os::kMbIconExclamation);

    session.Start();
    RunTimer(session);
    EXPECT_EQ(sim::FileBytes("C:\\out\\logos.prn"), printer_->ReceivedBytes());
    EXPECT_EQ(printer_->ReceivedBytes(), Concatenated(*DownloadHeader(modelType, items.size()), items));
  }
}

TEST_F(UploadSessionTest, AFileThatCannotBeWrittenSaysSoAndKeepsItsContent) {
  const std::vector<DownloadItem> items = SampleItems(1, {"one-colour.bmp"});
  sim::PutFile("C:\\out\\kept.prn", {1, 2, 3});
  sim::FailWrites("C:\\out\\kept.prn", true);
  UploadSession session(items, 1, TcpTarget());
  EXPECT_FALSE(session.SaveFile("C:\\out\\kept.prn"));
  EXPECT_EQ(sim::FileBytes("C:\\out\\kept.prn"), (Bytes{1, 2, 3}));
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  EXPECT_NE(sim::MessageBoxes()[0].text, "Print files Save finished");
}

TEST_F(UploadSessionTest, ADroppedLineFailsTheItemAndTheDownloadGoesOn) {
  const std::vector<DownloadItem> items = SampleItems(1, kThreeLogos);
  // The line drops inside the second record.
  printer_->Faults().closeAfterBytes = 3 + items[0].data.size() + items[1].data.size() / 2;
  UploadSession session(items, 1, TcpTarget());
  session.Start();
  std::vector<std::string> statusTexts;
  while (std::optional<uint32_t> delay = session.NextTimerMs()) {
    sim::AdvanceMs(*delay);
    session.Tick();
    statusTexts.push_back(session.StatusText());
  }
  EXPECT_EQ(statusTexts.back(), "Downloding... " + items[2].name + " ( 3 / 3 ) ");
  EXPECT_EQ(statusTexts.size(), 4u);  // three items and the finishing tick
  EXPECT_EQ(session.ProgressPosition(), 30);
  EXPECT_EQ(session.Completed(), std::optional<bool>(false));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Download Failed!"});
  EXPECT_TRUE(session.ButtonsEnabled());
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(UploadSessionTest, AHeaderThatFallsShortSendsNothingMore) {
  const std::vector<DownloadItem> items = SampleItems(1, {"one-colour.bmp"});
  printer_->Faults().closeAfterBytes = 2;
  UploadSession session(items, 1, TcpTarget());
  session.Start();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"ERROR: Failed to write data!"});
  EXPECT_FALSE(session.NextTimerMs());
  EXPECT_TRUE(session.ButtonsEnabled());
  EXPECT_EQ(sim::OpenSocketCount(), 0);
  EXPECT_EQ(sim::NowMs(), 0u);
}

TEST_F(UploadSessionTest, FailedConnectionsLeaveTheDialogReady) {
  struct Case {
    PrinterTarget target;
    std::string message;
  };
  PrinterTarget unreachable = TcpTarget();
  unreachable.tcpPort = 9101;
  // The serial, parallel and USB ports are not part of the link yet, so they cannot be opened.
  const std::vector<Case> cases = {{unreachable, kConnectFailedText},
                                   {LinkTarget(0, "COM1"), "Error : Openport failed!"},
                                   {LinkTarget(1, "LPT1"), "Error : Openport failed!"},
                                   {LinkTarget(2, "\\\\?\\usb#vid_0000"), "Error : Openport failed!"}};
  const std::vector<DownloadItem> items = SampleItems(1, {"one-colour.bmp"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    sim::ResetMessageBoxes();
    UploadSession session(items, 1, c.target);
    session.Start();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message});
    EXPECT_FALSE(session.NextTimerMs());
    EXPECT_TRUE(session.ButtonsEnabled());
    EXPECT_EQ(session.StatusText(), "Ready downloading.");
  }
  EXPECT_TRUE(printer_->Transcript().empty());
  EXPECT_EQ(sim::NowMs(), 0u);
}

TEST_F(UploadSessionTest, ClosingTheWindowStopsBeforeTheNextItem) {
  const std::vector<DownloadItem> items = SampleItems(1, kThreeLogos);
  UploadSession session(items, 1, TcpTarget());
  session.Start();
  sim::AdvanceMs(*session.NextTimerMs());
  session.Tick();
  session.Stop();
  EXPECT_FALSE(session.NextTimerMs());
  session.Tick();  // a tick already queued when the window went
  EXPECT_EQ(printer_->Transcript().size(), 2u);  // header and first record
  EXPECT_EQ(sim::OpenSocketCount(), 0);
  EXPECT_TRUE(MessageTexts().empty());
  EXPECT_FALSE(session.Completed());
}

TEST_F(UploadSessionTest, StartingAgainRepeatsTheWholeDownload) {
  const std::vector<DownloadItem> items = SampleItems(0, {"one-colour.bmp"});
  UploadSession session(items, 0, TcpTarget());
  session.Start();
  RunTimer(session);
  const Bytes once = printer_->ReceivedBytes();
  session.Start();
  RunTimer(session);
  Bytes twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(printer_->ReceivedBytes(), twice);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Download Completed!", "Download Completed!"}));
}

TEST_F(UploadSessionTest, AnItemWithoutDataIsAnImageListErrorAndFailsTheDownload) {
  std::vector<DownloadItem> items = SampleItems(1, {"one-colour.bmp", "gradient.bmp"});
  items[0].data.clear();
  UploadSession session(items, 1, TcpTarget());
  session.Start();
  RunTimer(session);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Error Code : 2001 (Image List Error)!",
                                                      "Download Failed!"}));
  ASSERT_EQ(printer_->Transcript().size(), 2u);
  EXPECT_EQ(printer_->Transcript()[1].bytes, items[1].data);
}

}  // namespace
