// logoloft-cli as a user runs it: the bytes it writes equal the download items' .prn contents, bad
// input names the file and leaves nothing behind, usage errors print the usage.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "logoloft/conversion/LogoImage.h"
#include "logoloft/download/PrnFile.h"
#include "platform/sim/SimFiles.h"
#include "tests/tools/CliProcess.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LogoloftCli : public ScratchFolderTest {
 protected:
  LogoloftCli() : ScratchFolderTest("logoloft-cli") {}

  // What the download items of these samples hold as a .prn file, built in this process.
  std::vector<uint8_t> ExpectedPrn(int modelType, int width, ColourChoice choice,
                                   const std::vector<std::string>& samples) {
    sim::ResetFiles();
    std::vector<LogoImage> logos;
    for (size_t i = 0; i < samples.size(); ++i) {
      const std::string path = "C:\\logos\\" + samples[i];
      sim::PutFile(path, ReadFile(kSamples + samples[i]));
      auto logo = LoadLogoImage(static_cast<uint8_t>(i + 1), path, 0, 100, 100, choice, width);
      EXPECT_TRUE(logo.has_value()) << samples[i];
      if (logo) logos.push_back(*logo);
    }
    ItemBuildSettings settings;
    settings.modelType = modelType;
    settings.lineWidth = width;
    settings.colours = MakeConversionColours(0, choice, false);
    ItemBuildResult built = BuildDownloadItems(logos, settings);
    EXPECT_TRUE(built.ok());
    PrnContentsResult contents = PrnContents(modelType, built.items);
    EXPECT_TRUE(contents.ok());
    return contents.bytes;
  }
};

TEST_F(LogoloftCli, PrnWritesTheDownloadItemsWithTheWindowDefaults) {
  struct Case {
    int modelType;
    ColourChoice defaultChoice;  // Not Used for one-colour thermal, Red otherwise
  };
  for (const Case& c : {Case{0, ColourChoice::Red}, Case{1, ColourChoice::NotUsed},
                        Case{2, ColourChoice::Red}, Case{4, ColourChoice::Red}}) {
    SCOPED_TRACE(c.modelType);
    const fs::path out = dir_ / ("type" + std::to_string(c.modelType) + ".prn");
    CliRun run = RunCli("prn --model-type " + std::to_string(c.modelType) + " --width 256 -o " +
                        out.string() + " " + kSamples + "one-colour.bmp " + kSamples +
                        "two-colour.bmp");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(ReadFile(out),
              ExpectedPrn(c.modelType, 256, c.defaultChoice, {"one-colour.bmp", "two-colour.bmp"}));
  }
}

TEST_F(LogoloftCli, RefusalsNameTheCauseAndWriteNothing) {
  std::ofstream(dir_ / "not-a-bitmap.bmp") << "this is text, not a bitmap";
  const std::string good = kSamples + "one-colour.bmp";
  const std::string bad = (dir_ / "not-a-bitmap.bmp").string();
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"--model-type 1 --width 576 " + good + " " + bad, bad + ": Failed to load image file!"},
      {"--model-type 1 --width 576 " + good + " " + dir_.string() + "/missing.bmp",
       "missing.bmp: Failed to load image file!"},
      {"--model-type 3 --width 576 " + good, "Not Support Printer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const fs::path out = dir_ / "out.prn";
    CliRun run = RunCli("prn -o " + out.string() + " " + c.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(LogoloftCli, AFailedSaveKeepsTheFileThatWasThere) {
  const fs::path out = dir_ / "kept.prn";
  std::ofstream(out) << "earlier contents";
  CliRun run = RunCli("prn --model-type 3 --width 576 -o " + out.string() + " " + kSamples +
                      "one-colour.bmp");
  EXPECT_EQ(run.status, 1);
  const std::vector<uint8_t> kept = ReadFile(out);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "earlier contents");
}

TEST_F(LogoloftCli, UsageErrorsPrintTheUsage) {
  for (const std::string& arguments :
       {std::string(""), std::string("frobnicate"), std::string("prn --width 576 -o x.prn a.bmp"),
        std::string("prn --model-type 1 --width 576 --colour purple -o x.prn a.bmp"),
        std::string("prn --model-type 1 --width 576 --threshold 361 -o x.prn a.bmp"),
        std::string("show a.bmp"), std::string("send x.prn --to localhost"),
        std::string("download --to 127.0.0.1:9100 a.bmp"),
        std::string("download --model P-8 --to 127.0.0.1:9100"),
        std::string("print --to 127.0.0.1:9100 --select 1 --all"),
        std::string("print --to 127.0.0.1:9100 --quality 4")}) {
    SCOPED_TRACE(arguments);
    CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("usage:"), std::string::npos) << run.output;
  }
}

TEST_F(LogoloftCli, ShowWritesTheLogoAsLoadedOrAsFitted) {
  // one-colour.bmp is 384 x 96: fitted to 192 dots it is 192 x 48.
  struct Case {
    std::string options;
    std::string size;
  };
  for (const Case& c : {Case{"", "384 x 96"}, Case{"--transformed --width 192", "192 x 48"},
                        Case{"--transformed", "384 x 96"}}) {
    SCOPED_TRACE(c.options);
    const fs::path out = dir_ / "shown.png";
    CliRun run = RunCli("show " + kSamples + "one-colour.bmp -o " + out.string() + " " + c.options);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find(c.size), std::string::npos) << run.output;
    const std::vector<uint8_t> png = ReadFile(out);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  }
}

}  // namespace
