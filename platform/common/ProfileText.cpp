// The Windows rules of private-profile (INI) files, applied to a file's text.
#include "platform/common/ProfileText.h"

#include <cstdint>
#include <vector>

#include "platform/common/AsciiCase.h"

namespace common {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  size_t last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

// One line of the file: its content and where its line end (if any) stops.
struct Line {
  size_t begin;
  size_t contentEnd;  // before "\r\n" or "\n"
  size_t end;         // after the line end
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t newline = text.find('\n', begin);
    size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    size_t contentEnd = newline == std::string_view::npos ? text.size() : newline;
    if (contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
    lines.push_back({begin, contentEnd, end});
    begin = end;
  }
  return lines;
}

// What a line of the file is: a section header, a key line, or anything else (blank, comment, text).
struct LineMeaning {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string_view name;  // section or key name, trimmed
  size_t valueBegin = 0;  // key lines: offset of the text after '=' within the line
};

LineMeaning Classify(std::string_view content) {
  LineMeaning meaning;
  std::string_view trimmed = Trim(content);
  if (trimmed.empty() || trimmed.front() == ';') return meaning;
  if (trimmed.front() == '[') {
    std::string_view inside = trimmed.substr(1);
    meaning.kind = LineMeaning::kSection;
    meaning.name = Trim(inside.substr(0, inside.find(']')));
    return meaning;
  }
  size_t equals = content.find('=');
  if (equals == std::string_view::npos) return meaning;
  meaning.kind = LineMeaning::kKey;
  meaning.name = Trim(content.substr(0, equals));
  meaning.valueBegin = equals + 1;
  return meaning;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view LineEndOf(std::string_view text) {
  size_t newline = text.find('\n');
  if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Names that read back as themselves: on one line, not taken for a comment or a section.
bool IsStorableName(std::string_view name, std::string_view forbidden) {
  std::string_view trimmed = Trim(name);
  return !trimmed.empty() && trimmed.size() == name.size() && !HasLineBreak(name) &&
         name.find_first_of(forbidden) == std::string_view::npos && name.front() != ';' &&
         name.front() != '[';
}

// Where a key was found, or where its section ends.
struct KeyPlace {
  const Line* keyLine = nullptr;
  size_t valueBegin = 0;
  const Line* sectionLast = nullptr;  // last non-blank line of the first matching section
};

KeyPlace Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
  KeyPlace place;
  bool inSection = false;
  bool inFirstSection = false;
  for (const Line& line : lines) {
    std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    LineMeaning meaning = Classify(content);
    if (meaning.kind == LineMeaning::kSection) {
      inSection = EqualsNoCase(meaning.name, section);
      inFirstSection = inSection && place.sectionLast == nullptr;
      if (inFirstSection) place.sectionLast = &line;
      continue;
    }
    if (!inSection) continue;
    if (meaning.kind == LineMeaning::kKey && EqualsNoCase(meaning.name, key)) {
      place.keyLine = &line;
      place.valueBegin = meaning.valueBegin;
      return place;
    }
    if (inFirstSection && !Trim(content).empty()) place.sectionLast = &line;
  }
  return place;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  KeyPlace place = Locate(text, lines, section, key);
  if (place.keyLine == nullptr) return std::nullopt;
  size_t valueStart = place.keyLine->begin + place.valueBegin;
  std::string_view value = text.substr(valueStart, place.keyLine->contentEnd - valueStart);
  return std::string(Unquote(Trim(value)));
}

bool SetProfileValue(std::string& text, std::string_view section, std::string_view key,
                     std::string_view value) {
  if (!IsStorableName(section, "]") || !IsStorableName(key, "=") || HasLineBreak(value)) return false;
  std::vector<Line> lines = SplitLines(text);
  KeyPlace place = Locate(text, lines, section, key);
  std::string eol(LineEndOf(text));
  std::string keyLine = std::string(key) + "=" + std::string(value);
  if (place.keyLine != nullptr) {
    size_t valueStart = place.keyLine->begin + place.valueBegin;
    text.replace(valueStart, place.keyLine->contentEnd - valueStart, value);
  } else if (place.sectionLast != nullptr) {
    const Line& last = *place.sectionLast;
    bool hasLineEnd = last.end > last.contentEnd;
    text.insert(last.end, hasLineEnd ? keyLine + eol : eol + keyLine);
  } else {
    bool needsBreak = !text.empty() && text.back() != '\n';
    text += (needsBreak ? eol : "") + "[" + std::string(section) + "]" + eol + keyLine + eol;
  }
  return true;
}

int ParseProfileInt(std::string_view value) {
  size_t pos = 0;
  bool negative = pos < value.size() && value[pos] == '-';
  if (negative) ++pos;
  uint32_t magnitude = 0;  // unsigned so that an overlong number wraps instead of overflowing
  for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
    magnitude = magnitude * 10u + static_cast<uint32_t>(value[pos] - '0');
  }
  return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

}  // namespace common
