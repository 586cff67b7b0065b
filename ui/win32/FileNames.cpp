// The text forms of the common file dialogs.
#include "ui/win32/FileNames.h"

#include <algorithm>

namespace ui {

std::string FilterForCommonDialog(const std::string& filter) {
  if (filter.empty()) return {};
  std::string out = filter;
  std::replace(out.begin(), out.end(), '|', '\0');
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

std::vector<std::string> ChosenFileNames(const char* buffer, size_t size) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (at < size && buffer[at] != '\0') {
    size_t end = at;
    while (end < size && buffer[end] != '\0') ++end;
    parts.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  std::vector<std::string> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace ui
