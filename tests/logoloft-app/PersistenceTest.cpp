// The logo list in the registry: the stored form, the round trip through the main window, the
// restore rules, and the registry access object over the simulated registry.
#include <gtest/gtest.h>

#include "logoloft/app/LogoListStore.h"
#include "logoloft/app/LogoloftIds.h"
#include "platform/os/Registry.h"
#include "platform/sim/SimRegistry.h"
#include "tests/logoloft-app/MainWindowFixture.h"

using namespace logoloft;

namespace {

using Strings = std::vector<std::string>;

TEST(LogoListStoreTest, StoredTextHasFixedWidthSettingsAfterThePath) {
  LogoImage logo;
  logo.path = "C:\\logos\\shop.bmp";
  logo.hueAngle = 0;
  logo.rValue = 100;
  logo.lValue = 100;
  EXPECT_EQ(FormatStoredLogo(logo), "C:\\logos\\shop.bmp,000,100,100,0");
  const struct {
    const char* text;
    bool ok;
    const char* path;
  } cases[] = {
      {"C:\\logos\\shop.bmp,120,100,080,1", true, "C:\\logos\\shop.bmp"},
      {"C:\\a,b\\logo,1.bmp,360,255,000,3", true, "C:\\a,b\\logo,1.bmp"},
      {"C:\\x.bmp,361,100,100,0", false, ""},
      {"C:\\x.bmp,000,256,100,0", false, ""},
      {"C:\\x.bmp,000,100,100,4", false, ""},
      {"C:\\x.bmp,0,100,100,0", false, ""},
      {",000,100,100,0", false, ""},
  };
  for (const auto& c : cases) {
    const std::optional<StoredLogo> parsed = ParseStoredLogo(c.text);
    ASSERT_EQ(parsed.has_value(), c.ok) << c.text;
    if (parsed) {
      EXPECT_EQ(parsed->path, c.path);
    }
  }
  const StoredLogo s = *ParseStoredLogo("C:\\logos\\shop.bmp,120,100,080,1");
  EXPECT_EQ(s.hueAngle, 120);
  EXPECT_EQ(s.lValue, 80);
  EXPECT_EQ(s.colourChoice, ColourChoice::Green);
}

class PersistenceTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    PutInf(2, 10, 256);
    for (const char* p : {"C:\\one.bmp", "C:\\two.bmp", "C:\\th,ree.bmp"}) PutBitmap(p, 16, 8);
  }
  void CloseWindow() {
    host->Click(kIdcExit);
    host.reset();
    window.reset();
  }
  Strings StoredNames() const { return sim::RegistryValueNames(kLogoListKey); }
  std::string Stored(const char* name) const {
    return sim::GetRegistryString(kLogoListKey, name).value_or("<missing>");
  }
};

TEST_F(PersistenceTest, RoundTripKeepsOrderSettingsAndPathsWithCommas) {
  Open();
  OpenFiles({"C:\\one.bmp", "C:\\two.bmp", "C:\\th,ree.bmp"});
  host->SelectRows(kIdcLogoList, {2});
  host->Click(kIdcGreen);
  host->SelectRows(kIdcLogoList, {1});
  host->Click(kIdcRemove);
  CloseWindow();
  EXPECT_EQ(StoredNames(), (Strings{"image001", "image002"}));
  EXPECT_EQ(Stored("IMAGE001"), "C:\\one.bmp,000,100,100,0");
  EXPECT_EQ(Stored("image002"), "C:\\th,ree.bmp,120,100,100,1");
  EXPECT_EQ(sim::OpenRegistryKeyCount(), 0);

  Open();
  EXPECT_EQ(Column(1), (Strings{"one.bmp", "th,ree.bmp"}));
  EXPECT_EQ(window->Logos().Entries()[1].hueAngle, 120);
  EXPECT_EQ(window->Logos().Entries()[1].colourChoice, ColourChoice::Green);
  EXPECT_EQ(Messages(), (Strings{"Do you want to remove all of selection?"})) << "nothing failed to load";
}

TEST_F(PersistenceTest, RestoreStopsAtAGapAndDropsWhatCannotBeLoaded) {
  sim::PutRegistryString(kLogoListKey, "image001", "C:\\one.bmp,000,100,100,0");
  sim::PutRegistryString(kLogoListKey, "image002", "C:\\gone.bmp,000,100,100,0");
  sim::PutRegistryString(kLogoListKey, "image003", "garbage");
  sim::PutRegistryString(kLogoListKey, "image004", "C:\\two.bmp,000,100,100,0");
  sim::PutRegistryValue(kLogoListKey, "image005", {os::kRegDword, {1, 0, 0, 0}});
  sim::PutRegistryString(kLogoListKey, "image006", "C:\\two.bmp,000,100,100,0");
  Open();
  EXPECT_EQ(Column(1), (Strings{"one.bmp", "two.bmp"}));
  EXPECT_EQ(Messages(), (Strings{"Failed to load image file!", "Failed to load image file!"}));
  CloseWindow();
  EXPECT_EQ(StoredNames(), (Strings{"image001", "image002"}));
}

TEST_F(PersistenceTest, RestoreAppliesTheListLimitsAndAnEmptyListClearsTheStore) {
  PutInf(2, 1, 256);
  sim::PutRegistryString(kLogoListKey, "image001", "C:\\one.bmp,000,100,100,0");
  sim::PutRegistryString(kLogoListKey, "image002", "C:\\two.bmp,000,100,100,0");
  Open();
  EXPECT_EQ(Column(1), (Strings{"one.bmp"}));
  EXPECT_EQ(Messages(), (Strings{"Don't Read files any more!"}));
  host->Click(kIdcReset);
  CloseWindow();
  EXPECT_TRUE(StoredNames().empty());
}

TEST_F(PersistenceTest, AFailingRegistryLosesTheListSilently) {
  Open();
  OpenFiles({"C:\\one.bmp"});
  sim::FailRegistryWrites(true);
  CloseWindow();
  sim::FailRegistryWrites(false);
  EXPECT_TRUE(StoredNames().empty());
  Open();
  EXPECT_TRUE(Column(0).empty());
  EXPECT_TRUE(Messages().empty());
}

TEST(RegistryAccessTest, ValuesByTypeOverCaseInsensitiveKeys) {
  sim::ResetRegistry();
  const RegistryAccess registry;
  EXPECT_TRUE(registry.WriteValue("SOFTWARE\\Varrick\\P-8\\PSP\\Custom", "Port",
                                  RegistryValueBuffer::FromText("COM3")));
  sim::PutRegistryValue("software\\varrick\\p-8\\psp\\custom", "BaudRate", {os::kRegDword, {0x00, 0x96, 0, 0}});
  sim::PutRegistryValue("Software\\Varrick\\P-8\\PSP\\Custom", "Big", {os::kRegDwordBigEndian, {1, 2, 3, 4}});
  const std::string key = "Software\\VARRICK\\p-8\\PSP\\Custom";
  EXPECT_EQ(registry.ReadText(key, "PORT"), "COM3");
  EXPECT_EQ(registry.ReadDword(key, "baudrate"), 38400u);
  EXPECT_EQ(registry.ReadDword(key, "Big"), 0x04030201u);
  EXPECT_FALSE(registry.ReadDword(key, "Port"));
  EXPECT_FALSE(registry.ReadText(key, "BaudRate"));
  EXPECT_FALSE(registry.ReadText(key, "Missing"));
  EXPECT_TRUE(registry.HasContent("Software\\Varrick"));
  EXPECT_FALSE(registry.HasContent("Software\\Nobody"));
  EXPECT_FALSE(registry.DeleteSubKey("Software\\Varrick", "P-8")) << "a key with subkeys stays";
  EXPECT_TRUE(registry.DeleteSubKey("Software\\Varrick\\P-8\\PSP", "Custom"));
  EXPECT_FALSE(registry.ReadText(key, "Port"));
  EXPECT_EQ(sim::OpenRegistryKeyCount(), 0);
}

TEST(RegistryAccessTest, QueryReportsTheSizeNeededForASmallBuffer) {
  sim::ResetRegistry();
  sim::PutRegistryString("Software\\K", "V", "abcdef");
  os::RegKey key = 0;
  ASSERT_EQ(os::RegOpenKeyExA(os::kHkeyLocalMachine, "software\\k", os::kKeyRead, key), os::kErrorSuccess);
  uint8_t small[3];
  uint32_t size = sizeof small;
  EXPECT_EQ(os::RegQueryValueExA(key, "v", nullptr, small, &size), os::kErrorMoreData);
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(os::RegCloseKey(key), os::kErrorSuccess);
  EXPECT_EQ(os::RegCloseKey(key), os::kErrorInvalidHandle);
}

}  // namespace
