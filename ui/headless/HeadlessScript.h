// What the test has said in advance for the dialogs a headless window opens: the answers of the
// file dialogs and what to do in each modal child dialog. Shared by a window and its children.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/FileDialog.h"

namespace ui {

class HeadlessDialog;

struct HeadlessScript {
  // Answers of the next file dialogs in order; an empty answer (or none left) is Cancel.
  std::deque<std::vector<std::string>> fileAnswers;
  // Every file dialog shown.
  std::vector<FileDialogRequest> fileRequests;
  // What to do in the next modal child dialogs; a child still open afterwards is cancelled.
  std::deque<std::function<void(HeadlessDialog&)>> modalSteps;
  // The resource numbers of the modal child dialogs run, in order.
  std::vector<int> modalsRun;
};

}  // namespace ui
