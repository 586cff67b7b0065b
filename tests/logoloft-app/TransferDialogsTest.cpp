// The upload and print dialogs as the main window opens them, against the virtual printer on the
// simulated network: a paced download seen through the dialog's controls, the close box during a
// download, "Save File.." holding the download's bytes, the impact resolution step, and the print
// dialog's radios turned into bytes.
#include <gtest/gtest.h>

#include <memory>

#include "logoloft/app/LogoloftIds.h"
#include "platform/os/MessageBox.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimNetwork.h"
#include "printer-sim/engine/SimPrinterPeer.h"
#include "printer-sim/engine/VirtualPrinter.h"
#include "tests/logoloft-app/MainWindowFixture.h"

using namespace logoloft;

namespace {

using Strings = std::vector<std::string>;

class TransferDialogsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    printer = std::make_unique<VirtualPrinter>();
    sim::Listen("192.168.0.50", 9100, SimPrinterFactory(*printer));
  }

  // The window of a model of this type talking TCP to the printer, with two logos in its list.
  void OpenWithTwoLogos(int modelType, int width = 576) {
    PutInf(modelType, 10, 256, width,
           {"INTERFACE=3", "PORTNAME=Ethernet", "IP1=192", "IP2=168", "IP3=0", "IP4=50", "PORT=9100"});
    PutBitmap("C:\\logos\\a.bmp", 64, 24);
    PutBitmap("C:\\logos\\b.bmp", 32, 40);
    Open();
    OpenFiles({"C:\\logos\\a.bmp", "C:\\logos\\b.bmp"});
  }

  // Clicks the window's button and runs `step` in the dialog it opens.
  void InDialog(int button, std::function<void(ui::HeadlessDialog&)> step) {
    host->Script().modalSteps.push_back(std::move(step));
    ASSERT_TRUE(host->Click(button));
  }

  std::unique_ptr<VirtualPrinter> printer;
};

void ExpectButtonsEnabled(ui::HeadlessDialog& d, bool enabled) {
  for (int id : {kIdcDownloadStart, kIdcSaveFile, kIdcUploadCancel}) {
    EXPECT_EQ(d.Control(id).enabled, enabled) << id;
  }
}

TEST_F(TransferDialogsTest, DownloadShowsItsProgressAndStoresEveryLogo) {
  OpenWithTwoLogos(1);
  InDialog(kIdcDownload, [&](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.Caption(), "P-8 Image download dialog");
    EXPECT_EQ(d.Control(kIdcUploadStatus).text, "Ready downloading.");
    ExpectButtonsEnabled(d, true);

    ASSERT_TRUE(d.Click(kIdcDownloadStart));
    EXPECT_EQ(sim::NowMs(), 6000u);  // the FS q header's settling wait blocks the window
    ExpectButtonsEnabled(d, false);
    EXPECT_EQ(d.Control(kIdcUploadProgress).maximum, 20);
    EXPECT_EQ(d.Control(kIdcUploadProgress).pos, 0);

    d.AdvanceClock(1000);
    EXPECT_EQ(d.Control(kIdcUploadStatus).text, "Downloding... a.bmp ( 1 / 2 ) ");
    EXPECT_EQ(d.Control(kIdcUploadProgress).pos, 10);
    d.AdvanceClock(100);
    EXPECT_EQ(d.Control(kIdcUploadStatus).text, "Downloding... b.bmp ( 2 / 2 ) ");
    EXPECT_TRUE(Messages().empty());
    d.AdvanceClock(100);  // the tick after the last item finishes
    EXPECT_EQ(Messages(), Strings{"Download Completed!"});
    EXPECT_EQ(d.Control(kIdcUploadProgress).pos, 20);
    ExpectButtonsEnabled(d, true);
    EXPECT_FALSE(d.HasTimer(1));
    ASSERT_TRUE(d.Click(kIdcUploadCancel));
    EXPECT_FALSE(d.IsOpen());
  });
  EXPECT_EQ(host->Script().modalsRun, std::vector<int>{kIddUpload});
  ASSERT_EQ(printer->State().nvBitImages.size(), 2u);
  EXPECT_EQ(printer->Transcript()[0].bytes, (Bytes{0x1C, 0x71, 0x02}));
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(TransferDialogsTest, TheCloseBoxStopsADownloadBeforeItsNextItem) {
  OpenWithTwoLogos(1);
  InDialog(kIdcDownload, [&](ui::HeadlessDialog& d) {
    ASSERT_TRUE(d.Click(kIdcDownloadStart));
    EXPECT_FALSE(d.Click(kIdcUploadCancel));  // disabled while sending
    d.AdvanceClock(1000);
    ASSERT_TRUE(d.Close());
    EXPECT_FALSE(d.IsOpen());
  });
  sim::AdvanceMs(5000);
  EXPECT_EQ(printer->Transcript().size(), 2u);  // the header and the first item only
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(TransferDialogsTest, SaveFileHoldsExactlyTheBytesADownloadSends) {
  OpenWithTwoLogos(1);
  InDialog(kIdcDownload, [&](ui::HeadlessDialog& d) {
    ASSERT_TRUE(d.Click(kIdcSaveFile));  // cancelled: nothing happens
    d.Script().fileAnswers.push_back({"C:\\out\\logos.prn"});
    ASSERT_TRUE(d.Click(kIdcSaveFile));
    EXPECT_EQ(Messages(), Strings{"Print files Save finished"});
    EXPECT_TRUE(sim::MessageBoxes()[0].type & os::kMbIconExclamation);
    ASSERT_TRUE(d.Click(kIdcDownloadStart));
    d.AdvanceClock(2000);
  });
  const Strings requestsSeen = {host->Script().fileRequests[1].filter,
                                host->Script().fileRequests[1].defaultExtension};
  EXPECT_EQ(requestsSeen, (Strings{"Print Files(*.prn)|*.prn||", "*.prn"}));
  EXPECT_TRUE(host->Script().fileRequests[1].save);
  const std::optional<std::vector<uint8_t>> saved = sim::FileBytes("C:\\out\\logos.prn");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(*saved, printer->ReceivedBytes());
  EXPECT_EQ(Messages().back(), "Download Completed!");
}

TEST_F(TransferDialogsTest, ImpactDownloadAsksForTheDensityFirst) {
  const struct {
    bool confirm;
    std::vector<int> modals;
  } cases[] = {{true, {kIddResolution, kIddUpload}}, {false, {kIddResolution}}};
  for (const auto& c : cases) {
    SetUp();
    OpenWithTwoLogos(0, 208);
    host->Script().modalSteps.push_back([&c](ui::HeadlessDialog& d) {
      d.Click(kIdcDoubleDensity);
      if (c.confirm) d.Click(ui::kIdOk);
    });
    InDialog(kIdcDownload, [](ui::HeadlessDialog& d) {
      ASSERT_TRUE(d.Click(kIdcDownloadStart));
      d.AdvanceClock(1000);
      EXPECT_EQ(d.Control(kIdcUploadStatus).text, "Downloding... HeadCommnad ( 1 / 3 ) ");
      d.AdvanceClock(1000);
    });
    EXPECT_EQ(host->Script().modalsRun, c.modals) << c.confirm;
    EXPECT_EQ(printer->State().impactImages.size(), c.confirm ? 2u : 0u);
    if (c.confirm) {
      EXPECT_EQ(printer->Transcript()[0].bytes, (Bytes{0x1B, 0x67, 0x00, 0x02}));
      EXPECT_EQ(Messages(), Strings{"Download Completed!"});
    }
    host.reset();
    window.reset();
  }
}

TEST_F(TransferDialogsTest, ALogoThatCannotBeBuiltOpensNoDialog) {
  OpenWithTwoLogos(1);
  sim::RemoveFile("C:\\logos\\b.bmp");
  ASSERT_TRUE(host->Click(kIdcDownload));
  EXPECT_EQ(Messages(), Strings{"b.bmp : Failed to load image file!"});
  EXPECT_TRUE(host->Script().modalsRun.empty());
  EXPECT_TRUE(printer->Transcript().empty());
}

Bytes Header(int n) {
  const std::string line = "----- Logo : " + std::to_string(n) + " -----\n";
  Bytes block(line.begin(), line.end());
  block.resize(30, 0x00);
  return block;
}

TEST_F(TransferDialogsTest, PrintDialogRadiosChooseTheBytesAndStartAfreshEachTime) {
  OpenWithTwoLogos(1);
  Bytes headed = Header(1);
  headed.insert(headed.end(), {0x1C, 0x70, 0x01, 0x00});
  const struct {
    std::vector<int> clicks;
    std::string selection;
    Bytes expected;
  } cases[] = {
      {{kIdcQualityDoubleHigh, kIdcRangeSelection}, "2", {0x1C, 0x70, 0x02, 0x02}},
      {{kIdcAddHeader, kIdcRangeSelection}, "1", headed},
      {{kIdcQualityQuadruple, kIdcQualityDoubleWide, kIdcRangeSelection}, "1-2",
       {0x1C, 0x70, 0x01, 0x01, 0x1C, 0x70, 0x02, 0x01}},
      {{kIdcAddHeader, kIdcNoHeader, kIdcRangeSelection}, "2", {0x1C, 0x70, 0x02, 0x00}},
      {{kIdcRangeSelection}, "", {}},
      {{kIdcRangeSelection, kIdcRangeAll}, "9", {}},  // checked below: all 255 numbers
  };
  for (const auto& c : cases) {
    const size_t before = printer->ReceivedBytes().size();
    InDialog(kIdcPrint, [&c](ui::HeadlessDialog& d) {
      EXPECT_EQ(d.Caption(), "Print");
      for (int id : {kIdcQualityNormal, kIdcNoHeader, kIdcRangeAll}) {
        EXPECT_TRUE(d.Control(id).checked) << id;
      }
      for (int id : c.clicks) {
        ASSERT_TRUE(d.Click(id));
      }
      EXPECT_EQ(d.FocusedId(), kIdcSelectionEdit);  // "Selection" was clicked in every case
      d.Type(kIdcSelectionEdit, c.selection);
      ASSERT_TRUE(d.Click(kIdcPrintButton));
      ASSERT_TRUE(d.Click(kIdcPrintExit));
    });
    const std::vector<uint8_t> all = printer->ReceivedBytes();
    const Bytes sent(all.begin() + static_cast<long>(before), all.end());
    if (c.clicks.back() == kIdcRangeAll) {
      ASSERT_EQ(sent.size(), 255u * 4u);
      EXPECT_EQ(Bytes(sent.end() - 4, sent.end()), (Bytes{0x1C, 0x70, 0xFF, 0x00}));
    } else {
      EXPECT_EQ(sent, c.expected) << c.selection;
    }
  }
  EXPECT_EQ(Messages(), Strings{"Select Image Number Please!"});
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

}  // namespace
