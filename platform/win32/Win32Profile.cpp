// The seam's private-profile functions on Windows: the system's own, with a read-only file
// refused before anything is written.
#include "platform/os/Profile.h"

#include <windows.h>

namespace os {

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* out, uint32_t size, const char* fileName) {
  if (out == nullptr || size == 0) return 0;
  return ::GetPrivateProfileStringA(section, key, defaultValue, out, size, fileName);
}

uint32_t GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                               const char* fileName) {
  return ::GetPrivateProfileIntA(section, key, defaultValue, fileName);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName) {
  if (section == nullptr || key == nullptr || value == nullptr || fileName == nullptr) return false;
  DWORD attributes = ::GetFileAttributesA(fileName);
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;
  }
  return ::WritePrivateProfileStringA(section, key, value, fileName) != 0;
}

}  // namespace os
