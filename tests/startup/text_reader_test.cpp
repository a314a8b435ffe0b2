// The field and line rule shared by the settings file and the joke database.
#include "startup/text_reader.h"

#include <gtest/gtest.h>

#include "tests/support/failure_matchers.h"
#include "tests/support/text_field.h"

namespace {

TEST(ReadField, YieldsEmptyNumberOrTextAfterTheirForms) {
  TextReader reader("  clean  ,12, 7.5 ,-3e2,,\"12\",12abc,\"\"\r\n");
  EXPECT_EQ(reader.ReadField(), Text("clean"));
  EXPECT_EQ(reader.ReadField(), FieldValue(12.0));
  EXPECT_EQ(reader.ReadField(), FieldValue(7.5));
  EXPECT_EQ(reader.ReadField(), FieldValue(-300.0));
  EXPECT_EQ(reader.ReadField(), FieldValue());
  EXPECT_EQ(reader.ReadField(), Text("12")) << "a quoted number stays a text";
  EXPECT_EQ(reader.ReadField(), Text("12abc"));
  EXPECT_EQ(reader.ReadField(), FieldValue());
  EXPECT_TRUE(reader.AtEnd());
  TextReader quoted("\" a, b \" ignored,next\r\n");
  EXPECT_EQ(quoted.ReadField(), Text(" a, b ")) << "quotes keep blanks and commas; the rest of the field is skipped";
  EXPECT_EQ(quoted.ReadField(), Text("next"));
}

TEST(ReadField, EveryKindOfLineEndEndsAField) {
  for (const char* bytes : {"rude\r\nmedicalyes\r\n 9 \r\n", "rude\nmedicalyes\n 9 \n",
                            "rude\rmedicalyes\r 9 \r", "rude,medicalyes\n 9 "}) {
    TextReader reader(bytes);
    EXPECT_EQ(reader.ReadField(), Text("rude")) << bytes;
    EXPECT_EQ(reader.ReadField(), Text("medicalyes")) << bytes;
    EXPECT_EQ(reader.ReadField(), FieldValue(9.0)) << bytes;
    EXPECT_TRUE(reader.AtEnd()) << bytes;
  }
}

TEST(ReadField, ABlankLineIsAnEmptyFieldAndTheEndIsFailure62) {
  TextReader reader("\r\n");
  EXPECT_EQ(reader.ReadField(), FieldValue());
  EXPECT_EQ(FailureCodeOf([&] { reader.ReadField(); }), 62);
  EXPECT_EQ(FailureCodeOf([] { TextReader("").ReadField(); }), 62);
}

TEST(ReadLine, KeepsTheWholeLineEmptyOnesTooAndFailsAtTheEnd) {
  TextReader reader("  a, \"b\" , c \r\n\nlast");
  EXPECT_EQ(reader.ReadLine(), "  a, \"b\" , c ");
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "last");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(FailureCodeOf([&] { reader.ReadLine(); }), 62);
}

TEST(TextReaderLineNumber, CountsEachKindOfLineEndOnceAndQuotedLinesToo) {
  TextReader reader("a\r\nb\nc\rd,\"x\r\ny\"\r\ne");
  EXPECT_EQ(reader.line_number(), 1u);
  reader.ReadLine();
  EXPECT_EQ(reader.line_number(), 2u) << "CR LF is one line end";
  reader.ReadLine();
  reader.ReadLine();
  EXPECT_EQ(reader.line_number(), 4u) << "a lone LF and a lone CR end a line each";
  reader.ReadField();
  reader.ReadField();
  EXPECT_EQ(reader.line_number(), 6u) << "a line end inside quotes counts";
  reader.ReadLine();
  EXPECT_EQ(reader.line_number(), 6u) << "the last line has no end";
}

// Counts go on past what 32 bits hold, over every kind of line end and inside quotes.
TEST(TextReaderLineNumber, CountsPastTheLargest32BitNumber) {
  constexpr LineNumber kLargest32Bit = 4'294'967'295u;
  TextReader reader("a\nb\r\nc\r\"x\ny\",d", kLargest32Bit);
  EXPECT_EQ(reader.line_number(), 4'294'967'295u);
  reader.ReadLine();
  reader.ReadLine();
  reader.ReadLine();
  EXPECT_EQ(reader.line_number(), 4'294'967'298u);
  reader.ReadField();
  EXPECT_EQ(reader.line_number(), 4'294'967'299u);
}

}  // namespace
