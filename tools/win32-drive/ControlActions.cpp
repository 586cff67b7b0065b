// What dialog-drive does to one control of another program's window: read or set its text, press it.
#include "tools/win32-drive/ControlActions.h"

#include <vector>

#include "tools/win32-drive/WindowSearch.h"

namespace drive {
namespace {

constexpr UINT kAnswerMs = 5000;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0;
}

BOOL CALLBACK FirstButton(HWND child, LPARAM context) {
  if (WindowClass(child) != "Button" || !IsWindowVisible(child)) return TRUE;
  *reinterpret_cast<HWND*>(context) = child;
  return FALSE;
}

}  // namespace

bool ReadControlText(HWND control, std::string& text) {
  DWORD_PTR length = 0;
  if (!Send(control, WM_GETTEXTLENGTH, 0, 0, length)) return false;
  std::vector<char> buffer(length + 1, '\0');
  DWORD_PTR got = 0;
  if (!Send(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), got)) return false;
  text.assign(buffer.data(), got < buffer.size() ? got : buffer.size() - 1);
  return true;
}

bool SetControlText(HWND control, const std::string& text) {
  DWORD_PTR result = 0;
  return Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), result) && result != 0;
}

bool PressButton(HWND button) { return PostMessageA(button, BM_CLICK, 0, 0) != 0; }

HWND MessageBoxButton(HWND box) {
  HWND ok = GetDlgItem(box, IDOK);
  if (ok != nullptr && WindowClass(ok) == "Button") return ok;
  HWND first = nullptr;
  EnumChildWindows(box, &FirstButton, reinterpret_cast<LPARAM>(&first));
  return first;
}

}  // namespace drive
