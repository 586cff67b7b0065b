// The seam's message box on the host: the host tools have no windows, so the box goes to stderr.
#include "platform/os/MessageBox.h"

#include <cstdio>

namespace os {

int MessageBoxA(void*, const char* text, const char* caption, uint32_t) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
  return kIdOk;
}

}  // namespace os
