// What dialog-drive does to one control of another program's window: read or set its text, press it.
#pragma once

#include <windows.h>

#include <string>

namespace drive {

// The control's text through WM_GETTEXT; false when the window does not answer within 5 s.
bool ReadControlText(HWND control, std::string& text);

// Sets the control's text through WM_SETTEXT (an edit control then tells its dialog EN_CHANGE).
bool SetControlText(HWND control, const std::string& text);

// Posts BM_CLICK, so the button acts as if clicked by the mouse, and returns at once: a click
// that opens a modal dialog then does not hold the caller up.
bool PressButton(HWND button);

// The button a message box's OK is: the child with id IDOK, else its first button.
HWND MessageBoxButton(HWND box);

}  // namespace drive
