// The seam's clock: the program's only way to wait or to read the time.
#pragma once

#include <cstdint>

namespace os {

// Blocks the calling thread for `ms` milliseconds (Windows Sleep).
void Sleep(uint32_t ms);

// Milliseconds since an arbitrary start, wrapping at 2^32 (Windows GetTickCount).
uint32_t GetTickCount();

}  // namespace os
