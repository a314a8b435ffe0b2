// Number forms: the whole-text decimal form, the leading-number reading of typed text and
// the shortest written forms; all of them exact, and the same whatever the locale.
#include "startup/numbers.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>

#include "startup/exact_decimal.h"
#include "tests/support/temp_folder.h"

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

TEST(ShortestDecimal, WritesWhatTheStandardLibraryWritesForEveryKindOfDouble) {
  const double edges[] = {
      0.0, -0.0, 1e22, 1e23, 1e21, 1.2345678901234567e21, 1.2345678901234568e22, 5e-324, 2.2250738585072014e-308,
      2.225073858507201e-308, std::numeric_limits<double>::max(), 9007199254740993.0, 1e-7, 1e-5, 0.0001,
      123e-7, 1e16, 2.5, 7.5, 1000, 1e15 + 0.5, 0.3, 2.0 / 3, 1.0 / 3, 5e-310, 1e300, 1.5e300,
      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
  };
  const auto standard = [](double number, bool fixed) {
    char buffer[2000];
    const auto written = fixed ? std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed)
                               : std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, written.ptr);
  };
  const auto check = [&](double number) {
    EXPECT_EQ(ShortestDecimal(number), standard(number, false)) << standard(number, false);
    EXPECT_EQ(ShortestFixedDecimal(number), standard(number, true)) << standard(number, false);
  };
  for (const double edge : edges) check(edge);
  std::mt19937_64 bits(2024);
  for (int i = 0; i < 5000; ++i) {
    // Any bit pattern (every exponent, subnormals included), and numbers of a few digits.
    std::uint64_t pattern = bits();
    double number = 0;
    std::memcpy(&number, &pattern, sizeof number);
    if (!std::isnan(number)) check(number);
    check(static_cast<double>(pattern % 100000) / std::pow(10.0, static_cast<double>(pattern % 9)));
  }
}

TEST(NearestDouble, ReadsEveryDecimalAsTheCorrectlyRoundedDouble) {
  const auto standard = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
  const std::string hard[] = {
      "2.2250738585072011e-308", "2.2250738585072012e-308", "2.4703282292062327e-324", "2.4703282292062328e-324",
      "4.9406564584124654e-324", "1.7976931348623157e308", "1.7976931348623158e308", "1.7976931348623159e308",
      "9007199254740993", "9007199254740992.5", "0.1", "1e-400", "1e400", "-0", "00000.000", "123456789012345678901234567890",
      "0." + std::string(400, '0') + "1e+405", "1" + std::string(900, '0') + "e-900",
      "1" + std::string(799, '0') + "1e-800",
      // Halfway between two doubles but for a digit far beyond the ones kept.
      "9007199254740993" + std::string(1000, '0') + "1e-1000", "9007199254740993" + std::string(1000, '0') + "e-1000",
  };
  for (const std::string& text : hard) {
    const double read = NearestDouble(text);
    EXPECT_EQ(read, standard(text)) << text.substr(0, 40);
    EXPECT_EQ(std::signbit(read), std::signbit(standard(text))) << text.substr(0, 40);
  }
  std::mt19937_64 draw(7);
  for (int i = 0; i < 20000; ++i) {
    std::string text = (draw() % 2 != 0) ? "-" : "";
    const int digits = 1 + static_cast<int>(draw() % 25);
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + draw() % 10);
    if (draw() % 2 != 0) text.insert(text.size() - draw() % digits, ".");
    text += "e" + std::to_string(static_cast<int>(draw() % 700) - 350);
    EXPECT_EQ(NearestDouble(text), standard(text)) << text;
  }
}

// A locale whose decimal separator is a comma, made for the test from a character map of its
// own, so that it needs nothing installed but the C library's own tools.
class CommaLocale {
 public:
  CommaLocale() {
    std::ofstream(folder_.File("ascii.cm")) << CharacterMap();
    std::ofstream(folder_.File("comma.src"))
        << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\ngrouping 3;3\nEND LC_NUMERIC\n";
    const std::string make = "localedef -c -i " + folder_.File("comma.src") + " -f " + folder_.File("ascii.cm") +
                             " " + folder_.File("comma") + " >/dev/null 2>&1";
    std::system(make.c_str());
    setenv("LOCPATH", folder_.path().c_str(), 1);
    in_use_ = std::setlocale(LC_NUMERIC, "comma") != nullptr;
  }
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
  bool in_use() const { return in_use_; }

 private:
  static std::string CharacterMap() {
    std::string map = "<code_set_name> TESTASCII\n<escape_char> /\n<mb_cur_min> 1\n<mb_cur_max> 1\nCHARMAP\n";
    for (int code = 0; code < 128; ++code) {
      char line[32];
      std::snprintf(line, sizeof line, "<U%04X> /x%02x\n", code, code);
      map += line;
    }
    return map + "END CHARMAP\n";
  }
  TempFolder folder_;
  bool in_use_ = false;
};

TEST(Numbers, AreReadAndWrittenTheSameWhateverTheLocalesDecimalSeparator) {
  const CommaLocale comma;
  ASSERT_TRUE(comma.in_use());
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(ParseDecimalNumber("7.5"), 7.5);
  EXPECT_EQ(ParseDecimalNumber("123456789012345678.5e-3"), 123456789012345.6785);
  EXPECT_EQ(ReadLeadingNumber("2.25 seconds"), 2.25);
  EXPECT_EQ(ShortestDecimal(7.5), "7.5");
  EXPECT_EQ(ShortestDecimal(1.25e-7), "1.25e-07");
  EXPECT_EQ(ShortestFixedDecimal(2.5), "2.5");
}

TEST(NumericValueOf, CountsEmptyAsZeroAndATextOnlyWhenWhollyNumeric) {
  EXPECT_EQ(NumericValueOf(FieldValue()), 0.0);
  EXPECT_EQ(NumericValueOf(FieldValue(4.5)), 4.5);
  EXPECT_EQ(NumericValueOf(FieldValue(std::string(" 12 "))), 12.0);
  EXPECT_FALSE(NumericValueOf(FieldValue(std::string("seven"))).has_value());
  EXPECT_FALSE(NumericValueOf(FieldValue(std::string("12 s"))).has_value());
}

}  // namespace
