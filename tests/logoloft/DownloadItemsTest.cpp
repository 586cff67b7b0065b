// Tests of loading logos from files, building the download items per model type and saving .prn files.
#include <gtest/gtest.h>

#include <string>

#include "logoloft/conversion/LogoImage.h"
#include "logoloft/conversion/PrepareLogo.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/download/PrnFile.h"
#include "logoloft/encoders/ImpactBands.h"
#include "logoloft/encoders/NvBitImage.h"
#include "platform/sim/SimFiles.h"
#include "tests/logoloft/TestBmp.h"

namespace {

const ColourRef kRed = MakeColour(255, 0, 0);

// Logos stored as bitmap files in the simulated file store.
class DownloadItemsTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetFiles(); }

  // A 20 x 12 logo, black on top, red below, with the bitmap stored at C:\logos\<name>.
  LogoImage AddLogo(const std::string& name, const Bitmap& bitmap) {
    const std::string path = "C:\\logos\\" + name;
    sim::PutFile(path, MakeBmp24(bitmap));
    std::optional<LogoImage> logo =
        LoadLogoImage(static_cast<uint8_t>(logos_.size() + 1), path, 0, 100, 100,
                      ColourChoice::Red, kLineWidth);
    EXPECT_TRUE(logo) << name;
    logos_.push_back(*logo);
    return *logo;
  }

  static Bitmap TwoColourLogo(int w, int h) {
    Bitmap bitmap(w, h, kBlack);
    for (int y = h / 2; y < h; ++y) {
      for (int x = 0; x < w; ++x) bitmap.At(x, y) = kRed;
    }
    return bitmap;
  }

  ItemBuildSettings Settings(int modelType) const {
    ItemBuildSettings settings;
    settings.modelType = modelType;
    settings.lineWidth = kLineWidth;
    settings.colours = {kRed, kBlack};
    return settings;
  }

  static constexpr int kLineWidth = 64;
  std::vector<LogoImage> logos_;
};

TEST_F(DownloadItemsTest, LoadLogoImageNamesAndSizesTheLogo) {
  const LogoImage logo = AddLogo("wide.bmp", Bitmap(100, 30));
  EXPECT_EQ(logo.name, "wide.bmp");
  EXPECT_EQ(logo.path, "C:\\logos\\wide.bmp");
  EXPECT_EQ(logo.size, 8 * 30);  // the width clipped to 64 dots, the height as loaded
  EXPECT_EQ(logo.number, 1);

  sim::PutFile("C:\\logos\\text.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
  EXPECT_FALSE(LoadLogoImage(2, "C:\\logos\\text.bmp", 0, 0, 0, ColourChoice::Red, 64));
  EXPECT_FALSE(LoadLogoImage(2, "C:\\logos\\missing.bmp", 0, 0, 0, ColourChoice::Red, 64));
}

TEST_F(DownloadItemsTest, OneColourItemsAreTheRecordsInListOrder) {
  AddLogo("a.bmp", TwoColourLogo(20, 12));
  AddLogo("b.bmp", TwoColourLogo(100, 10));
  const ItemBuildResult built = BuildDownloadItems(logos_, Settings(kModelTypeOneColour));
  ASSERT_TRUE(built.ok());
  ASSERT_EQ(built.items.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const std::optional<Bitmap> prepared = PrepareLogo(logos_[i], Settings(1).colours, kLineWidth);
    ASSERT_TRUE(prepared);
    EXPECT_EQ(built.items[i].name, logos_[i].name);
    EXPECT_EQ(built.items[i].data, *EncodeNvBitImage(*prepared));
  }
  EXPECT_EQ(built.items[1].data[0], 8);  // 100 dots fitted to 64: X = 8
}

TEST_F(DownloadItemsTest, ImpactItemsStartWithTheLengthTable) {
  AddLogo("a.bmp", TwoColourLogo(20, 12));
  AddLogo("b.bmp", TwoColourLogo(40, 32));
  ItemBuildSettings settings = Settings(kModelTypeImpact);
  settings.density = DotDensity::Single;
  const ItemBuildResult built = BuildDownloadItems(logos_, settings);
  ASSERT_TRUE(built.ok());
  ASSERT_EQ(built.items.size(), 3u);
  EXPECT_EQ(built.items[0].name, "HeadCommnad");
  // Single density halves both sides: 10 x 6 is one band of 40 bytes, 20 x 16 two bands of 60.
  EXPECT_EQ(built.items[0].data, (Bytes{0x00, 40, 0x00, 120}));
  EXPECT_EQ(built.items[1].data.size(), 40u);
  EXPECT_EQ(built.items[2].data.size(), 120u);

  settings.density = DotDensity::Quad;
  const ItemBuildResult quad = BuildDownloadItems(logos_, settings);
  ASSERT_TRUE(quad.ok());
  EXPECT_EQ(quad.items[1].data, *EncodeImpactQuad(*PrepareLogo(logos_[0], settings.colours, 64)));
}

TEST_F(DownloadItemsTest, KeyCodeAndFlashItemsCarryTheLogoSize) {
  AddLogo("a.bmp", TwoColourLogo(20, 12));
  AddLogo("b.bmp", TwoColourLogo(8, 2));
  const ItemBuildResult graphics = BuildDownloadItems(logos_, Settings(kModelTypeKeyCode));
  ASSERT_TRUE(graphics.ok());
  EXPECT_EQ(graphics.items[0].size, 3 * 12);
  EXPECT_EQ(graphics.items[0].data.size(), 2 * 36 + 19u);
  EXPECT_EQ(graphics.items[0].data[10], 0x00);
  EXPECT_EQ(graphics.items[0].data[11], 0x00);

  const ItemBuildResult flash = BuildDownloadItems(logos_, Settings(kModelTypeFlashLogo));
  ASSERT_TRUE(flash.ok());
  const FlashTotals totals = SumFlashItems(flash.items);
  EXPECT_EQ(totals.count, 2u);
  EXPECT_EQ(totals.sum, (2 * 36 + 7u) + (2 * 2 + 7u));
}

TEST_F(DownloadItemsTest, RefusalsNameTheLogoAndTheReason) {
  AddLogo("ok.bmp", TwoColourLogo(8, 8));
  AddLogo("tall.bmp", Bitmap(64, 32000, kBlack));  // 4 + 4000 x 64 bytes: too large an image
  const struct { int type; const char* logo; const char* reason; } cases[] = {
      {kModelTypeOneColour, "tall.bmp", "NV bit image too large"},
      {kModelTypeImpact, "tall.bmp", "Impact image too large"},  // beyond the 2-byte length
      {kModelTypeUnsupported, "", "Not Support Printer"},
  };
  for (const auto& c : cases) {
    const ItemBuildResult built = BuildDownloadItems(logos_, Settings(c.type));
    ASSERT_FALSE(built.ok()) << c.type;
    EXPECT_TRUE(built.items.empty());
    EXPECT_EQ(built.refusal->logoName, c.logo);
    EXPECT_EQ(built.refusal->reason, c.reason);
  }
  EXPECT_EQ(BuildDownloadItems({}, Settings(1)).refusal->reason,
            "Without a bitmap file being selected.");
  sim::RemoveFile(logos_[0].path);
  EXPECT_EQ(BuildDownloadItems(logos_, Settings(1)).refusal->logoName, "ok.bmp");
}

TEST_F(DownloadItemsTest, SaveWritesTheWholeFileOrNothing) {
  AddLogo("a.bmp", TwoColourLogo(20, 12));
  AddLogo("b.bmp", TwoColourLogo(8, 2));
  const std::string out = "C:\\out\\logos.prn";
  ASSERT_TRUE(SaveLogosAsPrn(out, logos_, Settings(kModelTypeOneColour)).ok());
  const ItemBuildResult built = BuildDownloadItems(logos_, Settings(kModelTypeOneColour));
  EXPECT_EQ(sim::FileBytes(out), PrnContents(kModelTypeOneColour, built.items).bytes);
  EXPECT_EQ(sim::FileBytes(out)->at(2), 0x02);

  AddLogo("tall.bmp", Bitmap(64, 32000, kBlack));
  const PrnSaveResult refused = SaveLogosAsPrn(out, logos_, Settings(kModelTypeOneColour));
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.refusal->logoName, "tall.bmp");
  EXPECT_EQ(sim::FileBytes(out), PrnContents(kModelTypeOneColour, built.items).bytes);  // kept

  logos_.pop_back();
  sim::FailWrites("C:\\out\\new.prn", true);
  EXPECT_FALSE(SaveLogosAsPrn("C:\\out\\new.prn", logos_, Settings(kModelTypeOneColour)).ok());
  EXPECT_FALSE(sim::FileBytes("C:\\out\\new.prn"));
}

}  // namespace
