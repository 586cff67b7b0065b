// The seam's view of the running program's own file on the host, from /proc/self/exe.
#include "platform/os/ProgramFolder.h"

#include <unistd.h>

#include <vector>

namespace os {

std::string GetModuleFileNameA() {
  std::vector<char> buffer(256);
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::string();
    if (static_cast<size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // the path may have been cut: try a larger buffer
  }
}

}  // namespace os
