// The main window's logo list: "Open File" under DOWNMAX and MEMORYSIZE, "Remove", "Reset",
// the rows and footer, and the model type paths of "Download.." and "Print".
#include <gtest/gtest.h>

#include "logoloft/app/LogoloftIds.h"
#include "platform/os/MessageBox.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "tests/fixtures/NetPortMessages.h"
#include "tests/logoloft-app/MainWindowFixture.h"

using namespace logoloft;

namespace {

using Strings = std::vector<std::string>;

TEST_F(MainWindowTest, OpenFileRefusesFilesBeyondDownMaxOncePerFile) {
  PutInf(1, 3, 256);
  for (const char* p : {"C:\\a.bmp", "C:\\b.bmp", "C:\\c.bmp", "C:\\d.bmp", "C:\\e.bmp"}) PutBitmap(p, 16, 8);
  Open();
  OpenFiles({"C:\\a.bmp", "C:\\b.bmp", "C:\\c.bmp"});
  OpenFiles({"C:\\d.bmp", "C:\\e.bmp"});
  EXPECT_EQ(Messages(), (Strings{"Don't Read files any more!", "Don't Read files any more!"}));
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
  EXPECT_EQ(Column(1), (Strings{"a.bmp", "b.bmp", "c.bmp"}));
  const ui::FileDialogRequest& r = host->Script().fileRequests.at(0);
  EXPECT_EQ(r.filter, "Image Files(*.bmp)|*.bmp||");
  EXPECT_TRUE(r.multiSelect);
  EXPECT_TRUE(r.hideReadOnly);
  EXPECT_EQ(r.nameBufferSize, 4096u);
}

TEST_F(MainWindowTest, MemorySizeAdmitsAnExactFitAndStopsAtTheFirstOverflow) {
  PutInf(1, 10, 64);
  PutBitmap("C:\\big.bmp", 512, 1023);   // 64 x 1023 = 65472 bytes
  PutBitmap("C:\\line.bmp", 512, 1);     // 64 bytes: the sum is exactly 65536
  PutBitmap("C:\\dot.bmp", 8, 1);        // 1 byte more: refused
  PutBitmap("C:\\never.bmp", 8, 1);      // not tried any more
  sim::PutTextFile("C:\\not.bmp", "plain text");
  Open();
  OpenFiles({"C:\\not.bmp", "C:\\big.bmp", "C:\\line.bmp", "C:\\dot.bmp", "C:\\never.bmp"});
  EXPECT_EQ(Messages(), (Strings{"Failed to load image file!", "NV-bitimage area too small"}));
  EXPECT_EQ(Column(1), (Strings{"big.bmp", "line.bmp"}));
  EXPECT_EQ(host->Control(kIdcListFooter).text, "Logo Files : 2 / 10 \nLogo Size Total : 64 / 64 KByte");
}

TEST_F(MainWindowTest, RowsShowSizesInWholeKilobytes) {
  PutInf(1, 10, 256);
  PutBitmap("C:\\small.bmp", 80, 100);   // 10 x 100 = 1000 bytes
  PutBitmap("C:\\wide.bmp", 1000, 300);  // clipped to 576: 72 x 300 = 21600 bytes
  Open();
  OpenFiles({"C:\\small.bmp", "C:\\wide.bmp"});
  EXPECT_EQ(Column(2), (Strings{"0", "21"}));
  EXPECT_EQ(host->Control(kIdcListFooter).text, "Logo Files : 2 / 10 \nLogo Size Total : 22 / 256 KByte");
  const auto& columns = host->Control(kIdcLogoList).columns;
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].title, "No.");
  EXPECT_EQ(columns[1].width, 140);
}

class RemoveTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    PutInf(1, 10, 256);
    for (int i = 1; i <= 5; ++i) PutBitmap("C:\\logo" + std::to_string(i) + ".bmp", 16, 8);
    Open();
    OpenFiles({"C:\\logo1.bmp", "C:\\logo2.bmp", "C:\\logo3.bmp", "C:\\logo4.bmp", "C:\\logo5.bmp"});
  }
};

TEST_F(RemoveTest, RemovingSeveralRowsRenumbersTheRestInOrder) {
  ASSERT_TRUE(host->SelectRows(kIdcLogoList, {3}));
  ASSERT_EQ(window->CurrentLogoNumber(), 4);
  ASSERT_TRUE(host->SelectRows(kIdcLogoList, {1, 3}));
  ASSERT_TRUE(host->Click(kIdcRemove));
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
  EXPECT_EQ(Column(1), (Strings{"logo1.bmp", "logo3.bmp", "logo5.bmp"}));
  EXPECT_EQ(window->CurrentLogoNumber(), -1);
  EXPECT_EQ(window->PreviewPath(), "");
  const sim::MessageBoxRecord question = sim::MessageBoxes().at(0);
  EXPECT_EQ(question.text, "Do you want to remove all of selection?");
  EXPECT_EQ(question.caption, "BMP Logo!");
  EXPECT_EQ(question.type, os::kMbYesNo | os::kMbIconQuestion);
}

TEST_F(RemoveTest, NoKeepsTheListAndNoSelectionIsReported) {
  ASSERT_TRUE(host->Click(kIdcRemove));
  EXPECT_EQ(sim::MessageBoxes().at(0).text, "Without a bmpfile being selected.");
  EXPECT_EQ(sim::MessageBoxes().at(0).type, os::kMbOk | os::kMbIconExclamation);
  host->SelectRows(kIdcLogoList, {0});
  sim::AnswerNextMessageBoxes({os::kIdNo});
  ASSERT_TRUE(host->Click(kIdcRemove));
  EXPECT_EQ(Column(0).size(), 5u);
  EXPECT_EQ(window->CurrentLogoNumber(), 1);
}

TEST_F(RemoveTest, ResetEmptiesEverythingWithoutAsking) {
  host->SelectRows(kIdcLogoList, {2});
  ASSERT_TRUE(host->Click(kIdcReset));
  EXPECT_TRUE(Column(0).empty());
  EXPECT_EQ(window->CurrentLogoNumber(), -1);
  EXPECT_TRUE(sim::MessageBoxes().empty());
  EXPECT_EQ(host->Control(kIdcListFooter).text, "Logo Files : 0 / 10 \nLogo Size Total : 0 / 256 KByte");
  EXPECT_FALSE(host->Control(kIdcSourceFrame).image.has_value());
}

TEST_F(MainWindowTest, DownloadAndPrintFollowTheModelType) {
  // The impact model's resolution dialog is cancelled, so its download opens nothing more; its
  // "Print" sends ESC g itself, which fails here with the connection message (no printer listens).
  const struct {
    int modelType;
    bool withLogo;
    Strings messages;
    Strings calls;
    std::vector<int> modals;
  } cases[] = {
      {3, true, {"Not Support Printer"}, {}, {}},
      {7, true, {"Not Support Printer"}, {}, {}},
      {1, false, {"Without a bitmap file being selected."}, {}, {kIddPrint}},
      {1, true, {}, {}, {kIddUpload, kIddPrint}},
      {0, true, {kConnectFailedText}, {}, {kIddResolution}},
      {2, true, {}, {"key-code download 2 1", "key-code list 2"}, {}},
      {4, true, {}, {"key-code download 4 1", "key-code list 4"}, {}},
  };
  for (const auto& c : cases) {
    host.reset();
    window.reset();
    SetUp();
    services.calls.clear();
    PutInf(c.modelType, 10, 256, 576, {"INTERFACE=3", "PORTNAME=Ethernet"});
    PutBitmap("C:\\a.bmp", 16, 8);
    Open();
    if (c.withLogo) OpenFiles({"C:\\a.bmp"});
    host->Click(kIdcDownload);
    host->Click(kIdcPrint);
    EXPECT_EQ(Messages(), c.messages) << c.modelType;
    EXPECT_EQ(services.calls, c.calls) << c.modelType;
    EXPECT_EQ(host->Script().modalsRun, c.modals) << c.modelType;
  }
}

}  // namespace
