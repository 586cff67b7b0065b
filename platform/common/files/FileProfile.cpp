// The seam's private-profile functions for the implementations that keep profile files as plain
// files read and written whole (the simulation and the host): the Windows rules over os/Files.h.
// Built into each of those implementations, not into p8_os_common.
#include "platform/os/Profile.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/common/ProfileText.h"
#include "platform/os/Files.h"

namespace os {
namespace {

std::optional<std::string> ReadValue(const char* section, const char* key, const char* fileName) {
  std::vector<uint8_t> bytes;
  if (section == nullptr || key == nullptr || fileName == nullptr ||
      !ReadWholeFile(fileName, bytes)) {
    return std::nullopt;
  }
  return common::FindProfileValue(std::string(bytes.begin(), bytes.end()), section, key);
}

uint32_t CopyToBuffer(const std::string& value, char* out, uint32_t size) {
  if (out == nullptr || size == 0) return 0;
  size_t count = std::min<size_t>(value.size(), size - 1);
  std::memcpy(out, value.data(), count);
  out[count] = '\0';
  return static_cast<uint32_t>(count);
}

}  // namespace

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* out, uint32_t size, const char* fileName) {
  std::optional<std::string> value = ReadValue(section, key, fileName);
  return CopyToBuffer(value ? *value : std::string(defaultValue ? defaultValue : ""), out, size);
}

uint32_t GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                               const char* fileName) {
  std::optional<std::string> value = ReadValue(section, key, fileName);
  return static_cast<uint32_t>(value ? common::ParseProfileInt(*value) : defaultValue);
}

// Also refuses names or a value that would not read back from one line of the file.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName) {
  if (section == nullptr || key == nullptr || value == nullptr || fileName == nullptr) return false;
  uint32_t attributes = GetFileAttributesA(fileName);
  std::vector<uint8_t> bytes;
  if (attributes != kInvalidFileAttributes) {
    bool writable = (attributes & (kFileAttributeReadOnly | kFileAttributeDirectory)) == 0;
    if (!writable || !ReadWholeFile(fileName, bytes)) return false;
  }
  std::string text(bytes.begin(), bytes.end());
  if (!common::SetProfileValue(text, section, key, value)) return false;
  return WriteWholeFile(fileName, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace os
