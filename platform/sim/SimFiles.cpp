// The simulated file store and the seam's file calls and program path over it.
#include "platform/sim/SimFiles.h"

#include <map>
#include <mutex>
#include <set>

#include "platform/common/AsciiCase.h"
#include "platform/os/Files.h"
#include "platform/os/ProgramFolder.h"

namespace sim {
namespace {

constexpr const char* kDefaultModuleFileName = "C:\\P-8\\Logoloft.exe";

struct FileStore {
  std::mutex mutex;
  std::map<std::string, std::vector<uint8_t>> files;  // keyed by PathKey
  std::set<std::string> readOnly;
  std::set<std::string> failingWrites;
  std::string moduleFileName = kDefaultModuleFileName;
};

FileStore& Store() {
  static FileStore store;
  return store;
}

// Windows paths name one file whatever their case and whichever slash separates their parts.
std::string PathKey(const std::string& path) {
  std::string key = common::UpperAscii(path);
  for (char& c : key) {
    if (c == '/') c = '\\';
  }
  return key;
}

bool IsFolder(const FileStore& store, const std::string& key) {
  std::string prefix = key.empty() || key.back() == '\\' ? key : key + "\\";
  auto next = store.files.lower_bound(prefix);
  return next != store.files.end() && next->first.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

void PutFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  Store().files[PathKey(path)] = bytes;
}

void PutTextFile(const std::string& path, const std::string& text) {
  PutFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::optional<std::vector<uint8_t>> FileBytes(const std::string& path) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  auto found = Store().files.find(PathKey(path));
  if (found == Store().files.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> FileText(const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes = FileBytes(path);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

void SetReadOnly(const std::string& path, bool readOnly) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  if (readOnly) {
    Store().readOnly.insert(PathKey(path));
  } else {
    Store().readOnly.erase(PathKey(path));
  }
}

void RemoveFile(const std::string& path) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  Store().files.erase(PathKey(path));
  Store().readOnly.erase(PathKey(path));
}

void FailWrites(const std::string& path, bool fail) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  if (fail) {
    Store().failingWrites.insert(PathKey(path));
  } else {
    Store().failingWrites.erase(PathKey(path));
  }
}

void SetModuleFileName(const std::string& path) {
  std::lock_guard<std::mutex> lock(Store().mutex);
  Store().moduleFileName = path;
}

void ResetFiles() {
  std::lock_guard<std::mutex> lock(Store().mutex);
  Store().files.clear();
  Store().readOnly.clear();
  Store().failingWrites.clear();
  Store().moduleFileName = kDefaultModuleFileName;
}

}  // namespace sim

namespace os {

uint32_t GetFileAttributesA(const char* path) {
  if (path == nullptr) return kInvalidFileAttributes;
  sim::FileStore& store = sim::Store();
  std::lock_guard<std::mutex> lock(store.mutex);
  std::string key = sim::PathKey(path);
  if (store.files.count(key) != 0) {
    return store.readOnly.count(key) != 0 ? kFileAttributeReadOnly : kFileAttributeNormal;
  }
  return sim::IsFolder(store, key) ? kFileAttributeDirectory : kInvalidFileAttributes;
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>& out) {
  out.clear();
  if (path == nullptr) return false;
  sim::FileStore& store = sim::Store();
  std::lock_guard<std::mutex> lock(store.mutex);
  auto found = store.files.find(sim::PathKey(path));
  if (found == store.files.end()) return false;
  out = found->second;
  return true;
}

bool WriteWholeFile(const char* path, const std::vector<uint8_t>& data) {
  if (path == nullptr) return false;
  sim::FileStore& store = sim::Store();
  std::lock_guard<std::mutex> lock(store.mutex);
  std::string key = sim::PathKey(path);
  if (store.readOnly.count(key) != 0 || store.failingWrites.count(key) != 0 ||
      sim::IsFolder(store, key)) {
    return false;
  }
  store.files[key] = data;
  return true;
}

std::string GetModuleFileNameA() {
  sim::FileStore& store = sim::Store();
  std::lock_guard<std::mutex> lock(store.mutex);
  return store.moduleFileName;
}

}  // namespace os
