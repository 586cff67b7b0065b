// Writing and reading the registry values of the logo list.
#include "logoloft/app/LogoListStore.h"

#include <cctype>
#include <cstdio>

namespace logoloft {
namespace {

// ",ddd,ddd,ddd,d": what follows the path.
constexpr size_t kTailLength = 14;

bool DigitsAt(const std::string& text, size_t pos, size_t count, int& value) {
  value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

}  // namespace

std::string StoredLogoName(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "image%03d", number);
  return name;
}

std::string FormatStoredLogo(const LogoImage& logo) {
  char tail[40];
  std::snprintf(tail, sizeof tail, ",%03d,%03d,%03d,%d", static_cast<int>(logo.hueAngle),
                static_cast<int>(logo.rValue), static_cast<int>(logo.lValue),
                static_cast<int>(logo.colourChoice));
  return logo.path + tail;
}

std::optional<StoredLogo> ParseStoredLogo(const std::string& text) {
  if (text.size() <= kTailLength) return std::nullopt;
  const size_t i = text.size() - kTailLength;  // the comma after the path
  int angle = 0, r = 0, l = 0, choice = 0;
  if (text[i] != ',' || text[i + 4] != ',' || text[i + 8] != ',' || text[i + 12] != ',' ||
      !DigitsAt(text, i + 1, 3, angle) || !DigitsAt(text, i + 5, 3, r) ||
      !DigitsAt(text, i + 9, 3, l) || !DigitsAt(text, i + 13, 1, choice)) {
    return std::nullopt;
  }
  const std::optional<ColourChoice> colourChoice = ColourChoiceFromCode(choice);
  if (angle > 360 || r > 255 || l > 255 || !colourChoice) return std::nullopt;
  StoredLogo logo;
  logo.path = text.substr(0, i);
  logo.hueAngle = angle;
  logo.rValue = static_cast<uint8_t>(r);
  logo.lValue = static_cast<uint8_t>(l);
  logo.colourChoice = *colourChoice;
  return logo;
}

void SaveLogoList(const RegistryAccess& registry, const std::vector<LogoImage>& logos) {
  registry.DeleteSubKey(kLogoListParentKey, kLogoListChildKey);
  int number = 1;
  for (const LogoImage& logo : logos) {
    registry.WriteValue(kLogoListKey, StoredLogoName(number++),
                        RegistryValueBuffer::FromText(FormatStoredLogo(logo)));
  }
}

std::vector<std::optional<StoredLogo>> ReadStoredLogos(const RegistryAccess& registry) {
  std::vector<std::optional<StoredLogo>> stored;
  for (int number = 1; number <= kMaxStoredLogos; ++number) {
    const std::optional<std::string> text = registry.ReadText(kLogoListKey, StoredLogoName(number));
    if (!text) break;
    stored.push_back(ParseStoredLogo(*text));
  }
  return stored;
}

}  // namespace logoloft
