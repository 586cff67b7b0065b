// The seam's private-profile (INI file) functions, with the Windows rules: section and key names
// compared without regard to case, values read into the caller's buffer, defaults for missing keys.
#pragma once

#include <cstdint>

namespace os {

// Copies the value (or `defaultValue` when the key is missing) into `out`, truncated to `size` - 1
// characters and terminated; returns the number of characters copied.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* out, uint32_t size, const char* fileName);

// The leading decimal digits of the value as an integer, or `defaultValue` when the key is missing.
uint32_t GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                               const char* fileName);

// Changes (or adds) one key, adding the section when needed, and leaves every other byte of the
// file as it was. Fails and changes nothing when the file cannot be written.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName);

}  // namespace os
