// The impact download's choice of dot density (dialog 135, "Set resolution").
#pragma once

#include <optional>

#include "logoloft/conversion/ScaleForDensity.h"
#include "ui/Dialog.h"

namespace logoloft {

class ResolutionDialog : public ui::Dialog {
 public:
  ResolutionDialog();
  bool OnInitDialog() override;
  void OnOK() override;
  // The density chosen with "OK"; nothing when the dialog was closed any other way.
  std::optional<DotDensity> Choice() const { return choice_; }

 private:
  std::optional<DotDensity> choice_;
};

// Runs the dialog over `owner`; nothing when the download is to be cancelled.
std::optional<DotDensity> AskDotDensity(ui::DialogHost& owner);

}  // namespace logoloft
