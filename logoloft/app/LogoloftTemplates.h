// The descriptions of Logoloft's own dialogs: the one source of the resource script and of the
// headless dialogs.
#pragma once

#include "ui/DialogTemplate.h"

namespace logoloft {

const ui::DialogTemplate& MainWindowTemplate();
const ui::DialogTemplate& AboutTemplate();
const ui::DialogTemplate& ResolutionTemplate();

}  // namespace logoloft
