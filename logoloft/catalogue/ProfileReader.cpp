// Reads single NV.inf keys through the platform's private-profile functions.
#include "logoloft/catalogue/ProfileReader.h"

#include <array>

#include "platform/os/Profile.h"

namespace {
constexpr uint32_t kValueBufferSize = 255;
}

std::string ReadProfileText(const char* section, const char* key, const std::string& infPath) {
  std::array<char, kValueBufferSize> buffer{};
  os::GetPrivateProfileStringA(section, key, "", buffer.data(), kValueBufferSize, infPath.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

int ReadProfileInt(const char* section, const char* key, int defaultValue, const std::string& infPath) {
  return static_cast<int>(os::GetPrivateProfileIntA(section, key, defaultValue, infPath.c_str()));
}
