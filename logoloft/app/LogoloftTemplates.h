// The descriptions of Logoloft's own dialogs: the one source of the resource script and of the
// headless dialogs.
#pragma once

#include <vector>

#include "ui/DialogTemplate.h"

namespace logoloft {

const ui::DialogTemplate& MainWindowTemplate();
const ui::DialogTemplate& AboutTemplate();
const ui::DialogTemplate& ResolutionTemplate();
const ui::DialogTemplate& UploadTemplate();
const ui::DialogTemplate& PrintTemplate();

// Every one of them, in the order the resource script lists them.
std::vector<const ui::DialogTemplate*> LogoloftDialogTemplates();

}  // namespace logoloft
