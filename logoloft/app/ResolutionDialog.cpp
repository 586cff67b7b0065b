// The impact download's choice of dot density: three radios, single density at first.
#include "logoloft/app/ResolutionDialog.h"

#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"

namespace logoloft {

ResolutionDialog::ResolutionDialog() : ui::Dialog(ResolutionTemplate()) {}

bool ResolutionDialog::OnInitDialog() {
  Host().SetCheck(kIdcSingleDensity, true);
  return true;
}

void ResolutionDialog::OnOK() {
  if (Host().IsChecked(kIdcQuadDensity)) {
    choice_ = DotDensity::Quad;
  } else if (Host().IsChecked(kIdcDoubleDensity)) {
    choice_ = DotDensity::Double;
  } else {
    choice_ = DotDensity::Single;
  }
  EndDialog(ui::kIdOk);
}

std::optional<DotDensity> AskDotDensity(ui::DialogHost& owner) {
  ResolutionDialog dialog;
  if (owner.RunModal(dialog) != ui::kIdOk) return std::nullopt;
  return dialog.Choice();
}

}  // namespace logoloft
