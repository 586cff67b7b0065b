// The About box of the system menu (dialog 100): the product name and its version.
#pragma once

#include "ui/Dialog.h"

namespace logoloft {

class AboutDialog : public ui::Dialog {
 public:
  AboutDialog();
};

}  // namespace logoloft
