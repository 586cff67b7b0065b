// Logoloft's small dialogs and its resource script: the resolution dialog's answers, and the
// committed dialog templates being exactly what the descriptions give.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"
#include "logoloft/app/ResolutionDialog.h"
#include "platform/sim/SimReset.h"
#include "ui/RcScript.h"
#include "ui/headless/HeadlessDialog.h"

using namespace logoloft;

namespace {

// A window that only opens the resolution dialog, to run it modally as the download does.
class Owner : public ui::Dialog {
 public:
  Owner() : ui::Dialog(AboutTemplate()) {}
};

TEST(ResolutionDialogTest, OkReturnsTheChosenDensityAndAnythingElseCancels) {
  sim::ResetAll();
  const struct {
    int radio;  // 0: leave the default
    bool ok;
    std::optional<DotDensity> expected;
  } cases[] = {
      {0, true, DotDensity::Single},
      {kIdcDoubleDensity, true, DotDensity::Double},
      {kIdcQuadDensity, true, DotDensity::Quad},
      {kIdcQuadDensity, false, std::nullopt},
  };
  for (const auto& c : cases) {
    Owner owner;
    ui::HeadlessDialog host(owner);
    host.Start();
    host.Script().modalSteps.push_back([&c](ui::HeadlessDialog& d) {
      EXPECT_EQ(d.Caption(), "Set resolution");
      EXPECT_TRUE(d.Control(kIdcSingleDensity).checked);
      if (c.radio) d.Click(c.radio);
      if (c.ok) d.Click(ui::kIdOk);
    });
    EXPECT_EQ(AskDotDensity(host), c.expected) << c.radio;
  }
}

TEST(ResourceScriptTest, CommittedDialogsMatchTheDescriptions) {
  const std::string expected =
      ui::DialogResourceScript(LogoloftDialogTemplates());
  const std::string committed = std::string(P8_SOURCE_DIR) + "/logoloft/win32/LogoloftDialogs.rc";
  std::ifstream in(committed, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (text.str() != expected) {
    const std::string fresh = std::string(P8_BINARY_DIR) + "/LogoloftDialogs.rc";
    std::ofstream(fresh, std::ios::binary) << expected;
    FAIL() << committed << " is out of date; the fresh script is at " << fresh;
  }
}

TEST(ResourceScriptTest, StylesAndTextsAreWrittenAsTheScriptSpellsThem) {
  const std::string rc = ui::DialogResourceText(MainWindowTemplate());
  for (const char* part : {
           "CONTROL \"Color Change Select \\n(Invert to L Cartridge )\", 1037, \"Button\", "
           "BS_AUTOCHECKBOX | BS_MULTILINE | WS_GROUP | WS_TABSTOP",
           "CONTROL \"\", 1005, \"SysListView32\", LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP",
           "CONTROL \"Orignal Image\", 1085, \"Button\", BS_GROUPBOX",
           "CONTROL \"\", 1030, \"Static\", SS_OWNERDRAW",
           "CONTROL \"\", 1027, \"msctls_trackbar32\"",
       }) {
    EXPECT_NE(rc.find(part), std::string::npos) << part;
  }
}

}  // namespace
