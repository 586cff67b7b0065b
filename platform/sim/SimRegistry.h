// The simulated registry: keys and value names compared without regard to case, held in memory.
// Paths are given from HKEY_LOCAL_MACHINE, e.g. "Software\\Varrick\\NVUtility\\Imagelist".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct RegistryValue {
  uint32_t type = 0;  // os::kReg* code
  std::vector<uint8_t> data;
};

// Creates the key (and its parents) and sets one value.
void PutRegistryValue(const std::string& keyPath, const std::string& name, const RegistryValue& value);
// A REG_SZ value holding `text` and its terminating zero.
void PutRegistryString(const std::string& keyPath, const std::string& name, const std::string& text);
std::optional<RegistryValue> GetRegistryValue(const std::string& keyPath, const std::string& name);
// The text of a string value without its terminating zero; nothing when missing or not a string.
std::optional<std::string> GetRegistryString(const std::string& keyPath, const std::string& name);
// The value names of a key, in the order they were first set; empty when the key is missing.
std::vector<std::string> RegistryValueNames(const std::string& keyPath);
bool RegistryKeyExists(const std::string& keyPath);
// Makes creating keys and setting values fail with kErrorAccessDenied while `fail` holds.
void FailRegistryWrites(bool fail);
// Keys opened and not yet closed.
int OpenRegistryKeyCount();
// Drops every key, handle and injected failure.
void ResetRegistry();

}  // namespace sim
