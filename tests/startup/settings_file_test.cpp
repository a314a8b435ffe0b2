// The settings file: reading with its defaults, the written bytes and the safe replace.
#include "startup/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <new>

#include "platform/headless/headless_services.h"
#include "tests/support/counting_services.h"
#include "tests/support/failure_matchers.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_field.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  SharedState Read() {
    SharedState state;
    ReadSettings(state, services);
    return state;
  }
  void ExpectDefaults(const SharedState& state) {
    EXPECT_EQ(state.JokeStyle, Text("clean"));
    EXPECT_EQ(state.MedicalSetting, Text("medicalno"));
    EXPECT_EQ(state.DelaySeconds, FieldValue(7.0));
  }

  TempFolder folder;
  HeadlessMachine machine;
  HeadlessServices services{machine, folder.path()};
};

TEST_F(SettingsFileTest, WrittenAsThreeCrLfLinesWithTheDelayBetweenBlanksAndReadBack) {
  WriteSettings(services, "rude", "medicalyes", 12);
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalyes\r\n 12 \r\n");
  EXPECT_EQ(SettingsFileBytes("clean", "medicalno", -5), "clean\r\nmedicalno\r\n-5 \r\n");

  WriteSettings(services, "rude", "medicalyes", 12.25);
  const SharedState state = Read();
  EXPECT_EQ(state.JokeStyle, Text("rude"));
  EXPECT_EQ(state.MedicalSetting, Text("medicalyes"));
  EXPECT_EQ(state.DelaySeconds, FieldValue(12.25));
  EXPECT_EQ(folder.Names(), std::set<std::string>{"Qorv.ini"}) << "no temporary left behind";
}

TEST_F(SettingsFileTest, AnyReadingFailureGivesAllThreeDefaults) {
  ExpectDefaults(Read());
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n");
  ExpectDefaults(Read());
  folder.Write("Qorv.ini", "");
  ExpectDefaults(Read());

  struct OutOfMemoryServices : HeadlessServices {
    using HeadlessServices::HeadlessServices;
    std::string ReadFileBytes(const std::string&, std::size_t, ReadBound) override { throw std::bad_alloc(); }
  };
  OutOfMemoryServices out_of_memory{machine, folder.path()};
  SharedState state;
  ReadSettings(state, out_of_memory);
  ExpectDefaults(state);
}

TEST_F(SettingsFileTest, ValuesAreStoredAsReadAndExtraLinesIgnored) {
  folder.Write("Qorv.ini", "  Rude  \n\"medicalyes\"\n  20\nclean\nmore\n");
  const SharedState state = Read();
  EXPECT_EQ(state.JokeStyle, Text("Rude"));
  EXPECT_EQ(state.MedicalSetting, Text("medicalyes"));
  EXPECT_EQ(state.DelaySeconds, FieldValue(20.0));
  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n\r\n");
  EXPECT_EQ(Read().DelaySeconds, FieldValue()) << "an empty third line is an empty delay";
}

TEST_F(SettingsFileTest, OnlyTheThreeLinesAreReadAndAPipeOrADeviceGivesTheDefaults) {
  CountingServices counting{machine, folder.path()};
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n 3 \r\n" + std::string(1 << 20, 'x'));
  SharedState state;
  ReadSettings(state, counting);
  EXPECT_EQ(state.DelaySeconds, FieldValue(3.0));
  EXPECT_LE(counting.bytes_read, 4096u);

  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n" + std::string(5000, ' ') + "3\r\n");
  ExpectDefaults(Read());  // three fields that do not end within what is read

  std::filesystem::remove(folder.File("Qorv.ini"));
  ASSERT_EQ(mkfifo(folder.File("Qorv.ini").c_str(), 0600), 0);
  ExpectDefaults(Read());  // at once: nothing writes into the pipe
  std::filesystem::remove(folder.File("Qorv.ini"));
  std::filesystem::create_symlink("/dev/zero", folder.File("Qorv.ini"));
  ExpectDefaults(Read());
}

TEST_F(SettingsFileTest, FailedWritesAreReportedAndLeaveTheOldFile) {
  // A folder where the file should be: the new file is written, and cannot take its place.
  std::filesystem::create_directory(folder.File("Qorv.ini"));
  folder.Write("Qorv.ini/kept", "rude\r\nmedicalno\r\n 9 \r\n");
  EXPECT_EQ(FailureCodeOf([&] { WriteSettings(services, "clean", "medicalno", 30); }), 70);
  EXPECT_EQ(folder.Read("Qorv.ini/kept"), "rude\r\nmedicalno\r\n 9 \r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
  HeadlessServices elsewhere{machine, folder.File("gone")};
  EXPECT_EQ(FailureCodeOf([&] { WriteSettings(elsewhere, "clean", "medicalno", 7); }), 76);
}

}  // namespace
