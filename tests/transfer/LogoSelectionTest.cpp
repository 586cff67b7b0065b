// The print dialog's selection text: the numbers it stands for, and what is a format error.
#include <gtest/gtest.h>

#include <numeric>

#include "logoloft/transfer/LogoSelection.h"

namespace {

std::vector<int> Numbers(int first, int last) {
  std::vector<int> numbers(static_cast<size_t>(last - first + 1));
  std::iota(numbers.begin(), numbers.end(), first);
  return numbers;
}

TEST(LogoSelection, TextsAndTheNumbersTheyStandFor) {
  struct Case {
    std::string text;
    std::optional<std::vector<int>> numbers;  // nothing: "Selection Format Error!"
  };
  const std::vector<Case> cases = {
      {"7", std::vector<int>{7}},
      {"3,4,5", std::vector<int>{3, 4, 5}},
      {"1-2", std::vector<int>{1, 2}},
      {"1-3,7", std::vector<int>{1, 2, 3, 7}},
      {"5-3", std::vector<int>{}},
      {"5-3,2", std::vector<int>{2}},
      {"4-4", std::vector<int>{4}},
      {",,9,", std::vector<int>{9}},
      {"0", std::vector<int>{0}},
      {"256,999", std::vector<int>{256, 999}},
      {"1-255", Numbers(1, 255)},
      {"12,1000", std::nullopt},
      {"0001", std::nullopt},
      {"1 2", std::nullopt},
      {"1;2", std::nullopt},
      {"-3", std::nullopt},
      {"3-", std::nullopt},
      {"1--3", std::nullopt},
      {"1-,3", std::nullopt},
      {",-3", std::nullopt},
      {"1-2-3", std::nullopt},
      {"1-255,1", std::nullopt},
      {"0-255", std::nullopt},
      {"1-999", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLogoSelection(c.text), c.numbers);
  }
}

}  // namespace
