// The headless host: controls from the description, user actions, timers on the virtual clock,
// the end of a dialog, and the scripts for file dialogs and modal children.
#include "ui/headless/HeadlessDialog.h"

#include <gtest/gtest.h>

#include "platform/os/MessageBox.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimReset.h"

namespace {

constexpr int kGo = 10, kOff = 11, kA = 20, kB = 21, kC = 22, kCheck = 23, kList = 30, kSlider = 31;

const ui::DialogTemplate& TestTemplate() {
  static const ui::DialogTemplate t = [] {
    ui::DialogTemplate d;
    d.id = 500;
    d.symbol = "IDD_TEST";
    d.caption = "Test";
    d.controls = {
        {kGo, ui::ControlClass::PushButton, "Go", 0, 0, 40, 14, 0},
        {kOff, ui::ControlClass::PushButton, "Off", 0, 0, 40, 14, ui::kDisabled},
        {kA, ui::ControlClass::RadioButton, "A", 0, 0, 40, 10, ui::kGroup},
        {kB, ui::ControlClass::RadioButton, "B", 0, 0, 40, 10, 0},
        {kC, ui::ControlClass::RadioButton, "C", 0, 0, 40, 10, ui::kGroup},
        {kCheck, ui::ControlClass::CheckBox, "Check", 0, 0, 40, 10, 0},
        {kList, ui::ControlClass::ListView, "", 0, 0, 100, 50, ui::kMultiSelect},
        {kSlider, ui::ControlClass::Slider, "", 0, 0, 100, 15, 0},
        {ui::kIdOk, ui::ControlClass::DefaultButton, "OK", 0, 0, 40, 14, 0},
    };
    return d;
  }();
  return t;
}

class TestDialog : public ui::Dialog {
 public:
  TestDialog() : ui::Dialog(TestTemplate()) {
    On(kGo, ui::Event::Clicked, &TestDialog::OnGo);
    OnItem(kList, ui::Event::SelectionChanged, &TestDialog::OnRow);
    On(kSlider, ui::Event::SliderReleased, &TestDialog::OnSlider);
  }
  bool OnInitDialog() override {
    Host().SetSliderRange(kSlider, 0, 50);
    for (int i = 0; i < 4; ++i) Host().AddListRow(kList, {std::to_string(i)});
    return true;
  }
  void OnTimer(int id) override { ticks.push_back({id, sim::NowMs()}); if (ticks.size() == 3) Host().KillTimer(id); }
  void OnDestroy() override { ++destroyed; }
  void OnGo() {
    Host().SetTimer(7, 100);
    if (MessageBox("Sure?", "Test", os::kMbYesNo) == os::kIdNo) Host().SetText(kGo, "No");
  }
  void OnRow(int row) { rows.push_back(row); }
  void OnSlider() { sliderSeen = Host().SliderPos(kSlider); }

  std::vector<std::pair<int, uint32_t>> ticks;
  std::vector<int> rows;
  int sliderSeen = -1;
  int destroyed = 0;
};

class HeadlessDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetAll();
    host.Start();
  }
  TestDialog dialog;
  ui::HeadlessDialog host{dialog};
};

TEST_F(HeadlessDialogTest, ControlsActAsAUserSeesThem) {
  EXPECT_FALSE(host.Click(kOff)) << "a disabled button cannot be clicked";
  EXPECT_TRUE(host.Click(kA));
  EXPECT_TRUE(host.Click(kB));
  EXPECT_TRUE(host.Click(kC));
  EXPECT_FALSE(host.Control(kA).checked);
  EXPECT_TRUE(host.Control(kB).checked) << "C starts a group of its own";
  EXPECT_TRUE(host.Click(kCheck));
  EXPECT_TRUE(host.Click(kCheck));
  EXPECT_FALSE(host.Control(kCheck).checked);
  EXPECT_TRUE(host.DragSlider(kSlider, 80));
  EXPECT_EQ(dialog.sliderSeen, 50);
  EXPECT_TRUE(host.SelectRows(kList, {1}));
  EXPECT_TRUE(host.SelectRows(kList, {1, 3}));
  EXPECT_FALSE(host.SelectRows(kList, {4}));
  EXPECT_EQ(dialog.rows, (std::vector<int>{1, 3})) << "only newly selected rows are reported";
}

TEST_F(HeadlessDialogTest, TimersFireOnTheVirtualClockUntilKilled) {
  sim::AnswerNextMessageBoxes({os::kIdNo});
  ASSERT_TRUE(host.Click(kGo));
  EXPECT_EQ(host.Control(kGo).text, "No");
  EXPECT_TRUE(sim::MessageBoxes().at(0).hasOwner);
  host.AdvanceClock(99);
  EXPECT_TRUE(dialog.ticks.empty());
  host.AdvanceClock(1000);
  EXPECT_EQ(dialog.ticks, (std::vector<std::pair<int, uint32_t>>{{7, 100}, {7, 200}, {7, 300}}));
  EXPECT_FALSE(host.HasTimer(7));
  EXPECT_EQ(sim::NowMs(), 1099u);
}

TEST_F(HeadlessDialogTest, EndingRunsDestroyOnceAndStopsInput) {
  ASSERT_TRUE(host.Click(ui::kIdOk));
  EXPECT_FALSE(host.IsOpen());
  EXPECT_EQ(host.Result(), ui::kIdOk);
  EXPECT_EQ(dialog.destroyed, 1);
  EXPECT_FALSE(host.Click(kGo));
  EXPECT_FALSE(host.Close());
}

TEST_F(HeadlessDialogTest, ModalChildrenFollowTheScriptAndAreCancelledOtherwise) {
  TestDialog child;
  host.Script().modalSteps.push_back([](ui::HeadlessDialog& d) { d.Click(ui::kIdOk); });
  EXPECT_EQ(host.RunModal(child), ui::kIdOk);
  TestDialog second;
  EXPECT_EQ(host.RunModal(second), ui::kIdCancel);
  EXPECT_EQ(second.destroyed, 1);
  host.Script().fileAnswers.push_back({"C:\\a.bmp"});
  EXPECT_EQ(host.ChooseFiles({}), (std::vector<std::string>{"C:\\a.bmp"}));
  EXPECT_TRUE(host.ChooseFiles({}).empty()) << "no answer left is Cancel";
}

}  // namespace
