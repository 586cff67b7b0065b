// The main window fixture: NV.inf, bitmaps and a started headless window.
#include "tests/logoloft-app/MainWindowFixture.h"

#include "logoloft/app/LogoloftIds.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimReset.h"
#include "tests/logoloft/TestBmp.h"

void MainWindowTest::SetUp() {
  sim::ResetAll();
  sim::ResetRegistry();
  sim::SetModuleFileName("C:\\P8\\Logoloft.exe");
}

void MainWindowTest::TearDown() {
  if (host) {
    EXPECT_TRUE(host->UnknownIds().empty()) << "the window used an id its description lacks";
  }
  host.reset();
  window.reset();
}

void MainWindowTest::PutInf(int modelType, int downMax, int memoryKb, int width,
                            const std::vector<std::string>& communication) {
  std::string text = "[COMMON]\r\nDESCRIPTION=P-8 NV Logo Utility\r\nVERSION=1.02\r\nModelName=P-8\r\n";
  text += "ModelType=" + std::to_string(modelType) + "\r\nRECEIPTWIDTH=" + std::to_string(width) +
          "\r\nMEMORYSIZE=" + std::to_string(memoryKb) + "\r\nDOWNMAX=" + std::to_string(downMax) +
          "\r\n[COMMUNICATION]\r\n";
  for (const std::string& line : communication) text += line + "\r\n";
  sim::PutTextFile(kInfPath, text);
}

void MainWindowTest::PutBitmap(const std::string& path, int w, int h) {
  Bitmap b(w, h, kWhite);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w / 2; ++x) b.At(x, y) = kBlack;
  }
  PutBitmap(path, b);
}

void MainWindowTest::PutBitmap(const std::string& path, const Bitmap& bitmap) {
  sim::PutFile(path, MakeBmp24(bitmap));
}

void MainWindowTest::Open() {
  host.reset();
  window.reset();
  window = std::make_unique<logoloft::MainWindow>(services, kInfPath);
  host = std::make_unique<ui::HeadlessDialog>(*window);
  host->Start();
}

void MainWindowTest::OpenFiles(const std::vector<std::string>& paths) {
  host->Script().fileAnswers.push_back(paths);
  ASSERT_TRUE(host->Click(logoloft::kIdcOpenFile));
}

std::vector<std::string> MainWindowTest::Messages() {
  std::vector<std::string> texts;
  for (const sim::MessageBoxRecord& r : sim::MessageBoxes()) texts.push_back(r.text);
  return texts;
}

std::vector<std::string> MainWindowTest::Column(int column) const {
  std::vector<std::string> cells;
  for (const auto& row : host->Control(logoloft::kIdcLogoList).rows) cells.push_back(row[column]);
  return cells;
}
