// Writes dialog descriptions as the DIALOGEX statements of a Windows resource script.
#pragma once

#include <string>
#include <vector>

#include "ui/DialogTemplate.h"

namespace ui {

// One DIALOGEX statement; the script that holds it includes <windows.h> and <commctrl.h>.
std::string DialogResourceText(const DialogTemplate& dialog);

// A whole generated script: the heading comment, the includes and every dialog in turn.
std::string DialogResourceScript(const std::vector<const DialogTemplate*>& dialogs);

}  // namespace ui
