// Finding the top-level windows of other programs by caption, with waiting up to a deadline.
#pragma once

#include <windows.h>

#include <string>

namespace drive {

// A deadline some seconds from now, in GetTickCount64 milliseconds.
class Deadline {
 public:
  explicit Deadline(double seconds);
  bool Passed() const;

 private:
  ULONGLONG end_;
};

// The window's title bar text (or a control's text, read without sending it a message).
std::string WindowCaption(HWND window);

// The window's class name, e.g. "#32770" for dialogs, "Button", "Static".
std::string WindowClass(HWND window);

// A visible top-level window whose caption is exactly `caption`; when `controlId` is not -1, only
// one that has a child control with that id. nullptr when there is none.
HWND FindTopLevel(const std::string& caption, int controlId = -1);

// FindTopLevel, asked again every 100 ms until the deadline.
HWND WaitTopLevel(const std::string& caption, int controlId, const Deadline& deadline);

// A message box: a visible top-level dialog (class #32770) with that caption whose text sits in a
// static control with id 0xFFFF. nullptr when there is none.
HWND FindMessageBox(const std::string& caption);

}  // namespace drive
