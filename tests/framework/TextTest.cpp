// The text functions the game's score and sequence texts rely on.

#include <gtest/gtest.h>

#include <cmath>

#include "framework/Text.h"

TEST(Text, StrValStrCompAndSplit) {
  const std::pair<double, const char*> strs[] = {
      {8.0, "8"}, {-0.0, "0"}, {2.5, "2.5"}, {123456789.0, "123456789"}};
  for (const auto& [number, text] : strs) EXPECT_EQ(fw::Str(number), text);
  EXPECT_EQ(fw::Str(-2147483647 - 1), "-2147483648");
  const std::pair<const char*, double> vals[] = {
      {"  42abc", 42.0}, {"-3.5", -3.5}, {"inf", 0.0}, {"1e-400", 0.0}, {"-1e400", -HUGE_VAL}};
  for (const auto& [text, number] : vals) EXPECT_EQ(fw::Val(text), number) << text;
  EXPECT_EQ(fw::StrComp("ABC", "abc", 1), 0);
  EXPECT_LT(fw::StrComp("ABC", "abc", 0), 0);
  EXPECT_GT(fw::StrComp("ab", "a", 1), 0);
  EXPECT_EQ(fw::Split("|0r2b||5y|", "|"), (std::vector<std::string>{"", "0r2b", "", "5y", ""}));
  EXPECT_EQ(fw::Split("", "|"), std::vector<std::string>{""});
  EXPECT_EQ(fw::UBound(fw::Split("0r2b|", "|")), 1);
}
