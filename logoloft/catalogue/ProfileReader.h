// Reads single NV.inf keys through the platform's private-profile functions.
#pragma once

#include <string>

// The value of the key (empty when missing), read into a 255-character buffer as the program does.
std::string ReadProfileText(const char* section, const char* key, const std::string& infPath);

// The key's integer value, or `defaultValue` when the key is missing.
int ReadProfileInt(const char* section, const char* key, int defaultValue, const std::string& infPath);
