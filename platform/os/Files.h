// The seam's file calls: whole-file reads and writes, attributes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace os {

// Windows file attribute bits used by the suite; kInvalidFileAttributes when the file is missing.
constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
constexpr uint32_t kFileAttributeReadOnly = 0x1u;
constexpr uint32_t kFileAttributeDirectory = 0x10u;
constexpr uint32_t kFileAttributeNormal = 0x80u;  // a file with no other attribute

uint32_t GetFileAttributesA(const char* path);

// Reads the whole file. Returns false (and leaves `out` empty) when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::vector<uint8_t>& out);

// Creates or replaces the file with exactly `data`. Either the whole new content is in place
// afterwards or the old file is left as it was; returns false in the second case.
bool WriteWholeFile(const char* path, const std::vector<uint8_t>& data);

}  // namespace os
