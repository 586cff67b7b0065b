// The seam's view of the running program's own file on Windows.
#include "platform/os/ProgramFolder.h"

#include <windows.h>

#include <vector>

namespace os {

std::string GetModuleFileNameA() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
  }
}

}  // namespace os
