// The logo list of a command: one LogoImage per bitmap file, loaded with the colour controls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "logoloft/conversion/LogoImage.h"
#include "tools/logoloft-cli/CliOptions.h"

// Loads every file in order, numbered from 1. Names each file that fails on stderr with
// "Failed to load image file!" and returns nothing when any of them failed.
std::optional<std::vector<LogoImage>> LoadLogoList(const std::vector<std::string>& files,
                                                   const ColourSettings& colours, int lineWidth);
