// Logoloft's main window: the logo list ("Open File", "Remove", "Reset", row selection, restore).
#include <cstdlib>

#include "logoloft/app/LogoListStore.h"
#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/MainWindow.h"
#include "platform/os/MessageBox.h"

namespace logoloft {
namespace {

constexpr const char* kLoadFailed = "Failed to load image file!";
constexpr size_t kOpenFileNameBuffer = 4096;

}  // namespace

MainWindow::AddResult MainWindow::AddLogo(const std::string& path, int hueAngle, int rValue,
                                          int lValue, ColourChoice choice) {
  const std::optional<LogoImage> logo =
      LoadLogoImage(static_cast<uint8_t>(list_.Count() + 1), path, hueAngle,
                    static_cast<uint8_t>(rValue), static_cast<uint8_t>(lValue), choice, lineWidth_);
  if (!logo) {
    ShowMessage(kLoadFailed, os::kMbOk);
    return AddResult::LoadFailed;
  }
  const Admission admission = list_.Admit(*logo);
  if (admission == Admission::Admitted) return AddResult::Added;
  ShowMessage(AdmissionMessage(admission), os::kMbOk);
  return admission == Admission::ListFull ? AddResult::ListFull : AddResult::MemoryFull;
}

void MainWindow::RestoreLogoList() {
  for (const std::optional<StoredLogo>& stored : ReadStoredLogos(registry_)) {
    if (!stored) {
      ShowMessage(kLoadFailed, os::kMbOk);
      continue;
    }
    AddLogo(stored->path, stored->hueAngle, stored->rValue, stored->lValue, stored->colourChoice);
  }
}

void MainWindow::FillList() {
  Host().ClearListRows(kIdcLogoList);
  for (const LogoImage& logo : list_.Entries()) Host().AddListRow(kIdcLogoList, LogoList::RowCells(logo));
}

void MainWindow::ShowFooter() { Host().SetText(kIdcListFooter, list_.FooterText()); }

void MainWindow::OnOpenFile() {
  ui::FileDialogRequest request;
  request.filter = "Image Files(*.bmp)|*.bmp||";
  request.multiSelect = true;
  request.hideReadOnly = true;
  request.nameBufferSize = kOpenFileNameBuffer;
  for (const std::string& path : Host().ChooseFiles(request)) {
    if (AddLogo(path, colour_.Threshold(), colour_.RValue(), colour_.LValue(), colour_.Choice()) ==
        AddResult::MemoryFull) {
      break;
    }
  }
  FillList();
  ShowFooter();
}

void MainWindow::OnListSelect(int row) {
  const int number = std::atoi(Host().ListCell(kIdcLogoList, row, 0).c_str());
  if (number != currentNumber_) {
    currentNumber_ = number;
    if (const LogoImage* logo = list_.FindNumber(number)) {
      previewPath_ = logo->path;
      colour_.ApplyLogo(*logo);
      ShowColourControls();
      RecomputeFromSliders();
    }
  }
  Host().Invalidate();
}

void MainWindow::OnRemove() {
  const std::vector<int> rows = Host().SelectedListRows(kIdcLogoList);
  if (rows.empty()) {
    ShowMessage("Without a bmpfile being selected.", os::kMbOk | os::kMbIconExclamation);
    return;
  }
  if (MessageBox("Do you want to remove all of selection?", "BMP Logo!",
                 os::kMbYesNo | os::kMbIconQuestion) != os::kIdYes) {
    return;
  }
  // The preview showed one of the logos going, or none: it is cleared whatever the count.
  previewPath_.clear();
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    list_.RemoveAt(static_cast<size_t>(*it));
    currentNumber_ = -1;
  }
  FillList();
  ShowFooter();
  Host().Invalidate();
}

void MainWindow::OnReset() {
  Host().ClearListRows(kIdcLogoList);
  previewPath_.clear();
  currentNumber_ = -1;
  list_.Clear();
  ShowFooter();
  Host().Invalidate();
}

}  // namespace logoloft
