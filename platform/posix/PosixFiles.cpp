// The seam's file calls on the host: attributes from stat and write permission, whole-file reads,
// and writes that go to a temporary file first and replace the old file by rename.
#include "platform/os/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace os {
namespace {

// Closes the descriptor it holds when it goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting whether the last buffered data reached the file.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const uint8_t* data, size_t count) {
  while (count > 0) {
    ssize_t written = ::write(fd, data, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    count -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

uint32_t GetFileAttributesA(const char* path) {
  struct stat info {};
  if (path == nullptr || ::stat(path, &info) != 0) return kInvalidFileAttributes;
  uint32_t attributes = S_ISDIR(info.st_mode) ? kFileAttributeDirectory : 0u;
  // Read-only like the Windows attribute: a property of the file, whoever runs the program.
  if ((info.st_mode & S_IWUSR) == 0 || ::access(path, W_OK) != 0) attributes |= kFileAttributeReadOnly;
  return attributes != 0 ? attributes : kFileAttributeNormal;
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>& out) {
  out.clear();
  if (path == nullptr) return false;
  FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return false;
  std::vector<uint8_t> bytes;
  uint8_t chunk[8192];
  for (;;) {
    ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  out.swap(bytes);
  return true;
}

bool WriteWholeFile(const char* path, const std::vector<uint8_t>& data) {
  if (path == nullptr) return false;
  uint32_t attributes = GetFileAttributesA(path);
  if (attributes != kInvalidFileAttributes && (attributes & kFileAttributeReadOnly) != 0) {
    return false;  // rename would replace a file its owner made read-only
  }
  std::string temporary = std::string(path) + ".XXXXXX";
  FileDescriptor file(::mkstemp(&temporary[0]));
  if (file.Get() < 0) return false;
  struct stat info {};
  mode_t mode = ::stat(path, &info) == 0 ? (info.st_mode & 07777) : 0644;
  bool written = ::fchmod(file.Get(), mode) == 0 && WriteAll(file.Get(), data.data(), data.size()) &&
                 ::fsync(file.Get()) == 0;
  written = file.Close() && written;
  if (!written || ::rename(temporary.c_str(), path) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace os
