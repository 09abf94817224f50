// The text functions the game's score and sequence texts rely on.

#include <gtest/gtest.h>

#include <cmath>

#include "framework/Text.h"

namespace {

TEST(Text, WholeNumbersAreWrittenAsPlainDigits) {
  EXPECT_EQ(fw::Str(8.0), "8");
  EXPECT_EQ(fw::Str(0.0), "0");
  EXPECT_EQ(fw::Str(-0.0), "0");
  EXPECT_EQ(fw::Str(191.0), "191");
  EXPECT_EQ(fw::Str(123456789.0), "123456789");
  EXPECT_EQ(fw::Str(2.5), "2.5");
  EXPECT_EQ(fw::Str(7), "7");
  EXPECT_EQ(fw::Str(-2147483647 - 1), "-2147483648");
}

TEST(Text, ValReadsTheNumberAtTheStart) {
  EXPECT_EQ(fw::Val("116"), 116.0);
  EXPECT_EQ(fw::Val("  42abc"), 42.0);
  EXPECT_EQ(fw::Val("-3.5"), -3.5);
  EXPECT_EQ(fw::Val(""), 0.0);
  EXPECT_EQ(fw::Val("abc"), 0.0);
  EXPECT_EQ(fw::Val("inf"), 0.0);
  // Out of a double's range: too large is infinite, too small is 0.
  EXPECT_EQ(fw::Val("-1e400"), -HUGE_VAL);
  EXPECT_EQ(fw::Val("1e-400"), 0.0);
  EXPECT_EQ(fw::Str(fw::Val("8") + 3), "11");
}

TEST(Text, StrCompComparesWholeTexts) {
  EXPECT_EQ(fw::StrComp("0r2b|", "0r2b|", 1), 0);
  EXPECT_NE(fw::StrComp("0r2b|", "0r2g|", 1), 0);
  EXPECT_NE(fw::StrComp("0r2b|", "0r2b", 1), 0);
  EXPECT_NE(fw::StrComp("0r|", "0|", 1), 0);
  EXPECT_EQ(fw::StrComp("ABC", "abc", 1), 0);
  EXPECT_NE(fw::StrComp("ABC", "abc", 0), 0);
  EXPECT_LT(fw::StrComp("a", "b", 0), 0);
  EXPECT_GT(fw::StrComp("ab", "a", 0), 0);
}

TEST(Text, SplitKeepsEmptyPieces) {
  using Pieces = std::vector<std::string>;
  EXPECT_EQ(fw::Split("0r2b|5y1g|", "|"), (Pieces{"0r2b", "5y1g", ""}));
  EXPECT_EQ(fw::Split("", "|"), (Pieces{""}));
  EXPECT_EQ(fw::Split("||", "|"), (Pieces{"", "", ""}));
  EXPECT_EQ(fw::Split("0r2b|3g", "|"), (Pieces{"0r2b", "3g"}));
  EXPECT_EQ(fw::UBound(fw::Split("0r2b|", "|")), 1);
  EXPECT_EQ(fw::UBound(fw::Split("", "|")), 0);
}

}  // namespace
