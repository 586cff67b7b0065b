// Registry values read and written under one root key, through the platform's registry calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/Registry.h"

// The data of one value, its size and its registry type.
class RegistryValueBuffer {
 public:
  RegistryValueBuffer() = default;
  RegistryValueBuffer(uint32_t type, std::vector<uint8_t> data) : type_(type), data_(std::move(data)) {}

  // The characters of `text` and a terminating zero, as REG_SZ (or REG_EXPAND_SZ when asked).
  static RegistryValueBuffer FromText(const std::string& text, bool expandable = false);

  uint32_t Type() const { return type_; }
  uint32_t Size() const { return static_cast<uint32_t>(data_.size()); }
  const std::vector<uint8_t>& Data() const { return data_; }

 private:
  uint32_t type_ = os::kRegNone;
  std::vector<uint8_t> data_;
};

class RegistryAccess {
 public:
  explicit RegistryAccess(os::RegKey root = os::kHkeyLocalMachine) : root_(root) {}

  // Opens the subkey for reading, asks the value's size and reads its data and type.
  std::optional<RegistryValueBuffer> ReadValue(const std::string& subKey, const std::string& name) const;
  // The first four bytes as stored, for REG_DWORD and REG_DWORD_BIG_ENDIAN values only.
  std::optional<uint32_t> ReadDword(const std::string& subKey, const std::string& name) const;
  // The bytes as text (up to a terminating zero, nothing expanded), for REG_SZ, REG_EXPAND_SZ and
  // REG_LINK values only.
  std::optional<std::string> ReadText(const std::string& subKey, const std::string& name) const;
  // Creates or opens the subkey for writing and sets the value.
  bool WriteValue(const std::string& subKey, const std::string& name, const RegistryValueBuffer& value) const;
  // True when the subkey can be opened and has a subkey or a value.
  bool HasContent(const std::string& subKey) const;
  // Opens `parentKey` with full access and deletes its subkey `child` with all its values.
  bool DeleteSubKey(const std::string& parentKey, const std::string& child) const;

 private:
  os::RegKey root_;
};
