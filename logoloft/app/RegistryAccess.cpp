// Registry values read and written under one root key; every opened key is closed by its owner.
#include "logoloft/app/RegistryAccess.h"

#include <cstring>

namespace {

// An open key, closed when it goes.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (open_) os::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  bool Open(os::RegKey root, const std::string& subKey, uint32_t access) {
    open_ = os::RegOpenKeyExA(root, subKey.c_str(), access, key_) == os::kErrorSuccess;
    return open_;
  }
  bool Create(os::RegKey root, const std::string& subKey, uint32_t access) {
    open_ = os::RegCreateKeyExA(root, subKey.c_str(), access, key_) == os::kErrorSuccess;
    return open_;
  }
  os::RegKey Get() const { return key_; }

 private:
  os::RegKey key_ = 0;
  bool open_ = false;
};

}  // namespace

RegistryValueBuffer RegistryValueBuffer::FromText(const std::string& text, bool expandable) {
  std::vector<uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return RegistryValueBuffer(expandable ? os::kRegExpandSz : os::kRegSz, std::move(data));
}

std::optional<RegistryValueBuffer> RegistryAccess::ReadValue(const std::string& subKey,
                                                             const std::string& name) const {
  OpenKey key;
  if (!key.Open(root_, subKey, os::kKeyRead)) return std::nullopt;
  uint32_t type = 0;
  uint32_t size = 0;
  if (os::RegQueryValueExA(key.Get(), name.c_str(), &type, nullptr, &size) != os::kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<uint8_t> data(size);
  if (os::RegQueryValueExA(key.Get(), name.c_str(), &type, data.data(), &size) != os::kErrorSuccess) {
    return std::nullopt;
  }
  data.resize(size);
  return RegistryValueBuffer(type, std::move(data));
}

std::optional<uint32_t> RegistryAccess::ReadDword(const std::string& subKey, const std::string& name) const {
  std::optional<RegistryValueBuffer> value = ReadValue(subKey, name);
  if (!value || (value->Type() != os::kRegDword && value->Type() != os::kRegDwordBigEndian) ||
      value->Size() < 4) {
    return std::nullopt;
  }
  uint32_t dword = 0;
  std::memcpy(&dword, value->Data().data(), 4);
  return dword;
}

std::optional<std::string> RegistryAccess::ReadText(const std::string& subKey, const std::string& name) const {
  std::optional<RegistryValueBuffer> value = ReadValue(subKey, name);
  if (!value || (value->Type() != os::kRegSz && value->Type() != os::kRegExpandSz &&
                 value->Type() != os::kRegLink)) {
    return std::nullopt;
  }
  const std::vector<uint8_t>& data = value->Data();
  std::string text(data.begin(), data.end());
  const size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

bool RegistryAccess::WriteValue(const std::string& subKey, const std::string& name,
                                const RegistryValueBuffer& value) const {
  OpenKey key;
  if (!key.Create(root_, subKey, os::kKeyWrite)) return false;
  return os::RegSetValueExA(key.Get(), name.c_str(), value.Type(), value.Data().data(), value.Size()) ==
         os::kErrorSuccess;
}

bool RegistryAccess::HasContent(const std::string& subKey) const {
  OpenKey key;
  if (!key.Open(root_, subKey, os::kKeyRead)) return false;
  uint32_t subKeys = 0;
  uint32_t values = 0;
  if (os::RegQueryInfoKeyA(key.Get(), subKeys, values) != os::kErrorSuccess) return false;
  return subKeys > 0 || values > 0;
}

bool RegistryAccess::DeleteSubKey(const std::string& parentKey, const std::string& child) const {
  OpenKey key;
  if (!key.Open(root_, parentKey, os::kKeyAllAccess)) return false;
  return os::RegDeleteKeyA(key.Get(), child.c_str()) == os::kErrorSuccess;
}
