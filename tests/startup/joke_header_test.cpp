// The header reader takes the first few kilobytes of the joke database, and the whole file
// only when those do not settle its three fields; it reads them exactly as a reader of the
// whole file would, wherever its first read stops; a header cut short is failure 62.
#include <gtest/gtest.h>

#include "startup/joke_database.h"
#include "startup/text_reader.h"
#include "tests/support/counting_services.h"
#include "tests/support/failure_matchers.h"
#include "tests/support/temp_folder.h"

namespace {

class JokeHeaderTest : public ::testing::Test {
 protected:
  // The header as the reader found it in `bytes`, or the failure code.
  std::variant<int, std::pair<FieldValue, FieldValue>> Header(const std::string& bytes) {
    folder.Write("jokes.txt", bytes);
    SharedState state;
    const int code = FailureCodeOf([&] { ReadJokeHeader(state, services); });
    if (code != 0) return code;
    return std::make_pair(state.JokesVersion, state.JokesCompatible);
  }
  // The same three fields read from the whole file at once.
  std::variant<int, std::pair<FieldValue, FieldValue>> WholeFileHeader(const std::string& bytes) {
    std::pair<FieldValue, FieldValue> fields;
    const int code = FailureCodeOf([&] {
      TextReader reader(bytes);
      reader.ReadField();
      fields.first = reader.ReadField();
      fields.second = reader.ReadField();
    });
    if (code != 0) return code;
    return fields;
  }

  TempFolder folder;
  HeadlessMachine machine;
  CountingServices services{machine, folder.path()};
};

TEST_F(JokeHeaderTest, ReadsAFewKilobytesOfAHugeDatabase) {
  std::string bytes = "\"Big\",12,4\r\n";
  while (bytes.size() < 8 * 1024 * 1024) bytes += "clean,0,0\r\nA zorbel walks in.\r\n</joke>\r\n";
  ASSERT_EQ(Header(bytes), (decltype(Header("")){std::make_pair(FieldValue(12.0), FieldValue(4.0))}));
  EXPECT_LE(services.bytes_read, 4096u);
}

TEST_F(JokeHeaderTest, AHeaderTheFirstReadDoesNotSettleTakesTheWholeFileOnceMore) {
  const std::string records = "clean,0,0\r\nA zorbel walks in.\r\n</joke>\r\n";
  // Fields that run on past the first read, and fields whose letters beyond ASCII read
  // otherwise if a byte far on makes the file ANSI.
  for (const std::string& header :
       {"\"" + std::string(70000, 'x') + "\",2,4\r\n", std::string("\"Z\",\"Caf\xC3\xA9\",4\r\n")}) {
    std::string bytes = header;
    while (bytes.size() < 300000) bytes += records;
    services.bytes_read = 0;
    services.reads = 0;
    ASSERT_EQ(Header(bytes), WholeFileHeader(bytes));
    EXPECT_EQ(services.reads, 2) << header.substr(0, 12);
    EXPECT_EQ(services.bytes_read, 4096 + bytes.size()) << header.substr(0, 12);
  }
}

TEST_F(JokeHeaderTest, FieldsAcrossTheEndOfAReadComeOutAsFromTheWholeFile) {
  // Header fields that end just before, on and just after the places the reader's reads
  // stop, quoted and not, cut short or followed by records.
  for (std::size_t length : {4080u, 4090u, 4093u, 4094u, 4095u, 4096u, 4097u, 65530u, 65536u, 70000u}) {
    const std::string filler(length, 'x');
    for (const std::string& bytes :
         {filler + ",7,8\r\nclean,0,0\r\njoke\r\n</joke>\r\n", "\"" + filler + "\",7,8\r\n",
          "a," + filler + ",9", "a,b," + filler + "\r\n", "a,\"b\"" + filler + ",c,d",
          "\"" + filler, filler + ",7", "a,b,\"" + filler}) {
      EXPECT_EQ(Header(bytes), WholeFileHeader(bytes)) << bytes.size() << " " << bytes.substr(0, 12);
    }
  }
  EXPECT_EQ(Header("x, \"3.5\" ,4\r\nbroken,0\r\n"),
            (decltype(Header("")){std::make_pair(FieldValue(std::string("3.5")), FieldValue(4.0))}))
      << "only the header is read: a broken record after it does not matter";
  for (const std::string& cut : {std::string(), std::string("\"db\",2\r\n"), std::string(5000, 'x') + ",2\r\n"}) {
    EXPECT_EQ(Header(cut), (decltype(Header("")){62})) << cut.substr(0, 12);
  }
}

}  // namespace
