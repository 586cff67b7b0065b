// The logo list kept in the registry between runs: one string value per logo, "image001" on, under
// HKEY_LOCAL_MACHINE\Software\Varrick\NVUtility\Imagelist, holding the path followed by
// ",%03d,%03d,%03d,%d" of the threshold angle, R value, L value and colour choice.
//
// The settings are read from the fixed-width tail of the value rather than after its first comma,
// so a path that contains a comma comes back whole. The stored text is unchanged; a reader that
// cuts at the first comma finds no bitmap at the cut path and drops that one logo.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logoloft/app/RegistryAccess.h"
#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/LogoImage.h"

namespace logoloft {

constexpr const char* kLogoListParentKey = "Software\\Varrick\\NVUtility";
constexpr const char* kLogoListChildKey = "Imagelist";
constexpr const char* kLogoListKey = "Software\\Varrick\\NVUtility\\Imagelist";
constexpr int kMaxStoredLogos = 255;

struct StoredLogo {
  std::string path;
  int32_t hueAngle = 0;
  uint8_t rValue = 0;
  uint8_t lValue = 0;
  ColourChoice colourChoice = ColourChoice::Red;
};

// "image%03d".
std::string StoredLogoName(int number);
std::string FormatStoredLogo(const LogoImage& logo);
// Nothing when the text does not end in the settings' fixed form or a setting is out of range.
std::optional<StoredLogo> ParseStoredLogo(const std::string& text);

// Deletes the old list and writes one value per logo in list order. Registry failures are not
// reported: a list that cannot be written is simply not there at the next start.
void SaveLogoList(const RegistryAccess& registry, const std::vector<LogoImage>& logos);

// The stored values from image001 up to the first missing or non-text one (at most 255); a value
// whose text cannot be parsed is nothing in its place.
std::vector<std::optional<StoredLogo>> ReadStoredLogos(const RegistryAccess& registry);

}  // namespace logoloft
