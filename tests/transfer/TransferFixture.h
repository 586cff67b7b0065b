// What the transfer tests share: a fresh simulated platform, the virtual printer on the simulated
// network, download items built from the sample logos, and driving the dialog's timer.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "logoloft/conversion/LogoImage.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/transfer/PrinterTarget.h"
#include "logoloft/transfer/UploadSession.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimReset.h"
#include "printer-sim/engine/SimPrinterPeer.h"
#include "printer-sim/engine/VirtualPrinter.h"
#include "tests/fixtures/NetPortMessages.h"

class TransferTest : public ::testing::Test {
 protected:
  static constexpr const char* kPrinterIp = "192.168.0.50";
  static constexpr int kPrinterPort = 9100;

  void SetUp() override { FreshPrinter(); }

  // A fresh simulated platform with a new printer listening: for each case of a table.
  void FreshPrinter() {
    sim::ResetAll();
    printer_ = std::make_unique<VirtualPrinter>();
    sim::Listen(kPrinterIp, kPrinterPort, SimPrinterFactory(*printer_));
  }

  static PrinterTarget TcpTarget() {
    PrinterTarget target;
    target.settings.interfaceKind = 3;
    target.settings.portName = "Ethernet";
    target.interfaceKind = 3;
    target.ipAddress = kPrinterIp;
    target.tcpPort = kPrinterPort;
    return target;
  }

  // A port the link takes by name: "COM1" serial, "LPT1" parallel, anything else a USB path.
  static PrinterTarget LinkTarget(int interfaceKind, const std::string& portName) {
    PrinterTarget target;
    target.settings.interfaceKind = interfaceKind;
    target.settings.portName = portName;
    target.interfaceKind = interfaceKind;
    return target;
  }

  // The items "Download.." builds for these sample logos on a 576-dot model.
  static std::vector<DownloadItem> SampleItems(int modelType, const std::vector<std::string>& samples) {
    const ColourChoice choice = modelType == 1 ? ColourChoice::NotUsed : ColourChoice::Red;
    std::vector<LogoImage> logos;
    for (size_t i = 0; i < samples.size(); ++i) {
      const std::string path = "C:\\logos\\" + samples[i];
      std::ifstream in(P8_SOURCE_DIR "/samples/" + samples[i], std::ios::binary);
      sim::PutFile(path, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
      auto logo = LoadLogoImage(static_cast<uint8_t>(i + 1), path, 0, 100, 100, choice, 576);
      EXPECT_TRUE(logo.has_value()) << samples[i];
      if (logo) logos.push_back(*logo);
    }
    ItemBuildSettings settings;
    settings.modelType = modelType;
    settings.lineWidth = 576;
    settings.colours = MakeConversionColours(0, choice, false);
    ItemBuildResult built = BuildDownloadItems(logos, settings);
    EXPECT_TRUE(built.ok());
    return built.items;
  }

  // Fires timer 1 whenever the session asks for it, as the dialog's timer would, until it stops.
  static void RunTimer(UploadSession& session) {
    while (std::optional<uint32_t> delay = session.NextTimerMs()) {
      sim::AdvanceMs(*delay);
      session.Tick();
    }
  }

  static std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (const sim::MessageBoxRecord& box : sim::MessageBoxes()) texts.push_back(box.text);
    return texts;
  }

  std::unique_ptr<VirtualPrinter> printer_;
};

