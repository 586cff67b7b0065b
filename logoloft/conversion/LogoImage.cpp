// One logo of the logo list, and its loading from a bitmap file.
#include "logoloft/conversion/LogoImage.h"

#include <algorithm>

#include "logoloft/conversion/LoadBitmapFile.h"

int32_t LogoSizeEstimate(int width, int height, int lineWidth) {
  const int64_t dots = std::max(0, std::min(width, lineWidth));
  return static_cast<int32_t>((dots + 7) / 8 * height);
}

std::optional<LogoImage> LoadLogoImage(uint8_t number, const std::string& path, int32_t hueAngle,
                                       uint8_t rValue, uint8_t lValue, ColourChoice colourChoice,
                                       int lineWidth) {
  Bitmap bitmap;
  if (!LoadBitmapFile(path, bitmap)) return std::nullopt;
  LogoImage logo;
  logo.number = number;
  logo.size = LogoSizeEstimate(bitmap.width, bitmap.height, lineWidth);
  const size_t slash = path.find_last_of('\\');
  logo.name = slash == std::string::npos ? path : path.substr(slash + 1);
  logo.path = path;
  logo.hueAngle = hueAngle;
  logo.rValue = rValue;
  logo.lValue = lValue;
  logo.colourChoice = colourChoice;
  return logo;
}
