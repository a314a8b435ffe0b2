// The joke database readers: records, texts, categories and every failure from real files.
#include "startup/joke_database.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>

#include "platform/headless/headless_services.h"
#include "tests/support/failure_matchers.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace std::string_literals;

constexpr const char* kHeader = "\"Test database\",3,4\r\n";

std::string Record(const std::string& kind, const std::string& text, const std::string& extra = "0") {
  return kind + "," + extra + ",0\r\n" + text + "\r\n</joke>\r\n";
}

class JokeDatabaseTest : public ::testing::Test {
 protected:
  int Load(const std::string& bytes) {
    folder.Write("jokes.txt", bytes);
    return LoadFromFolder();
  }
  int LoadFromFolder() {
    ResetEntryLists(state);
    return FailureCodeOf([&] { LoadJokeDatabase(state, services); });
  }

  TempFolder folder;
  HeadlessMachine machine;
  HeadlessServices services{machine, folder.path()};
  SharedState state;
};

TEST_F(JokeDatabaseTest, HeaderOnlyGivesEmptyListsWithSlotZero) {
  ASSERT_EQ(Load(kHeader), 0);
  EXPECT_EQ(state.JokesVersion, FieldValue(3.0));
  EXPECT_EQ(state.JokesCompatible, FieldValue(4.0));
  EXPECT_EQ(state.clean.count + state.rude.count + state.medical.count, 0);
  for (const auto* list : {&state.clean.texts, &state.rude.texts, &state.medical.texts}) {
    EXPECT_EQ(*list, std::vector<std::string>{""});
  }
  EXPECT_EQ(state.medical.extra_seconds.size(), 1u);
}

TEST_F(JokeDatabaseTest, EntriesFillSlotsFromOneInFileOrderWithTheirExtraSeconds) {
  ASSERT_EQ(Load(std::string(kHeader) + Record("rude", "r1") + Record("clean", "c1", "5") +
                 Record("medical", "m1") + Record("clean", "c2", "") + "rude\r\n 2 \r\nx\r\nr2\r\n</joke>"),
            0);
  EXPECT_EQ(state.clean.texts, (std::vector<std::string>{"", "c1", "c2"}));
  EXPECT_EQ(state.clean.extra_seconds, (std::vector<FieldValue>{{}, 5.0, {}}));
  EXPECT_EQ(state.rude.texts, (std::vector<std::string>{"", "r1", "r2"}));
  EXPECT_EQ(state.rude.extra_seconds[2], FieldValue(2.0));
  EXPECT_EQ(state.medical.texts, (std::vector<std::string>{"", "m1"}));
  EXPECT_EQ(state.medical.count, 1);
}

TEST_F(JokeDatabaseTest, TextsJoinLinesWithCrLfAfterDroppingLeadingEmptyLines) {
  ASSERT_EQ(Load(std::string(kHeader) + "clean,0,0\r\n\r\n\r\nQ, \"quoted\"\r\n\r\nA \r\n</joke>\r\n" +
                 "clean,0,0\r\n</joke>\r\n"),
            0);
  EXPECT_EQ(state.clean.texts[1], "Q, \"quoted\"\r\n\r\nA ");
  EXPECT_EQ(state.clean.texts[2], "");
  EXPECT_EQ(state.clean.count, 2);
}

TEST_F(JokeDatabaseTest, OnlyAnExactTerminatorEndsARecordAndOtherKindsAreDropped) {
  ASSERT_EQ(Load(std::string(kHeader) + "clean,0,0\r\nfirst\r\n</joke> \r\n</JOKE>\r\n" +
                 Record("rude", "swallowed") + Record("Clean", "dropped") + Record("7", "dropped") +
                 Record("", "dropped") + Record("medical", "kept")),
            0);
  EXPECT_EQ(state.clean.texts[1], "first\r\n</joke> \r\n</JOKE>\r\nrude,0,0\r\nswallowed");
  EXPECT_EQ(state.rude.count, 0);
  EXPECT_EQ(state.clean.count, 1);
  EXPECT_EQ(state.medical.texts, (std::vector<std::string>{"", "kept"}));
}

TEST_F(JokeDatabaseTest, UnixAndOldMacLineEndsReadLikeCrLf) {
  const std::string crlf = std::string(kHeader) + Record("clean", "a\r\nb") + Record("rude", "c");
  for (const char* line_end : {"\n", "\r"}) {
    ASSERT_EQ(Load(std::regex_replace(crlf, std::regex("\r\n"), line_end)), 0) << line_end;
    EXPECT_EQ(state.clean.texts[1], "a\r\nb");
    EXPECT_EQ(state.rude.texts[1], "c");
  }
}

TEST_F(JokeDatabaseTest, FiveHundredPerCategoryLoadAndA501stIsFailure9) {
  std::string bytes = kHeader;
  for (int i = 0; i < 500; ++i) {
    bytes += Record("clean", std::string("c").append(std::to_string(i))) + Record("rude", "r") + Record("medical", "m");
  }
  ASSERT_EQ(Load(bytes), 0);
  EXPECT_EQ(state.clean.count, 500);
  EXPECT_EQ(state.clean.texts[500], "c499");
  EXPECT_EQ(state.medical.texts.size(), 501u);
  EXPECT_EQ(Load(bytes + Record("rude", "one too many")), 9);
}

TEST_F(JokeDatabaseTest, ACutOrOverlongFileIsFailure62) {
  const std::string whole = std::string(kHeader) + Record("clean", "joke");
  EXPECT_EQ(Load(""), 62);
  EXPECT_EQ(Load("\"Test\",3\r\n"), 62);
  EXPECT_EQ(Load(std::string(kHeader) + "clean,0\r\n"), 62);
  EXPECT_EQ(Load(std::string(kHeader) + "clean,0,0\r\n"), 62);
  EXPECT_EQ(Load(std::string(kHeader) + "clean,0,0\r\njoke\r\n"), 62);
  EXPECT_EQ(Load(whole + "\r\n"), 62);
  EXPECT_EQ(Load(whole + "trailing words\r\n"), 62);
  EXPECT_EQ(Load(whole.substr(0, whole.size() - 2)), 0) << "no line end after the last terminator";
}

TEST_F(JokeDatabaseTest, FileSystemAnswersBecomeTheirCodes) {
  EXPECT_EQ(LoadFromFolder(), 53);

  HeadlessServices no_folder{machine, folder.File("missing")};
  EXPECT_EQ(FailureCodeOf([&] { ReadJokeHeader(state, no_folder); }), 76);

  HeadlessServices bad_name{machine, folder.File(std::string(300, 'n'))};
  EXPECT_EQ(FailureCodeOf([&] { ReadJokeHeader(state, bad_name); }), 52);

  std::filesystem::create_directory(folder.File("jokes.txt"));
  EXPECT_EQ(LoadFromFolder(), 70) << "a folder opened as a file: access denied, as on Windows";
}

std::string Utf16LittleEndian(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes.append({c, '\0'});
  return bytes;
}

TEST_F(JokeDatabaseTest, EachEncodingGivesTheSameEntries) {
  const std::string database = "\"Jokes\",3,4\r\nclean,2,0\r\n\r\nKnock knock\r\n\r\nWho\r\n</joke>\r\nrude,0,0\r\nr\r\n</joke>";
  for (const std::string& bytes : {database, "\xEF\xBB\xBF" + database, Utf16LittleEndian(database)}) {
    ASSERT_EQ(Load(bytes), 0);
    EXPECT_EQ(state.JokesVersion, FieldValue(3.0));
    EXPECT_EQ(state.clean.texts, (std::vector<std::string>{"", "Knock knock\r\n\r\nWho"}));
    EXPECT_EQ(state.clean.extra_seconds[1], FieldValue(2.0));
    EXPECT_EQ(state.rude.texts, (std::vector<std::string>{"", "r"}));
  }
}

TEST_F(JokeDatabaseTest, AnAnsiFileKeepsItsEntriesLetterForLetter) {
  ASSERT_EQ(Load("\"Blagues\",1,1\r\nclean,0,0\r\nCaf\xE9 cr\xE8me \x93" "d\xE9j\xE0 vu\x94\r\n</joke>\r\n"
                 "medical,0,0\r\nna\xEFve \x80 5\r\n</joke>"),
            0);
  EXPECT_EQ(state.clean.texts[1], "Caf\u00E9 cr\u00E8me \u201Cd\u00E9j\u00E0 vu\u201D");
  EXPECT_EQ(state.medical.texts[1], "na\u00EFve \u20AC 5");
}

TEST_F(JokeDatabaseTest, TheHeaderReaderReadsTheFileAsTheLoaderDoes) {
  // The header's letters are UTF-8 in its first part, but a byte far behind makes the
  // whole file ANSI; a header of plain ASCII needs no more than the first part.
  const std::string header = "\"Z\",\"v\xC3\xA9\",2\r\n";
  const std::string records = "clean,0,0\r\n" + std::string(100000, 'x') + "\r\n</joke>\r\nclean,0,0\r\n\xE9\r\n</joke>";
  for (const std::string& first : {header, std::string("\"Z\",1,2\r\n")}) {
    folder.Write("jokes.txt", first + records);
    SharedState header_only;
    ASSERT_EQ(FailureCodeOf([&] { ReadJokeHeader(header_only, services); }), 0);
    ASSERT_EQ(Load(first + records), 0);
    EXPECT_EQ(header_only.JokesVersion, state.JokesVersion);
    EXPECT_EQ(header_only.JokesCompatible, state.JokesCompatible);
  }
  EXPECT_EQ(state.JokesVersion, FieldValue(1.0));
  folder.Write("jokes.txt", header + records);
  SharedState header_only;
  ReadJokeHeader(header_only, services);
  EXPECT_EQ(header_only.JokesVersion, FieldValue("v\u00C3\u00A9"s));
}

// What cannot be read whole, or without waiting on a writer, is refused as a folder is.
TEST_F(JokeDatabaseTest, APipeADeviceOrAFileTooLargeForAnyCollectionIsRefused) {
  const std::string path = folder.File("jokes.txt");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(LoadFromFolder(), 70);
  EXPECT_EQ(FailureCodeOf([&] { ReadJokeHeader(state, services); }), 70);
  std::filesystem::remove(path);
  std::filesystem::create_symlink("/dev/zero", path);
  EXPECT_EQ(LoadFromFolder(), 70);
  EXPECT_EQ(FailureCodeOf([&] { ReadJokeHeader(state, services); }), 70);

  std::filesystem::remove(path);
  folder.Write("jokes.txt", std::string(kHeader) + Record("clean", "joke"));
  std::filesystem::resize_file(path, kLargestJokeDatabase + 1);
  EXPECT_EQ(LoadFromFolder(), 70);
}

}  // namespace
