// The print dialog's selection text ("1-2   3,4,5...  7") and the logo numbers it stands for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The selection list holds at most this many numbers.
constexpr size_t kMaxSelectedLogos = 255;

// Numbers of one to three digits separated by ","; "a-b" stands for a, a + 1, .., b and for
// nothing when b < a. Nothing (a format error) for any other character, a run of four digits or
// more, a "-" that is not between two numbers or that chains ranges ("1-2-3"), or a list that
// would grow past kMaxSelectedLogos numbers.
std::optional<std::vector<int>> ParseLogoSelection(const std::string& text);
