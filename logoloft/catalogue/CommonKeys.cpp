// The COMMON keys of NV.inf read or written outside the model selection: caption and IMAGE.
#include "logoloft/catalogue/CommonKeys.h"

#include "logoloft/catalogue/ProfileReader.h"
#include "platform/os/Profile.h"

std::string ReadCaption(const std::string& infPath) {
  const std::string description = ReadProfileText("COMMON", "DESCRIPTION", infPath);
  if (ReadProfileInt("COMMON", "USEPSP", 0, infPath) != 0) {
    return description;
  }
  return description + " V" + ReadProfileText("COMMON", "VERSION", infPath);
}

std::string ReadSubDescription(const std::string& infPath) {
  return ReadProfileText("COMMON", "SUBDES", infPath);
}

int ReadImageCount(const std::string& infPath) {
  return ReadProfileInt("COMMON", "IMAGE", 0, infPath);
}

bool WriteImageCount(const std::string& infPath, int count) {
  const std::string value = std::to_string(count);
  return os::WritePrivateProfileStringA("COMMON", "IMAGE", value.c_str(), infPath.c_str());
}
