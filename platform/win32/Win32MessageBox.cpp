// The seam's message box on Windows.
#include "platform/os/MessageBox.h"

#include <windows.h>

namespace os {

int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type) {
  // A box shown without an owner belongs to the window the user is working in, so that window
  // takes no clicks while the box is up: a handler that shows a message is never entered again
  // from under it.
  HWND window = owner != nullptr ? static_cast<HWND>(owner) : GetActiveWindow();
  return ::MessageBoxA(window, text, caption, type);
}

}  // namespace os
