// Number forms: the whole-text decimal form, the leading-number reading of typed text and
// the shortest written form.
#include "startup/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ReadLeadingNumber, TakesTheLongestLeadingDecimalRun) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"30", 30},       {"2", 2},         {"7.5", 7.5},      {"12 seconds", 12},
      {"1 5", 15},      {" \t2\n0 ", 20}, {"-5", -5},        {"+4", 4},
      {"1.5e1", 15},    {"1E+1x", 10},    {"3.", 3},         {".5", 0.5},
      {"1e", 1},        {"abc", 0},       {"", 0},           {"-", 0},
      {"&H1F", 31},     {"&hff", 255},    {"&O17", 15},      {"&H", 0},
      {"30.01", 30.01}, {"1.99", 1.99},   {"12,5", 12},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadLeadingNumber(c.text), c.expected) << c.text;
}

TEST(ParseDecimalNumber, AcceptsOnlyAWholeDecimalText) {
  EXPECT_EQ(ParseDecimalNumber("12"), 12.0);
  EXPECT_EQ(ParseDecimalNumber("-0.25E1"), -2.5);
  for (const char* text : {"", " 12", "12 ", "12a", "&H10", ".", "e5", "1,5"}) {
    EXPECT_FALSE(ParseDecimalNumber(text).has_value()) << text;
  }
}

TEST(ShortestDecimal, WritesTheShortestFormThatReadsBack) {
  EXPECT_EQ(ShortestDecimal(12), "12");
  EXPECT_EQ(ShortestDecimal(7.5), "7.5");
  EXPECT_EQ(ShortestDecimal(30.01), "30.01");
  EXPECT_EQ(ShortestDecimal(0.1 + 0.2), "0.30000000000000004");
}

TEST(NumericValueOf, CountsEmptyAsZeroAndATextOnlyWhenWhollyNumeric) {
  EXPECT_EQ(NumericValueOf(FieldValue()), 0.0);
  EXPECT_EQ(NumericValueOf(FieldValue(4.5)), 4.5);
  EXPECT_EQ(NumericValueOf(FieldValue(std::string(" 12 "))), 12.0);
  EXPECT_FALSE(NumericValueOf(FieldValue(std::string("seven"))).has_value());
  EXPECT_FALSE(NumericValueOf(FieldValue(std::string("12 s"))).has_value());
}

}  // namespace
