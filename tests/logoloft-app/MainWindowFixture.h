// A simulated Logoloft beside its NV.inf, with bitmaps on disk and a recording stand-in for the
// dialogs that the main window hands work to; the window runs in the headless host.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "logoloft/app/MainWindow.h"
#include "platform/bitmap/Bitmap.h"
#include "ui/headless/HeadlessDialog.h"

// Records what the window asked of the dialogs built elsewhere; the port dialog may run a step.
struct RecordingServices : logoloft::MainWindowServices {
  std::vector<std::string> calls;
  std::function<void()> duringPortSetting;

  void OpenCommunicationDialog(ui::DialogHost&) override {
    calls.push_back("communication");
    if (duringPortSetting) duringPortSetting();
  }
  void OpenKeyCodeDownload(ui::DialogHost&, const logoloft::LogoloftContext& c,
                           const std::vector<DownloadItem>& items) override {
    calls.push_back("key-code download " + std::to_string(c.modelType) + " " +
                    std::to_string(items.size()));
  }
  void OpenKeyCodeList(ui::DialogHost&, const logoloft::LogoloftContext& c) override {
    calls.push_back("key-code list " + std::to_string(c.modelType));
  }
  void DiscoverPort(const std::string&) override { calls.push_back("discover"); }
  void MovePrintersAside(const std::string& port) override { calls.push_back("move " + port); }
  void GivePrintersBack() override { calls.push_back("give back"); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  static constexpr const char* kInfPath = "C:\\P8\\NV.inf";

  void SetUp() override;
  void TearDown() override;

  // NV.inf with this model and port; `extra` lines go into COMMUNICATION.
  void PutInf(int modelType, int downMax, int memoryKb, int width = 576,
              const std::vector<std::string>& communication = {"INTERFACE=0", "PORTNAME=COM1",
                                                                "BAUDRATE=19200"});
  // A w x h bitmap file at `path`, black on its left half and white elsewhere.
  static void PutBitmap(const std::string& path, int w, int h);
  static void PutBitmap(const std::string& path, const Bitmap& bitmap);
  // Starts the main window.
  void Open();
  // "Open File" answered with these paths.
  void OpenFiles(const std::vector<std::string>& paths);
  // Texts of the message boxes shown so far.
  static std::vector<std::string> Messages();
  std::vector<std::string> Column(int column) const;

  RecordingServices services;
  std::unique_ptr<logoloft::MainWindow> window;
  std::unique_ptr<ui::HeadlessDialog> host;
};
