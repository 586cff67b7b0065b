// The seam's view of the running program's own file.
#pragma once

#include <string>

namespace os {

// Full path of the running program (Windows GetModuleFileName of the main module).
std::string GetModuleFileNameA();

}  // namespace os
