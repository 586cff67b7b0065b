// The seam's registry calls over the real Windows registry.
#include "platform/os/Registry.h"

#include <windows.h>

namespace os {
namespace {

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }
RegKey FromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

}  // namespace

long RegOpenKeyExA(RegKey key, const char* subKey, uint32_t access, RegKey& result) {
  HKEY opened = nullptr;
  const LONG rc = ::RegOpenKeyExA(ToHkey(key), subKey, 0, access, &opened);
  if (rc == ERROR_SUCCESS) result = FromHkey(opened);
  return rc;
}

long RegCreateKeyExA(RegKey key, const char* subKey, uint32_t access, RegKey& result) {
  HKEY created = nullptr;
  const LONG rc = ::RegCreateKeyExA(ToHkey(key), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    access, nullptr, &created, nullptr);
  if (rc == ERROR_SUCCESS) result = FromHkey(created);
  return rc;
}

long RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type, uint8_t* data,
                      uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = size ? *size : 0;
  const LONG rc = ::RegQueryValueExA(ToHkey(key), valueName, nullptr, &valueType, data,
                                     size ? &valueSize : nullptr);
  if (type) *type = valueType;
  if (size) *size = valueSize;
  return rc;
}

long RegSetValueExA(RegKey key, const char* valueName, uint32_t type, const uint8_t* data,
                    uint32_t size) {
  return ::RegSetValueExA(ToHkey(key), valueName, 0, type, data, size);
}

long RegDeleteValueA(RegKey key, const char* valueName) {
  return ::RegDeleteValueA(ToHkey(key), valueName);
}

long RegDeleteKeyA(RegKey key, const char* subKey) { return ::RegDeleteKeyA(ToHkey(key), subKey); }

long RegQueryInfoKeyA(RegKey key, uint32_t& subKeys, uint32_t& values) {
  DWORD keys = 0;
  DWORD count = 0;
  const LONG rc = ::RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &keys, nullptr,
                                     nullptr, &count, nullptr, nullptr, nullptr, nullptr);
  subKeys = keys;
  values = count;
  return rc;
}

long RegCloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

}  // namespace os
