// The NV memory survives a restart through the state directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/printer-sim/PrinterTestSupport.h"

namespace {

class StateDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("p8-printer-sim-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    options_.stateDir = dir_.string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_;
  PrinterOptions options_;
};

TEST_F(StateDirectory, EveryKindOfStoredDataIsThereAfterARestart) {
  {
    VirtualPrinter printer(options_);
    Bytes font = {0x1C, 0x6C, 0x64, 0x73, 0x58, 0x06, 0x01, 0x00, 0, 0, 0, 0, 0, 0xA0, 0xFF};
    font.resize(15 + 256, 0x5A);
    printer.Receive(Bytes{0x1C, 0x71, 0x01} + SolidNvBitImage(1, 1) +
                        Bytes{0x1B, 0x67, 0x00, 0x01, 0x00, 0x01, 0x0D} +
                        NvGraphicsDefinition('K', '1', 8, 1, 0x0F, 0xF0) +
                        Bytes{0x08, 0x5E, 0x37, 0x0B, 0, 0, 0, 0x43, 0x01, 0x02, 8, 0, 1, 0, 0x31, 0x01, 0x32, 0x02} +
                        Bytes{0x1D, 0x28, 0x45, 0x03, 0x00, 0x01, 0x49, 0x4E} +
                        Bytes{0x1D, 0x28, 0x45, 0x0A, 0x00, 0x03, 0x0C} + Text("01010101") +
                        Bytes{0x08, 0x5E, 0x50, 0x30, 0x01, 0x1E} + font,
                    0);
  }
  VirtualPrinter restarted(options_);
  const PrinterState& state = restarted.State();
  ASSERT_EQ(state.nvBitImages.size(), 1u);
  EXPECT_EQ(state.nvBitImages[0].data, Bytes(8, 0xFF));
  ASSERT_EQ(state.impactImages.size(), 1u);
  EXPECT_EQ(state.impactImages[0], Bytes{0x0D});
  EXPECT_EQ(restarted.KeyCodes(), std::vector<std::string>{"K1"});
  EXPECT_EQ(state.nvGraphics.at("K1").planes[1].data, Bytes{0xF0});
  ASSERT_EQ(state.flashLogos.size(), 1u);
  EXPECT_EQ(state.flashLogos[0].planes[1].data, Bytes{0x02});
  EXPECT_EQ(SwitchPins(state, 12), "01010101");
  EXPECT_TRUE(state.powerSaveEnabled);
  EXPECT_EQ(state.powerSaveSeconds, 30);
  ASSERT_TRUE(state.fontInstalled);
  EXPECT_EQ(state.font.blockCount, 1);
  EXPECT_EQ(state.font.dataBytes, 256u);
  EXPECT_EQ(state.font.kind, 0xA0);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nvstate.txt.tmp"));
}

TEST_F(StateDirectory, ADamagedStateFileStartsEmptyAndIsLogged) {
  std::filesystem::create_directories(dir_);
  std::ofstream(dir_ / "nvstate.txt") << "p8-printer-state 1\nnvbit 1 1 FFFF\n";
  VirtualPrinter printer(options_);
  EXPECT_TRUE(printer.State().nvBitImages.empty());
  EXPECT_FALSE(printer.Log().empty());
  EXPECT_EQ(Ask(printer, Bytes{0x1D, 0x49, 0x03}), Bytes{0x63});
}

TEST(StateInMemory, WithoutADirectoryNothingIsKept) {
  {
    VirtualPrinter printer;
    printer.Receive(Bytes{0x1C, 0x71, 0x01} + SolidNvBitImage(1, 1), 0);
    EXPECT_EQ(printer.State().nvBitImages.size(), 1u);
  }
  VirtualPrinter fresh;
  EXPECT_TRUE(fresh.State().nvBitImages.empty());
}

}  // namespace
