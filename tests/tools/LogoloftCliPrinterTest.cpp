// logoloft-cli download and print against a real printer-sim process: the logos are stored and
// printed, and models the upload dialog does not serve are refused before anything is sent.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/tools/CliProcess.h"
#include "tests/tools/PrinterSimProcess.h"

namespace fs = std::filesystem;

namespace {

const std::string kCatalogue = P8_SOURCE_DIR "/data/NV.inf";

class LogoloftCliPrinter : public ScratchFolderTest {
 protected:
  LogoloftCliPrinter() : ScratchFolderTest("logoloft-cli-printer") {}
};

// Takes real seconds: the printer needs its 6000 ms after the FS q header.
TEST_F(LogoloftCliPrinter, DownloadedLogosPrintFromThePrinter) {
  const fs::path state = dir_ / "printer";
  {
    PrinterSimProcess printer(state.string());
    ASSERT_TRUE(printer.Listening());
    CliRun download = RunCli("download --model P-8 --catalogue " + kCatalogue + " --to " +
                          printer.Address() + " " + kSamples + "one-colour.bmp " + kSamples +
                          "gradient.bmp");
    ASSERT_EQ(download.status, 0) << download.output;
    EXPECT_NE(download.output.find("( 2 / 2 )"), std::string::npos) << download.output;
    EXPECT_NE(download.output.find("Download Completed!"), std::string::npos) << download.output;

    CliRun print = RunCli("print --to " + printer.Address() + " --select 1-2 --header --quality 1");
    EXPECT_EQ(print.status, 0) << print.output;
  }
  ASSERT_TRUE(fs::exists(state / "prints"));
  int pngs = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(state / "prints")) {
    pngs += entry.path().extension() == ".png" ? 1 : 0;
  }
  EXPECT_GE(pngs, 1);
}

TEST_F(LogoloftCliPrinter, ModelsTheUploadDialogDoesNotServeAreRefused) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::string bmp = kSamples + "one-colour.bmp";
  // Nothing listens on port 9 of the loopback: a refused model never gets as far as connecting.
  const std::vector<Case> cases = {
      {"--model Wren-20M --catalogue " + kCatalogue, "Not Support Printer"},
      {"--model Wren-20XM --catalogue " + kCatalogue, "key-code dialogs"},
      {"--model Nonesuch --catalogue " + kCatalogue, "no model Nonesuch"},
      {"--model P-8 --catalogue " + (dir_ / "missing.inf").string(), "no model catalogue"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    CliRun run = RunCli("download " + c.arguments + " --to 127.0.0.1:9 " + bmp);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Failed to connected"), std::string::npos) << run.output;
  }
}

}  // namespace
