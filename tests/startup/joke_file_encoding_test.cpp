// The decoding rule for joke files: marks, UTF-8 against the code page at the edges of
// well-formedness, broken UTF-16; and the settings file's own rule, ASCII after any mark.
#include "startup/joke_file_encoding.h"

#include <gtest/gtest.h>

#include <cctype>

#include "platform/headless/headless_services.h"
#include "startup/settings_file.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace std::string_literals;

struct DecodingCase {
  const char* what;
  std::string bytes;
  TextEncoding encoding;
  std::string text;
  LineNumber first_replaced_line = 0;
  LineNumber utf8_broken_line = 0;
};

void PrintTo(const DecodingCase& given, std::ostream* out) { *out << given.what; }

// "utf16 odd length" as a test's name: "utf16_odd_length".
std::string CaseName(const ::testing::TestParamInfo<DecodingCase>& info) {
  std::string name = info.param.what;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class DecodingTest : public ::testing::TestWithParam<DecodingCase> {
 protected:
  HeadlessMachine machine;
  HeadlessServices services{machine, ""};
};

TEST_P(DecodingTest, GivesTheEncodingTheTextAndWhereItBroke) {
  const DecodingCase& given = GetParam();
  const DecodedText decoded = DecodeJokeFile(given.bytes, services);
  EXPECT_EQ(decoded.encoding, given.encoding);
  EXPECT_EQ(decoded.text, given.text);
  EXPECT_EQ(decoded.first_replaced_line, given.first_replaced_line);
  EXPECT_EQ(decoded.utf8_broken_line, given.utf8_broken_line);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DecodingTest,
    ::testing::Values(
        DecodingCase{"utf8 mark dropped", "\xEF\xBB\xBF" "caf\xC3\xA9", TextEncoding::kUtf8WithMark, "caf\u00E9"},
        DecodingCase{"utf16le mark dropped", "\xFF\xFE" "c\0a\0f\0\xE9\0\r\0\n\0"s, TextEncoding::kUtf16LittleEndian,
                     "caf\u00E9\r\n"},
        DecodingCase{"utf16be mark dropped", "\xFE\xFF" "\0c\0a\0f\0\xE9\x04\x17"s, TextEncoding::kUtf16BigEndian,
                     "caf\u00E9\u0417"},
        DecodingCase{"utf16 surrogate pair", "\xFF\xFE" "\x3D\xD8\x00\xDE"s, TextEncoding::kUtf16LittleEndian,
                     "\U0001F600"},
        DecodingCase{"mark alone", "\xFF\xFE", TextEncoding::kUtf16LittleEndian, ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    BrokenMarkedText, DecodingTest,
    ::testing::Values(
        DecodingCase{"utf16 odd length", "\xFF\xFE" "a\0b"s, TextEncoding::kUtf16LittleEndian, "a\uFFFD", 1},
        DecodingCase{"utf16 high surrogate alone", "\xFF\xFE" "a\0\n\0\x3D\xD8x\0"s, TextEncoding::kUtf16LittleEndian,
                     "a\n\uFFFDx", 2},
        DecodingCase{"utf16 low surrogate alone", "\xFE\xFF" "\xDE\x00\0y"s, TextEncoding::kUtf16BigEndian, "\uFFFDy",
                     1},
        DecodingCase{"utf16 high surrogate last", "\xFF\xFE" "\x3D\xD8"s, TextEncoding::kUtf16LittleEndian, "\uFFFD", 1},
        DecodingCase{"marked utf8 with a stray byte", "\xEF\xBB\xBF" "a\r\nb\xFF" "c", TextEncoding::kUtf8WithMark,
                     "a\r\nb\uFFFDc", 2},
        DecodingCase{"marked utf8 cut mid-character", "\xEF\xBB\xBF" "a\xE2\x82", TextEncoding::kUtf8WithMark,
                     "a\uFFFD", 1}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Utf8OrAnsi, DecodingTest,
    ::testing::Values(
        DecodingCase{"empty", "", TextEncoding::kUtf8, ""},
        DecodingCase{"ascii", "joke,0,0\r\n", TextEncoding::kUtf8, "joke,0,0\r\n"},
        DecodingCase{"every length of sequence", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
                     TextEncoding::kUtf8, "\u00E9\u20AC\U0001F600\U0010FFFF"},
        DecodingCase{"lone e acute", "caf\xE9", TextEncoding::kAnsi, "caf\u00E9"},
        DecodingCase{"two-byte overlong", "\xC0\xAF", TextEncoding::kAnsi, "\u00C0\u00AF"},
        DecodingCase{"three-byte overlong", "\xE0\x80\xAF", TextEncoding::kAnsi, "\u00E0\u20AC\u00AF"},
        DecodingCase{"encoded surrogate", "\xED\xA0\x80", TextEncoding::kAnsi, "\u00ED\u00A0\u20AC"},
        DecodingCase{"past U+10FFFF", "\xF4\x90\x80\x80", TextEncoding::kAnsi, "\u00F4\u0090\u20AC\u20AC"},
        DecodingCase{"cut mid-character", "caf\xC3", TextEncoding::kAnsi, "caf\u00C3"},
        DecodingCase{"a mark's start is no mark", "\xEF\xBB", TextEncoding::kAnsi, "\u00EF\u00BB"},
        DecodingCase{"code page 1252's high half", "\x80\x85\x93q\x94\x96\x99\x9F\xA0\xFF", TextEncoding::kAnsi,
                     "\u20AC\u2026\u201Cq\u201D\u2013\u2122\u0178\u00A0\u00FF"},
        DecodingCase{"unassigned bytes keep their numbers", "\x81\x8D\x8F\x90\x9D", TextEncoding::kAnsi,
                     "\u0081\u008D\u008F\u0090\u009D"},
        DecodingCase{"utf8 letters then a stray byte", "caf\xC3\xA9\r\nna\xEFve\r\n", TextEncoding::kAnsi,
                     "caf\u00C3\u00A9\r\nna\u00EFve\r\n", 0, 2},
        DecodingCase{"a stray byte then utf8 letters", "a\rb\xE9\nc\xC3\xA9", TextEncoding::kAnsi,
                     "a\rb\u00E9\nc\u00C3\u00A9", 0, 2}),
    CaseName);

TEST(SettingsFileMark, AUtf8MarkBeforeTheFirstWordIsIgnored) {
  TempFolder folder;
  HeadlessMachine machine;
  HeadlessServices services{machine, folder.path()};
  folder.Write("Qorv.ini", "\xEF\xBB\xBFrude\r\nmedicalyes\r\n 12 \r\n");
  SharedState state;
  ReadSettings(state, services);
  EXPECT_EQ(state.JokeStyle, FieldValue("rude"s));
  EXPECT_EQ(state.DelaySeconds, FieldValue(12.0));
}

}  // namespace
