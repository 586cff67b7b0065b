// The Windows rules of private-profile (INI) files, applied to a file's text: finding a key's value,
// changing one key while leaving every other byte as it was, and reading a value as an integer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

// The value of `key` in `section` (names compared without regard to case), with the blanks around
// it and one pair of enclosing quotes removed; nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// Sets `key` in `section`: replaces the value on the key's line, or adds the key after the last line
// of its section, or adds the section at the end. Returns false (and leaves `text` alone) when the
// names or the value cannot be held on one line of the file.
bool SetProfileValue(std::string& text, std::string_view section, std::string_view key,
                     std::string_view value);

// The leading decimal digits of `value`, after an optional minus sign; 0 when there are none.
int ParseProfileInt(std::string_view value);

}  // namespace common
