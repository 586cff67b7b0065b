// The seam's message box on Windows.
#include "platform/os/MessageBox.h"

#include <windows.h>

namespace os {

int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type) {
  return ::MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

}  // namespace os
