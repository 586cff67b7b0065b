// The host has no registry: every key is missing and nothing can be created or written.
#include "platform/os/Registry.h"

namespace os {

long RegOpenKeyExA(RegKey, const char*, uint32_t, RegKey&) { return kErrorFileNotFound; }
long RegCreateKeyExA(RegKey, const char*, uint32_t, RegKey&) { return kErrorAccessDenied; }
long RegQueryValueExA(RegKey, const char*, uint32_t*, uint8_t*, uint32_t*) { return kErrorInvalidHandle; }
long RegSetValueExA(RegKey, const char*, uint32_t, const uint8_t*, uint32_t) { return kErrorInvalidHandle; }
long RegDeleteValueA(RegKey, const char*) { return kErrorInvalidHandle; }
long RegDeleteKeyA(RegKey, const char*) { return kErrorFileNotFound; }
long RegQueryInfoKeyA(RegKey, uint32_t&, uint32_t&) { return kErrorInvalidHandle; }
long RegCloseKey(RegKey key) { return key == kHkeyLocalMachine ? kErrorSuccess : kErrorInvalidHandle; }

}  // namespace os
