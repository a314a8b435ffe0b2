// The joke-file checker on files made here: each error with the line the saver's reading
// stopped at and its code, each warning on its line, the exit statuses, and the command.
#include "checker/joke_file_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "checker/check_command.h"
#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr const char* kHeader = "\"db\",3,4\r\n";

// The report's finding lines for a file named "f", without the summary line.
std::vector<std::string> Findings(const std::string& bytes) {
  std::istringstream report(FormatReport("f", CheckJokeBytes(bytes)));
  std::vector<std::string> lines;
  for (std::string line; std::getline(report, line);) lines.push_back(line);
  lines.pop_back();
  return lines;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// Expects exactly these finding lines, each starting as given.
void ExpectFindingsStartingWith(const std::string& bytes, const std::vector<std::string>& starts) {
  const std::vector<std::string> lines = Findings(bytes);
  ASSERT_EQ(lines.size(), starts.size()) << FormatReport("f", CheckJokeBytes(bytes));
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_TRUE(StartsWith(lines[i], starts[i])) << lines[i] << "\nexpected: " << starts[i];
  }
}

TEST(CheckJokeBytes, AFileTheSaverLoadsWithoutSurprisesHasStatusZero) {
  const CheckResult result = CheckJokeBytes(std::string(kHeader) + "clean,2,0\r\nOne\r\ntwo\r\n</joke>\r\n" +
                                            "  rude , \" 3 \" ,0\r\nBlanks around fields, a quoted number.\r\n</joke>");
  EXPECT_TRUE(result.findings.empty()) << FormatReport("f", result);
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(FormatReport("f", result), "f: 1 clean, 1 rude, 0 medical; version 3, compatible 4; 0 errors, 0 warnings\n");
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
    const CheckResult result = CheckJokeBytes(each.bytes);
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
                            "clean,0,0\r\nCaf\xC3\xA9 au lait\r\n</joke>\r\n"     // 22: UTF-8
                            "clean,0,0\r\nBell\x07 here\r\n</joke>\r\n"           // 25: a control character
                            "clean,0,0\r\nFirst part\r\n</Joke>\r\nswallowed,0,0\r\n</joke>\r\n"  // 28, 30
                            "medical,0,0\r\nDropped.\r\n</joke>";                // 33: same text as line 2
  const CheckResult result = CheckJokeBytes(bytes);
  EXPECT_EQ(result.status(), 1);
  EXPECT_EQ(result.errors(), 0);
  EXPECT_EQ(result.clean, 4);
  EXPECT_EQ(result.rude, 3);
  EXPECT_EQ(result.medical, 1);
  ExpectFindingsStartingWith(bytes, {
      "f:2: warning: the kind \"Clean\" is not written \"clean\" in lower case: the saver drops this record",
      "f:5: warning: the kind \"clena\" is not clean, rude or medical: the saver drops this record",
      "f:8: warning: blanks or tabs around the kind \"rude \": the saver drops this record",
      "f:11: warning: blanks or tabs make the extra seconds \"\t3\" unreadable",
      "f:14: warning: the extra seconds \"soon\" are not a number",
      "f:17: warning: negative extra seconds -2",
      "f:20: warning: the record has no text",
      "f:23: warning: bytes 0xC3 0xA9 form a UTF-8 character",
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
          "clean,0,0\r\nCaf\xE9 noir\r\n</joke>\r\n"                                  // 17
          "clean,0,0\r\nCafe noir\r\n</joke>\r\n"                                     // 20: other bytes count
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

// ASCII text as an editor saves it in UTF-16, with its byte-order mark.
std::string Utf16(const std::string& text, bool little_endian) {
  std::string bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char c : text) bytes += little_endian ? std::string{c, '\0'} : std::string{'\0', c};
  return bytes;
}

TEST(CheckJokeBytes, HostileFilesGetOneClearFinding) {
  const std::string good = std::string(kHeader) + "clean,0,0\r\nA joke.\r\n</joke>\r\n";
  ExpectFindingsStartingWith(std::string(kHeader) + "Clean,0,0\r\nDropped.\r\n</joke>",
                             {"f: warning: no entries: the saver would show only promotional messages",
                              "f:2: warning: the kind \"Clean\""});
  for (const bool little_endian : {true, false}) {
    EXPECT_EQ(CheckJokeBytes(Utf16(good, little_endian)).status(), 2);
    ExpectFindingsStartingWith(Utf16(good, little_endian),
                               {std::string("f:1: error: the file is UTF-16 ") + (little_endian ? "little" : "big") +
                                "-endian text (it starts with the byte-order mark " +
                                (little_endian ? "0xFF 0xFE" : "0xFE 0xFF") + ")"});
  }
  // A header alone, without a line end, is the one UTF-16 file the saver starts with.
  const std::string header_only = Utf16("\"db\",3,4", true);
  EXPECT_EQ(CheckJokeBytes(header_only).status(), 1);
  ExpectFindingsStartingWith(header_only, {"f:1: warning: the file is UTF-16 little-endian text"});
  EXPECT_NE(Findings(header_only)[0].find("only promotional messages"), std::string::npos);

  const CheckResult utf8 = CheckJokeBytes("\xEF\xBB\xBF" + good);
  EXPECT_EQ(utf8.clean, 1);
  ExpectFindingsStartingWith("\xEF\xBB\xBF" + good,
                             {"f:1: warning: the file is UTF-8 text (it starts with the byte-order mark 0xEF 0xBB 0xBF)"});

  ExpectFindingsStartingWith(std::string(kHeader) + "clean,200,0\r\n" + std::string(1000, 'x') + "\r\n" +
                                 std::string(1001, 'y') + "\r\n</joke>",
                             {"f:4: warning: a text line of 1001 characters: the saver shrinks its type"});
}

TEST(RunCheckCommand, ChecksEachFileOrTheOneBesideTheProgramAndReturnsTheWorstVerdict) {
  TempFolder folder;
  folder.Write("jokes.txt", std::string(kHeader) + "clean,0,0\r\nFine.\r\n</joke>\r\n");
  folder.Write("warned.txt", std::string(kHeader) + "Clean,0,0\r\nDropped.\r\n</joke>\r\n");
  HeadlessPlatform platform("", folder.path());
  std::ostringstream out;
  EXPECT_EQ(RunCheckCommand({}, platform.services, out), 0);
  EXPECT_EQ(out.str(), folder.path() + "\\jokes.txt: 1 clean, 0 rude, 0 medical; version 3, compatible 4; 0 errors, 0 warnings\n");

  out.str("");
  EXPECT_EQ(RunCheckCommand({folder.File("warned.txt")}, platform.services, out), 1);
  out.str("");
  EXPECT_EQ(RunCheckCommand({folder.File("warned.txt"), folder.File("gone.txt"), folder.File("jokes.txt")},
                            platform.services, out),
            2);
  EXPECT_NE(out.str().find(folder.File("gone.txt") + ": error: cannot read the file: File not found (the saver stops with code 53)"),
            std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find(folder.File("jokes.txt") + ": 1 clean"), std::string::npos) << "goes on after a bad file";

  out.str("");
  EXPECT_EQ(RunCheckCommand({folder.path()}, platform.services, out), 2);
  EXPECT_NE(out.str().find(": error: cannot read the file: Permission denied (the saver stops with code 70)"),
            std::string::npos)
      << out.str();
}

}  // namespace
