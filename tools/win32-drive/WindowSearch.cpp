// Finding the top-level windows of other programs by caption, with waiting up to a deadline.
#include "tools/win32-drive/WindowSearch.h"

namespace drive {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kPollMs = 100;

struct Search {
  std::string caption;
  int controlId;
  bool messageBox;
  HWND found;
};

bool Matches(HWND window, const Search& search) {
  if (!IsWindowVisible(window) || WindowCaption(window) != search.caption) return false;
  if (search.messageBox) {
    if (WindowClass(window) != "#32770") return false;
    HWND text = GetDlgItem(window, kMessageTextId);
    return text != nullptr && WindowClass(text) == "Static";
  }
  return search.controlId == -1 || GetDlgItem(window, search.controlId) != nullptr;
}

BOOL CALLBACK Visit(HWND window, LPARAM context) {
  Search& search = *reinterpret_cast<Search*>(context);
  if (!Matches(window, search)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND Find(Search search) {
  EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Deadline::Deadline(double seconds) : end_(GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000)) {}

bool Deadline::Passed() const { return GetTickCount64() >= end_; }

std::string WindowCaption(HWND window) {
  char text[512];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string WindowClass(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

HWND FindTopLevel(const std::string& caption, int controlId) {
  return Find(Search{caption, controlId, false, nullptr});
}

HWND WaitTopLevel(const std::string& caption, int controlId, const Deadline& deadline) {
  for (;;) {
    if (HWND window = FindTopLevel(caption, controlId)) return window;
    if (deadline.Passed()) return nullptr;
    Sleep(kPollMs);
  }
}

HWND FindMessageBox(const std::string& caption) {
  return Find(Search{caption, -1, true, nullptr});
}

}  // namespace drive
