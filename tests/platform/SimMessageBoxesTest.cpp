// Message boxes in the simulation: what was shown, when, and the scripted answers.
#include <vector>

#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/sim/SimMessageBoxes.h"
#include "tests/platform/SimFixture.h"

namespace {

using SimMessageBoxesTest = SimFixture;

TEST_F(SimMessageBoxesTest, RecordsEveryBoxWithItsTime) {
  int owner = 0;
  os::MessageBoxA(nullptr, "Soket Create Error! : 10093, 0", "Warning",
                  os::kMbOk | os::kMbIconExclamation);
  os::Sleep(250);
  os::MessageBoxA(&owner, "Download Completed!", "Logoloft", os::kMbOk);
  std::vector<sim::MessageBoxRecord> boxes = sim::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Soket Create Error! : 10093, 0");
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].type, os::kMbOk | os::kMbIconExclamation);
  EXPECT_FALSE(boxes[0].hasOwner);
  EXPECT_EQ(boxes[0].atMs, 0u);
  EXPECT_TRUE(boxes[1].hasOwner);
  EXPECT_EQ(boxes[1].atMs, 250u);
}

TEST_F(SimMessageBoxesTest, AnswersFollowTheScriptThenTheDefaultButton) {
  sim::AnswerNextMessageBoxes({os::kIdNo, os::kIdCancel});
  EXPECT_EQ(os::MessageBoxA(nullptr, "a", "c", os::kMbYesNo), os::kIdNo);
  EXPECT_EQ(os::MessageBoxA(nullptr, "b", "c", os::kMbOkCancel), os::kIdCancel);
  EXPECT_EQ(os::MessageBoxA(nullptr, "c", "c", os::kMbYesNo | os::kMbIconQuestion), os::kIdYes);
  EXPECT_EQ(os::MessageBoxA(nullptr, "d", "c", os::kMbOkCancel), os::kIdOk);
  EXPECT_EQ(os::MessageBoxA(nullptr, "e", "c", os::kMbOk), os::kIdOk);
}

}  // namespace
