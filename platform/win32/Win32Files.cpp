// The seam's file calls on Windows: whole-file reads, and writes to a temporary file that then
// replaces the old one, so a failed write leaves the old file as it was.
#include "platform/os/Files.h"

#include <windows.h>

namespace os {
namespace {

// Closes the file handle it holds when it goes.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (IsOpen()) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace

uint32_t GetFileAttributesA(const char* path) {
  if (path == nullptr) return kInvalidFileAttributes;
  return ::GetFileAttributesA(path);
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>& out) {
  out.clear();
  if (path == nullptr) return false;
  FileHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.IsOpen() || !::GetFileSizeEx(file.Get(), &size) || size.HighPart != 0) return false;
  std::vector<uint8_t> bytes(size.LowPart);
  DWORD got = 0;
  if (!bytes.empty() && (!::ReadFile(file.Get(), bytes.data(), size.LowPart, &got, nullptr) ||
                         got != size.LowPart)) {
    return false;
  }
  out.swap(bytes);
  return true;
}

bool WriteWholeFile(const char* path, const std::vector<uint8_t>& data) {
  if (path == nullptr) return false;
  std::string temporary = std::string(path) + ".new";
  {
    FileHandle file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    DWORD written = 0;
    bool ok = data.empty() || (::WriteFile(file.Get(), data.data(), static_cast<DWORD>(data.size()),
                                           &written, nullptr) &&
                               written == data.size());
    ok = ::FlushFileBuffers(file.Get()) && ok;
    if (!file.Close() || !ok) {
      ::DeleteFileA(temporary.c_str());
      return false;
    }
  }
  if (!::MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace os
