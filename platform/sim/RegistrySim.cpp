// The simulated registry behind the seam's registry calls and the SimRegistry.h control.
#include "platform/os/Registry.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/common/AsciiCase.h"
#include "platform/sim/SimRegistry.h"

namespace sim {
namespace {

struct NamedValue {
  std::string name;
  RegistryValue value;
};

struct KeyNode {
  std::map<std::string, std::unique_ptr<KeyNode>> children;  // by upper-case name
  std::vector<NamedValue> values;

  NamedValue* Find(const std::string& valueName) {
    for (NamedValue& v : values) {
      if (common::EqualsNoCase(v.name, valueName)) return &v;
    }
    return nullptr;
  }
};

struct RegistryState {
  std::mutex mutex;
  KeyNode localMachine;
  std::map<os::RegKey, std::vector<std::string>> handles;  // open key -> its path from the root
  os::RegKey nextHandle = 0x1000;
  bool failWrites = false;
};

RegistryState& State() {
  static RegistryState state;
  return state;
}

// "A\\b\\\\C" -> {"A", "B", "C"} (upper case, empty parts dropped).
std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path + "\\") {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(common::UpperAscii(part));
      part.clear();
    } else {
      part += c;
    }
  }
  return parts;
}

// The path of an open key or root; false for an unknown handle.
bool BasePath(RegistryState& s, os::RegKey key, std::vector<std::string>& path) {
  if (key == os::kHkeyLocalMachine) {
    path.clear();
    return true;
  }
  auto it = s.handles.find(key);
  if (it == s.handles.end()) return false;
  path = it->second;
  return true;
}

KeyNode* Walk(KeyNode& root, const std::vector<std::string>& path, bool create) {
  KeyNode* node = &root;
  for (const std::string& part : path) {
    auto it = node->children.find(part);
    if (it == node->children.end()) {
      if (!create) return nullptr;
      it = node->children.emplace(part, std::make_unique<KeyNode>()).first;
    }
    node = it->second.get();
  }
  return node;
}

// The node of an open key; null when the handle is unknown or its key was deleted meanwhile.
KeyNode* NodeOf(RegistryState& s, os::RegKey key) {
  std::vector<std::string> path;
  if (!BasePath(s, key, path)) return nullptr;
  return Walk(s.localMachine, path, false);
}

long OpenOrCreate(os::RegKey key, const char* subKey, bool create, os::RegKey& result) {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  std::vector<std::string> path;
  if (!BasePath(s, key, path)) return os::kErrorInvalidHandle;
  for (const std::string& part : SplitPath(subKey ? subKey : "")) path.push_back(part);
  if (create && s.failWrites && !Walk(s.localMachine, path, false)) return os::kErrorAccessDenied;
  if (!Walk(s.localMachine, path, create)) return os::kErrorFileNotFound;
  result = s.nextHandle++;
  s.handles[result] = path;
  return os::kErrorSuccess;
}

}  // namespace

void PutRegistryValue(const std::string& keyPath, const std::string& name, const RegistryValue& value) {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  KeyNode* node = Walk(s.localMachine, SplitPath(keyPath), true);
  if (NamedValue* existing = node->Find(name)) {
    existing->value = value;
  } else {
    node->values.push_back({name, value});
  }
}

void PutRegistryString(const std::string& keyPath, const std::string& name, const std::string& text) {
  RegistryValue value{os::kRegSz, std::vector<uint8_t>(text.begin(), text.end())};
  value.data.push_back(0);
  PutRegistryValue(keyPath, name, value);
}

std::optional<RegistryValue> GetRegistryValue(const std::string& keyPath, const std::string& name) {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  KeyNode* node = Walk(s.localMachine, SplitPath(keyPath), false);
  NamedValue* found = node ? node->Find(name) : nullptr;
  if (!found) return std::nullopt;
  return found->value;
}

std::optional<std::string> GetRegistryString(const std::string& keyPath, const std::string& name) {
  std::optional<RegistryValue> value = GetRegistryValue(keyPath, name);
  if (!value || (value->type != os::kRegSz && value->type != os::kRegExpandSz)) return std::nullopt;
  std::string text(value->data.begin(), value->data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::vector<std::string> RegistryValueNames(const std::string& keyPath) {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  std::vector<std::string> names;
  if (KeyNode* node = Walk(s.localMachine, SplitPath(keyPath), false)) {
    for (const NamedValue& v : node->values) names.push_back(v.name);
  }
  return names;
}

bool RegistryKeyExists(const std::string& keyPath) {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return Walk(s.localMachine, SplitPath(keyPath), false) != nullptr;
}

void FailRegistryWrites(bool fail) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().failWrites = fail;
}

int OpenRegistryKeyCount() {
  std::lock_guard<std::mutex> lock(State().mutex);
  return static_cast<int>(State().handles.size());
}

void ResetRegistry() {
  RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.localMachine = KeyNode{};
  s.handles.clear();
  s.failWrites = false;
}

}  // namespace sim

namespace os {

using sim::State;

long RegOpenKeyExA(RegKey key, const char* subKey, uint32_t, RegKey& result) {
  return sim::OpenOrCreate(key, subKey, false, result);
}

long RegCreateKeyExA(RegKey key, const char* subKey, uint32_t, RegKey& result) {
  return sim::OpenOrCreate(key, subKey, true, result);
}

long RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type, uint8_t* data,
                      uint32_t* size) {
  sim::RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  sim::KeyNode* node = sim::NodeOf(s, key);
  if (!node) return kErrorInvalidHandle;
  sim::NamedValue* found = node->Find(valueName ? valueName : "");
  if (!found) return kErrorFileNotFound;
  const std::vector<uint8_t>& bytes = found->value.data;
  if (type) *type = found->value.type;
  if (!size) return data ? kErrorInvalidHandle : kErrorSuccess;
  const uint32_t available = *size;
  *size = static_cast<uint32_t>(bytes.size());
  if (!data) return kErrorSuccess;
  if (available < bytes.size()) return kErrorMoreData;
  if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
  return kErrorSuccess;
}

long RegSetValueExA(RegKey key, const char* valueName, uint32_t type, const uint8_t* data,
                    uint32_t size) {
  sim::RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  sim::KeyNode* node = sim::NodeOf(s, key);
  if (!node) return kErrorInvalidHandle;
  if (s.failWrites) return kErrorAccessDenied;
  sim::RegistryValue value{type, data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>{}};
  const std::string name = valueName ? valueName : "";
  if (sim::NamedValue* existing = node->Find(name)) {
    existing->value = value;
  } else {
    node->values.push_back({name, value});
  }
  return kErrorSuccess;
}

long RegDeleteValueA(RegKey key, const char* valueName) {
  sim::RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  sim::KeyNode* node = sim::NodeOf(s, key);
  if (!node) return kErrorInvalidHandle;
  for (auto it = node->values.begin(); it != node->values.end(); ++it) {
    if (common::EqualsNoCase(it->name, valueName ? valueName : "")) {
      node->values.erase(it);
      return kErrorSuccess;
    }
  }
  return kErrorFileNotFound;
}

long RegDeleteKeyA(RegKey key, const char* subKey) {
  sim::RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  std::vector<std::string> path;
  if (!sim::BasePath(s, key, path)) return kErrorInvalidHandle;
  std::vector<std::string> sub = sim::SplitPath(subKey ? subKey : "");
  if (sub.empty()) return kErrorAccessDenied;
  const std::string leaf = sub.back();
  sub.pop_back();
  for (const std::string& part : sub) path.push_back(part);
  sim::KeyNode* parent = sim::Walk(s.localMachine, path, false);
  if (!parent) return kErrorFileNotFound;
  auto it = parent->children.find(leaf);
  if (it == parent->children.end()) return kErrorFileNotFound;
  if (!it->second->children.empty()) return kErrorAccessDenied;
  parent->children.erase(it);
  return kErrorSuccess;
}

long RegQueryInfoKeyA(RegKey key, uint32_t& subKeys, uint32_t& values) {
  sim::RegistryState& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  sim::KeyNode* node = sim::NodeOf(s, key);
  if (!node) return kErrorInvalidHandle;
  subKeys = static_cast<uint32_t>(node->children.size());
  values = static_cast<uint32_t>(node->values.size());
  return kErrorSuccess;
}

long RegCloseKey(RegKey key) {
  if (key == kHkeyLocalMachine) return kErrorSuccess;
  std::lock_guard<std::mutex> lock(State().mutex);
  return State().handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace os
