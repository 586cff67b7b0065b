// The seam's clock on Windows.
#include "platform/os/Clock.h"

#include <windows.h>

namespace os {

void Sleep(uint32_t ms) { ::Sleep(ms); }

uint32_t GetTickCount() { return ::GetTickCount(); }

}  // namespace os
