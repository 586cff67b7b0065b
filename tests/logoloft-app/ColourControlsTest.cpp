// The colour separation controls: radios, invert mode, sliders, swatches and the current logo.
#include <gtest/gtest.h>

#include "logoloft/app/LogoloftIds.h"
#include "tests/logoloft-app/MainWindowFixture.h"

using namespace logoloft;

namespace {

class ColourControlsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    PutInf(2, 10, 256, 16);
    Bitmap b(16, 8, kWhite);
    for (int x = 0; x < 8; ++x) b.At(x, 0) = kBlack;
    for (int x = 0; x < 16; ++x) b.At(x, 1) = MakeColour(255, 0, 0);
    PutBitmap("C:\\mixed.bmp", b);
    PutBitmap("C:\\other.bmp", 16, 8);
    Open();
  }
  ColourRef Fill(int id) const { return *host->Control(id).fillColour; }
  int Slider(int id) const { return host->Control(id).pos; }
};

TEST_F(ColourControlsTest, RadiosMoveThresholdAndRValueButNeverTheLValue) {
  host->DragSlider(kIdcLValueSlider, 40);
  host->DragSlider(kIdcRValueSlider, 7);
  ASSERT_TRUE(host->Click(kIdcGreen));
  EXPECT_EQ(Slider(kIdcThresholdSlider), 120);
  EXPECT_EQ(Slider(kIdcRValueSlider), 100);
  EXPECT_EQ(Slider(kIdcLValueSlider), 40);
  EXPECT_EQ(Fill(kIdcRColourSwatch), MakeColour(0, 255, 0));
  EXPECT_EQ(Fill(kIdcThresholdSwatch), MakeColour(0, 255, 0));
  EXPECT_EQ(host->Control(kIdcThresholdEdit).text, "120");
  ASSERT_TRUE(host->Click(kIdcBlue));
  EXPECT_EQ(Slider(kIdcThresholdSlider), 240);
  EXPECT_FALSE(host->Control(kIdcGreen).checked);
}

TEST_F(ColourControlsTest, SwatchesFollowTheValues) {
  const struct {
    int slider;
    int pos;
    int swatch;
    ColourRef expected;
  } cases[] = {
      {kIdcRValueSlider, 0, kIdcRValueSwatch, kWhite},
      {kIdcRValueSlider, 255, kIdcRValueSwatch, MakeColour(255, 0, 0)},
      {kIdcLValueSlider, 55, kIdcLValueSwatch, MakeColour(200, 200, 200)},
      {kIdcThresholdSlider, 360, kIdcThresholdSwatch, MakeColour(255, 0, 0)},
      {kIdcThresholdSlider, 60, kIdcThresholdSwatch, MakeColour(255, 255, 0)},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(host->DragSlider(c.slider, c.pos));
    EXPECT_EQ(Fill(c.swatch), c.expected) << c.slider << " at " << c.pos;
  }
  EXPECT_EQ(host->Control(kIdcThresholdEdit).text, "60");
  EXPECT_EQ(Fill(kIdcLColourSwatch), kBlack);
}

TEST_F(ColourControlsTest, InvertWithRedPaintsEveryDarkDotRedAndOffBringsBlackBack) {
  OpenFiles({"C:\\mixed.bmp"});
  host->SelectRows(kIdcLogoList, {0});
  ASSERT_TRUE(host->Control(kIdcTransformedFrame).image.has_value());
  auto darkOfTopRow = [this] { return host->Control(kIdcTransformedFrame).image->At(0, 0); };
  EXPECT_EQ(darkOfTopRow(), kBlack);
  ASSERT_TRUE(host->Click(kIdcInvert));
  EXPECT_EQ(window->Colour().Colours().lColour, MakeColour(255, 0, 0));
  EXPECT_EQ(host->Control(kIdcNotUsed).text, "Black Only");
  EXPECT_EQ(darkOfTopRow(), MakeColour(255, 0, 0));
  ASSERT_TRUE(host->Click(kIdcInvert));
  EXPECT_EQ(darkOfTopRow(), kBlack);
  EXPECT_EQ(host->Control(kIdcNotUsed).text, "Not Used");
}

TEST_F(ColourControlsTest, OnlyTheCurrentLogoTakesTheSettings) {
  OpenFiles({"C:\\mixed.bmp", "C:\\other.bmp"});
  host->DragSlider(kIdcLValueSlider, 33);
  for (const LogoImage& logo : window->Logos().Entries()) EXPECT_EQ(logo.lValue, 100) << "nothing selected";
  host->SelectRows(kIdcLogoList, {1});
  host->DragSlider(kIdcLValueSlider, 20);
  ASSERT_TRUE(host->Click(kIdcBlue));
  EXPECT_EQ(window->Logos().Entries()[0].lValue, 100);
  EXPECT_EQ(window->Logos().Entries()[1].lValue, 20);
  EXPECT_EQ(window->Logos().Entries()[1].hueAngle, 240);
  EXPECT_EQ(window->Logos().Entries()[1].colourChoice, ColourChoice::Blue);
  // Selecting the first logo shows its own settings again without storing anything.
  host->SelectRows(kIdcLogoList, {0});
  EXPECT_EQ(Slider(kIdcLValueSlider), 100);
  EXPECT_TRUE(host->Control(kIdcRed).checked);
  EXPECT_EQ(window->Logos().Entries()[1].lValue, 20);
}

TEST_F(ColourControlsTest, SelectingABlueLogoInInvertModeMakesTheLColourBlue) {
  ASSERT_TRUE(host->Click(kIdcBlue));
  OpenFiles({"C:\\other.bmp"});
  host->Click(kIdcRed);
  ASSERT_TRUE(host->Click(kIdcInvert));
  ASSERT_EQ(window->Colour().Colours().lColour, MakeColour(255, 0, 0));
  host->SelectRows(kIdcLogoList, {0});
  EXPECT_EQ(window->Colour().Colours().lColour, MakeColour(0, 0, 255));
  EXPECT_EQ(Fill(kIdcRColourSwatch), MakeColour(0, 0, 255));
  EXPECT_EQ(Fill(kIdcLValueSwatch), MakeColour(155, 155, 255));
}

}  // namespace
