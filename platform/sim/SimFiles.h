// The simulated file store: files of the program under test, keyed by their Windows path
// (compared without regard to case), held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

void PutFile(const std::string& path, const std::vector<uint8_t>& bytes);
void PutTextFile(const std::string& path, const std::string& text);
std::optional<std::vector<uint8_t>> FileBytes(const std::string& path);
std::optional<std::string> FileText(const std::string& path);
void SetReadOnly(const std::string& path, bool readOnly);
void RemoveFile(const std::string& path);
// Makes the next writes of `path` fail (a full disk, a file held open elsewhere).
void FailWrites(const std::string& path, bool fail);
// The running program's own path (os::GetModuleFileNameA), e.g. "C:\\Program Files\\P-8\\Logoloft.exe".
void SetModuleFileName(const std::string& path);
// Drops every file and setting.
void ResetFiles();

}  // namespace sim
