// Loading the bitmaps of a command into a logo list.
#include "tools/logoloft-cli/LogoList.h"

#include <cstdio>

std::optional<std::vector<LogoImage>> LoadLogoList(const std::vector<std::string>& files,
                                                   const ColourSettings& colours, int lineWidth) {
  // The list numbers its logos with one byte, from 1.
  constexpr size_t kMaxLogos = 255;
  if (files.size() > kMaxLogos) {
    std::fprintf(stderr, "logoloft-cli: at most %zu logos in one list\n", kMaxLogos);
    return std::nullopt;
  }
  std::vector<LogoImage> logos;
  bool allLoaded = true;
  for (size_t i = 0; i < files.size(); ++i) {
    auto logo = LoadLogoImage(static_cast<uint8_t>(i + 1), files[i], colours.threshold,
                              colours.classifier.rValue, colours.classifier.lValue,
                              colours.classifier.colourChoice, lineWidth);
    if (!logo) {
      std::fprintf(stderr, "logoloft-cli: %s: Failed to load image file!\n", files[i].c_str());
      allLoaded = false;
      continue;
    }
    logos.push_back(*logo);
  }
  if (!allLoaded) return std::nullopt;
  return logos;
}
