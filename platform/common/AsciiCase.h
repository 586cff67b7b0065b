// Windows-style comparison of names without regard to case (ASCII letters only).
#pragma once

#include <string>
#include <string_view>

namespace common {

// `text` with ASCII letters in upper case; other bytes unchanged.
std::string UpperAscii(std::string_view text);

// True when both texts are equal once ASCII letters are folded.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace common
