// The joke-file checker on files made here: each error with the line the saver's reading
// stopped at and its code, each warning on its line, the exit statuses, and the command.
#include "checker/joke_file_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <new>

#include "checker/check_command.h"
#include "platform/posix/checker/standard_streams_output.h"
#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"
#include "ui/failure.h"

namespace {

constexpr const char* kHeader = "\"db\",3,4\r\n";

// The checker as it runs on Linux: code page 1252 and the C library's letter case.
CheckResult Check(const std::string& bytes) {
  HeadlessMachine machine;
  HeadlessServices services(machine, "");
  return CheckJokeBytes(bytes, services);
}

// The report's finding lines for a file named "f", without the summary line.
std::vector<std::string> Findings(const std::string& bytes) {
  std::istringstream report(FormatReport("f", Check(bytes)));
  std::vector<std::string> lines;
  for (std::string line; std::getline(report, line);) lines.push_back(line);
  lines.pop_back();
  return lines;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// Expects exactly these finding lines, each starting as given.
void ExpectFindingsStartingWith(const std::string& bytes, const std::vector<std::string>& starts) {
  const std::vector<std::string> lines = Findings(bytes);
  ASSERT_EQ(lines.size(), starts.size()) << FormatReport("f", Check(bytes));
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_TRUE(StartsWith(lines[i], starts[i])) << lines[i] << "\nexpected: " << starts[i];
  }
}

TEST(CheckJokeBytes, AFileTheSaverLoadsWithoutSurprisesHasStatusZero) {
  const CheckResult result = Check(std::string(kHeader) + "clean,2,0\r\nOne\r\ntwo\r\n</joke>\r\n" +
                                            "  rude , \" 3 \" ,0\r\nBlanks around fields, a quoted number.\r\n</joke>");
  EXPECT_TRUE(result.findings.empty()) << FormatReport("f", result);
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(FormatReport("f", result), "f: 1 clean, 1 rude, 0 medical; version 3, compatible 4; read as UTF-8; 0 errors, 0 warnings\n");
}

TEST(CheckJokeBytes, EachRefusalNamesItsLineAndTheSaversCode) {
  const std::string record = "clean,0,0\r\nA joke.\r\n</joke>\r\n";
  struct {
    std::string bytes;
    std::string expected_start;
  } cases[] = {
      {"", "f:1: error: the file ends before the header's three fields"},
      {"\"db\",3\r\n", "f:2: error: the file ends before the header's three fields"},
      {kHeader + record + "\r\n", "f:5: error: nothing may follow the last \"</joke>\" line, not even a blank line"},
      {kHeader + record + "rude,1\r\n", "f:5: error: the file ends inside a record's fields"},
      {kHeader + record + "rude,0,0\r\nNo end\r\n</JOKE>\r\n",
       "f:5: error: this record has no \"</joke>\" line: the file ends at line 7"},
      {kHeader + std::string("clean,0,0\r\nNo end"), "f:2: error: this record has no \"</joke>\" line: the file ends at line 3"},
  };
  for (const auto& each : cases) {
    const CheckResult result = Check(each.bytes);
    EXPECT_EQ(result.status(), 2) << each.bytes;
    EXPECT_EQ(result.errors(), 1) << each.bytes;
    const std::vector<std::string> lines = Findings(each.bytes);
    const auto error = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.find(": error: ") != std::string::npos; });
    ASSERT_NE(error, lines.end()) << each.bytes;
    EXPECT_TRUE(StartsWith(*error, each.expected_start)) << *error;
    EXPECT_NE(error->find("code 62"), std::string::npos) << *error;
  }
}

TEST(CheckJokeBytes, A501stEntryIsRefusedAtTheRecordThatWouldHoldIt) {
  std::string bytes = kHeader;
  for (int i = 1; i <= 501; ++i) bytes += "medical,0,0\r\nTerm " + std::to_string(i) + "\r\n</joke>\r\n";
  const std::vector<std::string> lines = Findings(bytes);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(StartsWith(lines[0], "f:1502: error: a 501st medical entry: at most 500 of each kind")) << lines[0];
  EXPECT_NE(lines[0].find("code 9"), std::string::npos);
}

TEST(CheckJokeBytes, WarningsForWhatTheSaverAcceptsButAPersonRarelyMeans) {
  const std::string bytes = std::string(kHeader) +
                            "Clean,0,0\r\nDropped.\r\n</joke>\r\n"               // 2: capitals
                            "clena,0,0\r\nDropped too.\r\n</joke>\r\n"           // 5: a typo
                            "\"rude \",0,0\r\nDropped as well.\r\n</joke>\r\n"   // 8: a blank inside quotes
                            "rude,\t3,0\r\nTab before the number.\r\n</joke>\r\n"  // 11: extra unreadable
                            "rude,soon,0\r\nNot a number.\r\n</joke>\r\n"        // 14
                            "rude,-2,0\r\nNegative.\r\n</joke>\r\n"              // 17
                            "clean,0,0\r\n</joke>\r\n"                           // 20: empty text
                            "clean,0,0\r\nCaf\xC3\xA9 au lait\r\n</joke>\r\n"     // 22: UTF-8, fine
                            "clean,0,0\r\nBell\x07 here\r\n</joke>\r\n"           // 25: a control character
                            "clean,0,0\r\nFirst part\r\n</Joke>\r\nswallowed,0,0\r\n</joke>\r\n"  // 28, 30
                            "medical,0,0\r\nDropped.\r\n</joke>";                // 33: same text as line 2
  const CheckResult result = Check(bytes);
  EXPECT_EQ(result.status(), 1);
  EXPECT_EQ(result.errors(), 0);
  EXPECT_EQ(result.clean, 4);
  EXPECT_EQ(result.rude, 3);
  EXPECT_EQ(result.medical, 1);
  ExpectFindingsStartingWith(bytes, {
      "f:2: warning: the kind \"Clean\" is not written \"clean\" in lower case: the saver drops this record",
      "f:5: warning: the kind \"clena\" is not clean, rude or medical: the saver drops this record",
      "f:8: warning: blanks or tabs around the kind \"rude \": the saver drops this record",
      "f:11: warning: blanks or tabs make the extra seconds \"\\x093\" unreadable",
      "f:14: warning: the extra seconds \"soon\" are not a number",
      "f:17: warning: negative extra seconds -2",
      "f:20: warning: the record has no text",
      "f:26: warning: control character 0x07 in the text",
      "f:30: warning: \"</Joke>\" is not exactly \"</joke>\"",
      "f:33: warning: the same text as the record on line 2",
  });
}

TEST(CheckJokeBytes, AnEntryGettingLessThanItsReadingTimeAtFifteenCharactersASecond) {
  const std::string a105(105, 'a');  // 7 seconds exactly: the default delay is enough
  const std::string a100(100, 'a');
  ExpectFindingsStartingWith(
      std::string(kHeader) +
          "clean,0,0\r\n" + a105 + "\r\n</joke>\r\n"                                      // 2: fine
          "clean,0,0\r\n" + a100 + "\r\nbbbbb\r\n</joke>\r\n"                            // 5: 106 with the break
          "rude,,0\r\n" + a100 + "\r\n\r\nbbbb\r\n</joke>\r\n"                          // 9: an empty line counts 1
          "rude,1,0\r\n" + a100 + "\r\nccccc\r\n</joke>\r\n"                             // 14: 8 seconds, gets 8
          "medical,0.5,0\r\n" + std::string(106, 'c') + "\r\n</joke>\r\n"                 // 18: gets 7.5
          "medical,\"2\",0\r\n" + std::string(151, 'd') + "\r\n</joke>\r\n"              // 21: 11 seconds
          "clean,soon,0\r\n" + std::string(200, 'e') + "\r\n</joke>\r\n"                   // 24: unreadable
          "clean,-1,0\r\n" + std::string(200, 'f') + "\r\n</joke>\r\n"                     // 27: negative
          "Clean,0,0\r\n" + std::string(200, 'g') + "\r\n</joke>",                           // 30: dropped
      {
          "f:5: warning: the text needs 8 seconds to read (106 characters at 15 characters a second) but gets 7 "
          "(the default delay of 7 plus 0 extra): give it 1 extra second",
          "f:9: warning: the text needs 8 seconds to read (106 characters",
          "f:18: warning: the text needs 8 seconds to read (106 characters at 15 characters a second) but gets 7.5 "
          "(the default delay of 7 plus 0.5 extra): give it 1 extra second",
          "f:21: warning: the text needs 11 seconds to read (151 characters at 15 characters a second) but gets 9 "
          "(the default delay of 7 plus 2 extra): give it 4 extra seconds",
          "f:24: warning: the extra seconds \"soon\" are not a number",
          "f:27: warning: negative extra seconds -1",
          "f:30: warning: the kind \"Clean\" is not written \"clean\" in lower case",
      });
}

TEST(CheckJokeBytes, APunchlineTwiceWithCapitalsBlanksAndPunctuationAsideAcrossKinds) {
  ExpectFindingsStartingWith(
      std::string(kHeader) +
          "clean,0,0\r\nWhy?\r\nThey keep offering their seat.\r\n</joke>\r\n"   // 2
          "Rude,0,0\r\nDropped.\r\nSeat 9!\r\n</joke>\r\n"                         // 6: never shown
          "rude,0,0\r\nAnother setup\r\n  they KEEP offering-their seat\r\n</joke>\r\n"  // 10: same as 2
          "medical,0,0\r\nSeat 9\r\n</joke>\r\n"                                     // 14: the dropped one does not count
          "clean,0,0\r\nCaf\xC3\xA9 noir\r\n</joke>\r\n"                              // 17
          "clean,0,0\r\nCafe noir\r\n</joke>\r\n"                                     // 20: other letters count
          "clean,0,0\r\nOne\r\n...\r\n</joke>\r\n"                                   // 23
          "clean,0,0\r\nTwo\r\n!!!\r\n</joke>\r\n"                                   // 27: nothing to compare
          "medical,0,0\r\nWhy?\r\nThey keep offering their seat.\r\n</joke>",      // 31: same text as 2
      {
          "f:6: warning: the kind \"Rude\" is not written \"rude\"",
          "f:10: warning: the punchline \"  they KEEP offering-their seat\" is that of the entry on line 2 "
          "(capitals, blanks and punctuation aside)",
          "f:31: warning: the same text as the record on line 2",
      });
}

// Text as an editor saves it in UTF-16, with its byte-order mark or without.
std::string Utf16(const std::u16string& text, bool little_endian, bool mark = true) {
  std::string bytes = !mark ? "" : little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += little_endian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

TEST(CheckJokeBytes, EveryEncodingAnEditorSavesReadsCleanAndTheSummaryNamesIt) {
  const std::u16string french = u"\"Blagues\",1,1\r\nclean,0,0\r\nUn caf\u00E9 cr\u00E8me, na\u00EFvement.\r\n</joke>";
  const std::string utf8 = "\"Blagues\",1,1\r\nclean,0,0\r\nUn caf\xC3\xA9 cr\xC3\xA8me, na\xC3\xAFvement.\r\n</joke>";
  const std::string ansi = "\"Blagues\",1,1\r\nclean,0,0\r\nUn caf\xE9 cr\xE8me, na\xEFvement.\r\n</joke>";
  const std::string russian = "\"db\",1,1\r\nrude,0,0\r\n\xD0\x97\xD0\xBE\xD1\x80\xD0\xB1\xD0\xB5\xD0\xBB\xD1\x8C!\r\n</joke>";
  const struct {
    std::string bytes;
    std::string read_as;
  } files[] = {
      {utf8, "read as UTF-8;"},
      {"\xEF\xBB\xBF" + utf8, "read as UTF-8 with a byte-order mark;"},
      {Utf16(french, true), "read as UTF-16 little-endian;"},
      {Utf16(french, false), "read as UTF-16 big-endian;"},
      {ansi, "read as ANSI (code page 1252);"},
      {russian, "read as UTF-8;"},
  };
  for (const auto& file : files) {
    const CheckResult result = Check(file.bytes);
    const std::string report = FormatReport("f", result);
    EXPECT_EQ(result.status(), 0) << report;
    EXPECT_EQ(result.clean + result.rude, 1) << report;
    EXPECT_NE(report.find(file.read_as), std::string::npos) << report;
  }
}

TEST(CheckJokeBytes, BytesThatBreakTheirEncodingGetOneWarningWhereTheyFirstStand) {
  // A UTF-8 file with one letter typed in another code page: the saver reads it all as ANSI.
  ExpectFindingsStartingWith(std::string(kHeader) + "clean,0,0\r\nCaf\xC3\xA9\r\n</joke>\r\nclean,0,0\r\nNa\xEFve\r\n"
                                                    "</joke>\r\nclean,0,0\r\nD\xE9j\xE0\r\n</joke>",
                             {"f:6: warning: bytes on this line are not UTF-8, though the file's other letters beyond "
                              "ASCII are: the saver reads the whole file as ANSI (code page 1252)"});
  // An ANSI file without UTF-8 letters is what it says it is.
  EXPECT_TRUE(Findings(std::string(kHeader) + "clean,0,0\r\nNa\xEFve d\xE9j\xE0\r\n</joke>").empty());
  ExpectFindingsStartingWith(Utf16(u"\"db\",3,4\r\nclean,0,0\r\nA\r\n\xD800!\r\n</joke>", true),
                             {"f:4: warning: bytes on this line are not UTF-16 little-endian text, as the file's "
                              "byte-order mark says: the saver shows \"\uFFFD\""});
  ExpectFindingsStartingWith("\xEF\xBB\xBF" + std::string(kHeader) + "clean,0,0\r\nA\xFF\r\n</joke>",
                             {"f:3: warning: bytes on this line are not UTF-8 text, as the file's"});
}

TEST(CheckJokeBytes, ReadingTimeAndLineLengthCountCharactersAsAReaderSeesThem) {
  std::string cyrillic, accented, wide;
  for (int i = 0; i < 106; ++i) cyrillic += "\xD0\xB6";   // two bytes, one letter
  for (int i = 0; i < 106; ++i) accented += "e\xCC\x81";  // a letter and a combining acute
  for (int i = 0; i < 53; ++i) wide += "\xE7\xAC\x91";    // one letter, as wide as two
  const std::string text = std::string(kHeader) + "clean,0,0\r\n" + cyrillic + "\r\n</joke>\r\nclean,0,0\r\n" + accented +
                           "\r\n</joke>\r\nclean,0,0\r\n" + wide + "\r\n</joke>\r\nclean,0,0\r\n" + cyrillic + cyrillic +
                           std::string(888, 'x') + "\r\n</joke>";
  ExpectFindingsStartingWith(text, {
      "f:2: warning: the text needs 8 seconds to read (106 characters",
      "f:5: warning: the text needs 8 seconds to read (106 characters",
      "f:8: warning: the text needs 8 seconds to read (106 characters",
      "f:11: warning: the text needs 74 seconds",
      "f:12: warning: a text line of 1100 characters",
  });
}

TEST(CheckJokeBytes, AdviceNeverGoesBeyondWhatTheSaversTimerHolds) {
  const std::string a1000(1000, 'a');
  const std::string b750(750, 'b');
  const std::vector<std::string> lines = Findings(std::string(kHeader) + "clean,0,0\r\n" + a1000 + "\r\n" + a1000 +
                                                  "\r\n</joke>\r\nrude,100,0\r\n" + b750 + "\r\n" + b750 + "\r\n</joke>");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "f:2: warning: the text needs 134 seconds to read (2001 characters at 15 characters a second) but "
                      "gets 7 (the default delay of 7 plus 0 extra): the saver's timer holds at most 58 extra seconds, "
                      "so shorten it to 975 characters and give it those");
  EXPECT_TRUE(StartsWith(lines[1], "f:6: warning: the text needs 101 seconds to read (1501 characters at 15 characters "
                                   "a second) but gets 65.535 (the default delay of 7 plus 100 extra, as far as the "
                                   "saver's timer reaches): the saver's timer holds at most 58"))
      << lines[1];
}

TEST(CheckJokeBytes, PunchlinesMeetWhateverTheirCapitalsInLatinGreekAndCyrillic) {
  ExpectFindingsStartingWith(std::string(kHeader) +
                                 "clean,0,0\r\n\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x9F\xCE\xA3 \xC3\x89T\xC3\x89\r\n</joke>\r\n"
                                 "clean,0,0\r\n\xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x82, \xC3\xA9t\xC3\xA9!\r\n</joke>\r\n"
                                 "clean,0,0\r\n\xD0\x97\xD0\x9E\xD0\xA0\xD0\x91\xD0\x95\xD0\x9B\xD0\xAC\r\n</joke>\r\n"
                                 "clean,0,0\r\n\xE2\x80\x9C\xD0\xB7\xD0\xBE\xD1\x80\xD0\xB1\xD0\xB5\xD0\xBB\xD1\x8C\xE2\x80\x9D\r\n</joke>\r\n"
                                 "clean,0,0\r\n\xD0\xB7\xD0\xBE\xD1\x80\xD0\xB1\xD0\xB0\r\n</joke>",
                             {"f:5: warning: the punchline \"\xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x82, \xC3\xA9t\xC3\xA9!\" "
                              "is that of the entry on line 2",
                              "f:11: warning: the punchline \"\xE2\x80\x9C\xD0\xB7\xD0\xBE\xD1\x80\xD0\xB1\xD0\xB5\xD0\xBB\xD1\x8C\xE2\x80\x9D\" "
                              "is that of the entry on line 8"});
}

// True when the text holds a byte a terminal acts on rather than shows, line ends aside.
bool HoldsControlBytes(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && byte != '\n') || byte == 0x7F;
  });
}

TEST(CheckJokeBytes, WhatTheFileSaysIsShownEscapedAndCutShort) {
  const std::string hostile = "\"\x1B]0;owned\x07\",\"\xE2\x80\xAE" "3\",\x1B[2J\r\n"
                              "\x1B[31mclean,\x1B[1m,0\r\nA\r\n\x1B[0m</joke>\r\n</joke>\r\n"
                              "\xCE\xB1" + std::string(500, 'k') + ",0,0\r\nB\r\n</joke>";
  const std::string report = FormatReport("dir/\x1B[5mf\xFF.txt", Check(hostile));
  EXPECT_FALSE(HoldsControlBytes(report)) << report;
  for (const std::string shown : {"version \"\\u202e3\"", "compatible \"\\x1b[2J\"",
                                  "the kind \"\\x1b[31mclean\"", "the extra seconds \"\\x1b[1m\"",
                                  "f\\xff.txt:4: warning: control character 0x1B", "dir/\\x1b[5mf\\xff.txt:2: warning",
                                  "the kind \"\xCE\xB1kkkk"}) {
    EXPECT_NE(report.find(shown), std::string::npos) << shown << "\n" << report;
  }
  EXPECT_NE(report.find(std::string(79, 'k') + "...\""), std::string::npos) << report;
  EXPECT_EQ(report.find(std::string(80, 'k')), std::string::npos) << report;

  // A letter mark and a tag character would make the kind read "clean" in the warning that
  // says it is not.
  const std::string marked = FormatReport("f", Check(std::string(kHeader) + "cle\u061Can\U000E0041,0,0\r\nx\r\n</joke>"));
  EXPECT_NE(marked.find("the kind \"cle\\u061can\\U000e0041\" is not clean"), std::string::npos) << marked;
}

TEST(CheckJokeBytes, FilesThatAreNotTextGetOneFinding) {
  const std::u16string good = u"\"db\",3,4\r\nclean,0,0\r\nA joke.\r\n</joke>\r\n";
  for (const bool little_endian : {true, false}) {
    const CheckResult result = Check(Utf16(good, little_endian, false));
    EXPECT_EQ(result.status(), 2);
    ExpectFindingsStartingWith(Utf16(good, little_endian, false),
                               {std::string("f:1: error: the file looks like UTF-16 ") +
                                (little_endian ? "little" : "big") + "-endian text saved without its byte-order mark"});
  }
  // Cyrillic saved so: the zero bytes of its blanks and punctuation give it away.
  const std::string cyrillic = Utf16(u"\"\u0411\u0430\u0437\u0430 \u0434\u0430\u043D\u043D\u044B\u0445\",3,4", true, false);
  ExpectFindingsStartingWith(cyrillic, {"f:1: warning: the file looks like UTF-16 little-endian text"});
  EXPECT_NE(Findings(cyrillic)[0].find("only promotional messages"), std::string::npos);

  std::string binary;
  for (unsigned i = 0; i < 20000; ++i) binary += static_cast<char>((i * 2654435761u) >> 13);
  const std::string report = FormatReport("f", Check(std::string(kHeader) + "clean,0,0\r\n" + binary));
  EXPECT_FALSE(HoldsControlBytes(report)) << report;
  ASSERT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;
  EXPECT_NE(report.find("zero bytes, the first on this line: it is not a text file"), std::string::npos) << report;

  ExpectFindingsStartingWith(std::string(kHeader) + "Clean,0,0\r\nDropped.\r\n</joke>",
                             {"f: warning: no entries: the saver would show only promotional messages",
                              "f:2: warning: the kind \"Clean\""});
}

// Warnings beyond the first few hundred of a kind are counted, not shown: a file of thousands
// of faulty records gives a report of a few hundred lines and the same verdict.
TEST(CheckJokeBytes, PastTheFirstFindingsOfAKindTheRestAreCounted) {
  std::string bytes = kHeader;
  for (int i = 0; i < 1000; ++i) bytes += ",,\r\n\r\n</joke>\r\n";  // a kind that is none, and no text
  bytes += "clean,0,0\r\nKept.\r\n</joke>";
  const CheckResult result = Check(bytes);
  EXPECT_EQ(result.status(), 1);
  EXPECT_EQ(result.warnings(), 2000);
  EXPECT_EQ(result.findings.size(), 2u * kShownOfAKind);
  const std::vector<std::string> lines = Findings(bytes);
  EXPECT_TRUE(StartsWith(lines[2 * kShownOfAKind - 1], "f:" + std::to_string(2 + 3 * (kShownOfAKind - 1)) + ": warning: the record has no text"))
      << lines[2 * kShownOfAKind - 1];
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
            (std::vector<std::string>{
                "f: note: 800 more warnings about records the saver drops for their kind, the last on line 2999, not shown",
                "f: note: 800 more warnings about records without text, the last on line 2999, not shown"}));
  EXPECT_EQ(FormatReport("f", result).substr(FormatReport("f", result).rfind("f: 1 clean")),
            "f: 1 clean, 0 rude, 0 medical; version 3, compatible 4; read as UTF-8; 0 errors, 2000 warnings\n");
  // The error that stops the reading is never left out.
  const CheckResult refused = Check(bytes + "\r\n\r\n");
  EXPECT_EQ(refused.errors(), 1);
  EXPECT_TRUE(refused.findings.back().error);
}

// The checker's command on a headless home: the jokes.txt beside the program when no file is
// named; the report on one stream, the command's own trouble on the other.
struct CheckCommand {
  explicit CheckCommand(Services& services) : services(services) {}

  int Run(const std::vector<std::string>& arguments) {
    output = {};
    return RunCheckCommand(arguments, kHome, services, output);
  }

  static inline const CheckerHome kHome{"zorbel-check", "4beta1", "the jokes.txt beside it", "Read more."};
  Services& services;
  CheckerText output;
};

TEST(RunCheckCommand, ChecksEachFileOrTheOneBesideTheProgramAndReturnsTheWorstVerdict) {
  TempFolder folder;
  folder.Write("jokes.txt", std::string(kHeader) + "clean,0,0\r\nFine.\r\n</joke>\r\n");
  folder.Write("warned.txt", std::string(kHeader) + "Clean,0,0\r\nDropped.\r\n</joke>\r\n");
  HeadlessPlatform platform("", folder.path());
  CheckCommand command(platform.services);
  EXPECT_EQ(command.Run({}), 0);
  EXPECT_EQ(command.output.report, folder.path() + "\\jokes.txt: 1 clean, 0 rude, 0 medical; version 3, compatible 4; read as UTF-8; "
                                    "0 errors, 0 warnings\n");

  EXPECT_EQ(command.Run({folder.File("warned.txt")}), 1);
  EXPECT_EQ(command.Run({folder.File("warned.txt"), folder.File("gone.txt"), folder.File("jokes.txt")}), 2);
  EXPECT_NE(command.output.report.find(folder.File("gone.txt") + ": error: cannot read the file: File not found (the saver stops with code 53)"),
            std::string::npos)
      << command.output.report;
  EXPECT_NE(command.output.report.find(folder.File("jokes.txt") + ": 1 clean"), std::string::npos) << "goes on after a bad file";

  EXPECT_EQ(command.Run({folder.path()}), 2);
  EXPECT_NE(command.output.report.find(": error: cannot read the file: Permission denied (the saver stops with code 70)"),
            std::string::npos)
      << command.output.report;
  EXPECT_EQ(command.output.trouble, "");
}

TEST(RunCheckCommand, HelpVersionAndTheEndOfOptionsAreTheSameOnEveryHome) {
  TempFolder folder;
  folder.Write("-dash.txt", std::string(kHeader) + "clean,0,0\r\nFine.\r\n</joke>\r\n");
  HeadlessPlatform platform("", folder.path());
  CheckCommand command(platform.services);
  for (const char* help : {"--help", "-h", "/?"}) {
    EXPECT_EQ(command.Run({"jokes.txt", help}), 0) << help;
    EXPECT_EQ(command.output.report, CheckerUsage(CheckCommand::kHome)) << help;
  }
  EXPECT_TRUE(StartsWith(command.output.report, "Usage: zorbel-check [FILE]...\n")) << command.output.report;
  EXPECT_NE(command.output.report.find("Named no file, it checks the jokes.txt beside it.\n"), std::string::npos);
  EXPECT_NE(command.output.report.find("4 the checker ran out of\nmemory. Read more.\n"), std::string::npos);
  EXPECT_EQ(command.Run({"--version"}), 0);
  EXPECT_EQ(command.output.report, "zorbel-check 4beta1\n");

  EXPECT_EQ(command.Run({"--", folder.File("-dash.txt")}), 0);
  EXPECT_NE(command.output.report.find("-dash.txt: 1 clean"), std::string::npos) << command.output.report;
  EXPECT_EQ(command.Run({"--", "--help"}), 2) << "a file named --help";
  EXPECT_NE(command.output.report.find("--help: error: cannot read the file"), std::string::npos) << command.output.report;

  EXPECT_EQ(command.Run({"-\x1B[2J", folder.File("-dash.txt")}), kUnknownOption);
  EXPECT_EQ(command.output.report, "");
  EXPECT_EQ(command.output.trouble, "zorbel-check: unknown option \"-\\x1b[2J\"; zorbel-check --help lists the options\n");
}

TEST(RunCheckCommand, AReportThatCannotBeWrittenEndsWithItsOwnStatus) {
  TempFolder folder;
  folder.Write("jokes.txt", std::string(kHeader) + "clean,0,0\r\nFine.\r\n</joke>\r\n");
  HeadlessPlatform platform("", folder.path());
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--help"}, {"--version"}}) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    StandardStreamsOutput output(full, stderr);
    EXPECT_EQ(RunCheckCommand(arguments, CheckCommand::kHome, platform.services, output), kReportNotWritten);
    std::fclose(full);
  }
}

// Services that run out of memory where the checker's work needs it: in comparing punchlines,
// or as the system reads the file.
class ServicesOutOfMemory : public HeadlessServices {
 public:
  using HeadlessServices::HeadlessServices;
  std::string FoldCase(std::string_view utf8) override {
    if (utf8 == "Last.") throw std::bad_alloc();
    return HeadlessServices::FoldCase(utf8);
  }
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override {
    if (path.ends_with("huge.txt")) throw MakeFailure(failure_code::kOutOfMemory);
    return HeadlessServices::ReadFileBytes(path, max_bytes, bound);
  }
};

TEST(RunCheckCommand, OutOfMemoryIsOneLineAndAStatusOfItsOwnNotAVerdict) {
  TempFolder folder;
  folder.Write("fine.txt", std::string(kHeader) + "clean,0,0\r\nFine.\r\n</joke>\r\n");
  folder.Write("last.txt", std::string(kHeader) + "clean,0,0\r\nLast.\r\n</joke>\r\n");
  folder.Write("huge.txt", std::string(kHeader));
  HeadlessMachine machine;
  ServicesOutOfMemory services(machine, folder.path());
  CheckCommand command(services);
  EXPECT_EQ(command.Run({folder.File("fine.txt"), folder.File("last.txt"), folder.File("fine.txt")}), kOutOfMemory);
  EXPECT_EQ(command.output.report, folder.File("fine.txt") + ": 1 clean, 0 rude, 0 medical; version 3, compatible 4; "
                                    "read as UTF-8; 0 errors, 0 warnings\n");
  EXPECT_EQ(command.output.trouble, "zorbel-check: out of memory while checking " + folder.File("last.txt") + ": no verdict on it\n");
  EXPECT_EQ(command.Run({folder.File("huge.txt")}), kOutOfMemory) << "not a file the saver would refuse";
  EXPECT_EQ(command.output.report, "");
}

}  // namespace
