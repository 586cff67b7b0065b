// The seam's registry calls: keys opened from a root, values read, written and deleted, with the
// error codes Windows returns (0 for success).
#pragma once

#include <cstdint>

namespace os {

// An open key, or one of the predefined roots. Windows handles are carried as plain values here.
using RegKey = uintptr_t;
constexpr RegKey kHkeyLocalMachine = 0x80000002u;

// Value types, with the values Windows gives them.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegDwordBigEndian = 5;
constexpr uint32_t kRegLink = 6;

// Access rights.
constexpr uint32_t kKeyRead = 0x20019u;
constexpr uint32_t kKeyWrite = 0x20006u;
constexpr uint32_t kKeyAllAccess = 0xF003Fu;

// Error codes.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;

// Opens an existing subkey of `key` (subKey may be empty: the key itself).
long RegOpenKeyExA(RegKey key, const char* subKey, uint32_t access, RegKey& result);
// Opens the subkey, creating it and every missing parent.
long RegCreateKeyExA(RegKey key, const char* subKey, uint32_t access, RegKey& result);
// With `data` null, gives the value's type and size only. With a buffer too small, gives the size
// needed and kErrorMoreData. Either of `type` and `data` may be null.
long RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type, uint8_t* data,
                      uint32_t* size);
long RegSetValueExA(RegKey key, const char* valueName, uint32_t type, const uint8_t* data,
                    uint32_t size);
long RegDeleteValueA(RegKey key, const char* valueName);
// Deletes a subkey that has no subkeys of its own, with all its values.
long RegDeleteKeyA(RegKey key, const char* subKey);
// The numbers of subkeys and of values of an open key.
long RegQueryInfoKeyA(RegKey key, uint32_t& subKeys, uint32_t& values);
long RegCloseKey(RegKey key);

}  // namespace os
