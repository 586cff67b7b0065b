// The print dialog's selection text and the logo numbers it stands for.
#include "logoloft/transfer/LogoSelection.h"

#include <cctype>

namespace {

constexpr size_t kMaxDigits = 3;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Reads the run of digits at `pos`; nothing when it is empty or too long.
std::optional<int> ReadNumber(const std::string& text, size_t& pos) {
  const size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  if (pos == start || pos - start > kMaxDigits) return std::nullopt;
  return std::stoi(text.substr(start, pos - start));
}

}  // namespace

std::optional<std::vector<int>> ParseLogoSelection(const std::string& text) {
  std::vector<int> numbers;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ',') {
      ++pos;
      continue;
    }
    const std::optional<int> first = ReadNumber(text, pos);
    if (!first) return std::nullopt;
    int last = *first;
    if (pos < text.size() && text[pos] == '-') {
      ++pos;
      const std::optional<int> end = ReadNumber(text, pos);
      if (!end) return std::nullopt;
      last = *end;
    }
    if (pos < text.size() && text[pos] != ',') return std::nullopt;
    for (int n = *first; n <= last; ++n) {
      if (numbers.size() == kMaxSelectedLogos) return std::nullopt;
      numbers.push_back(n);
    }
  }
  return numbers;
}
