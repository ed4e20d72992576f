// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "report/anniversary_file.h"

namespace tempulo {
namespace {

namespace fs = std::filesystem;

class AnniversaryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tempulo-anniv-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = folder_ / "jahrestage.ics";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
    fs::remove_all(folder_, ignored);
  }
  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Spill(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static Anniversary Named(std::string name) {
    Anniversary entry;
    entry.uid = NewAnniversaryUid();
    entry.name = std::move(name);
    entry.day = FixedFromCivil({1986, 12, 5});
    entry.calendar = "jewish";
    entry.entered = "civil";
    return entry;
  }
  bool Add(const std::string& name, std::string& why) {
    return ChangeAnniversaryFile(
        file_, [&](AnniversaryCalendar& calendar) { calendar.entries.push_back(Named(name)); }, why);
  }
  fs::path folder_;
  fs::path file_;
};

TEST_F(AnniversaryFileTest, RoundTripKeepsEntriesAndForeignComponents) {
  Anniversary entry = Named("Anna; \"die Ältere\", Nürnberg\nzweite Zeile");
  entry.kind = AnniversaryKind::kDeath;
  entry.afterSunset = true;
  entry.note = "Notiz mit \\ und ,";
  Anniversary leap = Named("Leo");
  leap.calendar = "civil";
  leap.day = FixedFromCivil({1996, 2, 29});
  leap.marchFirst = true;
  AnniversaryCalendar calendar;
  calendar.entries = {entry, leap};
  calendar.keptComponents = {{"BEGIN:VTODO", "UID:todo-1", "SUMMARY:Fremd", "END:VTODO"}};
  const std::string text = AnniversaryCalendarText(calendar, "20260101T000000Z");
  std::string why;
  const std::optional<AnniversaryCalendar> back = ParseAnniversaryCalendar(text, why);
  ASSERT_TRUE(back) << why;
  ASSERT_EQ(back->entries.size(), 2U);
  EXPECT_EQ(back->entries[0].name, entry.name);
  EXPECT_EQ(back->entries[0].note, entry.note);
  EXPECT_EQ(back->entries[0].kind, AnniversaryKind::kDeath);
  EXPECT_TRUE(back->entries[0].afterSunset);
  EXPECT_EQ(back->entries[0].day, entry.day);
  EXPECT_TRUE(back->entries[1].marchFirst);
  EXPECT_EQ(back->keptComponents, calendar.keptComponents);
  // After sunset: the rule names the next day, 4 Kislev (3 in the rule's
  // months counted from Tishri). Written again, the text is the same.
  EXPECT_EQ(AnniversaryCalendarText(*back, "20260101T000000Z"), text);
  EXPECT_NE(text.find("RRULE:RSCALE=HEBREW;FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=4;SKIP=FORWARD\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("RRULE:RSCALE=GREGORIAN;FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29;SKIP=FORWARD\r\n"),
            std::string::npos);
}

TEST_F(AnniversaryFileTest, ForeignRulesRecurByTheirSkip) {
  // Another program's file: RFC 7529 rules without this program's
  // properties. 8 Adar I in a common year: FORWARD takes the month after
  // (8 Adar), BACKWARD the month before (8 Shevat), OMIT has no day.
  const struct {
    const char* skip;
    bool occurs;
  } cases[] = {{"FORWARD", true}, {"BACKWARD", true}, {"OMIT", false}};
  for (const auto& c : cases) {
    const std::string text = std::string("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:a\r\n") +
                             "DTSTART;VALUE=DATE:20240217\r\nRRULE:RSCALE=HEBREW;FREQ=YEARLY;BYMONTH=5L;" +
                             "BYMONTHDAY=8;SKIP=" + c.skip + "\r\nSUMMARY:X\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::string why;
    const std::optional<AnniversaryCalendar> calendar = ParseAnniversaryCalendar(text, why);
    ASSERT_TRUE(calendar) << why;
    ASSERT_EQ(calendar->entries.size(), 1U);
    const AnniversaryBook book(calendar->entries);
    // 5785 is a common year: 8 Adar is 8 March 2025, 8 Shevat 6 February.
    const std::vector<Occurrence> found =
        book.Between(FixedFromCivil({2025, 1, 1}), FixedFromCivil({2025, 12, 31}));
    ASSERT_EQ(found.size(), c.occurs ? 1U : 0U) << c.skip;
    if (c.occurs) {
      const CivilDate expected = std::string_view(c.skip) == "FORWARD" ? CivilDate{2025, 3, 8} : CivilDate{2025, 2, 6};
      EXPECT_EQ(CivilFromFixed(found.front().day), expected) << c.skip;
    }
  }
}

TEST_F(AnniversaryFileTest, UnreadableFilesGiveAGermanMessageAndAreNeverOverwritten) {
  const std::string valid = AnniversaryCalendarText({{Named("Anna")}, {}}, "20260101T000000Z");
  std::string binary("BEGIN:VCALENDAR\r\n\0\x01\x02", 20);
  const struct {
    const char* what;
    std::string text;
    const char* message;
  } cases[] = {
      {"truncated", valid.substr(0, valid.size() / 2), "unvollständig"},
      {"corrupt", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VTODO\r\nEND:VCALENDAR\r\n", "beschädigt"},
      {"binary", binary, "keine Textdatei"},
      {"bad utf-8", "BEGIN:VCALENDAR\r\nSUMMARY:\xC3\x28\r\nEND:VCALENDAR\r\n", "keine Textdatei"},
      {"not iCalendar", "Name;Datum\nAnna;1986-12-05\n", "keine iCalendar-Datei"},
      {"newer version", "BEGIN:VCALENDAR\r\nX-TEMPULO-VERSION:2\r\nEND:VCALENDAR\r\n", "neueren Version"},
      {"empty", "", "keine iCalendar-Datei"},
  };
  for (const auto& c : cases) {
    Spill(file_, c.text);
    const AnniversaryFileRead read = ReadAnniversaryFile(file_);
    EXPECT_EQ(read.state, FileState::kUnreadable) << c.what;
    EXPECT_NE(read.why.find(c.message), std::string::npos) << c.what << ": " << read.why;
    EXPECT_NE(read.why.find(file_.string()), std::string::npos) << c.what;
    std::string why;
    EXPECT_FALSE(Add("Bert", why)) << c.what;
    EXPECT_NE(why.find("nicht überschrieben"), std::string::npos) << c.what << ": " << why;
    EXPECT_EQ(Slurp(file_), c.text) << c.what;
  }
}

TEST_F(AnniversaryFileTest, AHundredMegabyteFileIsRefusedUnread) {
  {
    std::ofstream out(file_, std::ios::binary);
    out << "BEGIN:VCALENDAR\r\n";
    out.seekp(100LL * 1024 * 1024);
    out << "END:VCALENDAR\r\n";
  }
  const auto size = fs::file_size(file_);
  const AnniversaryFileRead read = ReadAnniversaryFile(file_);
  EXPECT_EQ(read.state, FileState::kUnreadable);
  EXPECT_NE(read.why.find("zu groß"), std::string::npos);
  std::string why;
  EXPECT_FALSE(Add("Bert", why));
  EXPECT_EQ(fs::file_size(file_), size);
}

TEST_F(AnniversaryFileTest, MissingFolderIsCreatedAndTheBackupKeepsThePreviousVersion) {
  file_ = folder_ / "neu" / "tiefer" / "jahrestage.ics";
  std::string why;
  ASSERT_TRUE(Add("Anna", why)) << why;
  const std::string first = Slurp(file_);
  ASSERT_TRUE(Add("Bert", why)) << why;
  EXPECT_EQ(Slurp(AnniversaryBackupPath(file_)), first);
  EXPECT_EQ(ReadAnniversaryFile(file_).calendar.entries.size(), 2U);
}

TEST_F(AnniversaryFileTest, ReadOnlyFolderFailsWithAMessageAndKeepsTheFile) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root writes into read-only folders";
  }
  std::string why;
  ASSERT_TRUE(Add("Anna", why)) << why;
  const std::string before = Slurp(file_);
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(Add("Bert", why));
  EXPECT_FALSE(why.empty());
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(Slurp(file_), before);
}

TEST_F(AnniversaryFileTest, AFolderThatCannotBeMadeFailsWithAMessage) {
  // A file where the folder should be: no folder, for root too.
  Spill(folder_ / "belegt", "kein Ordner");
  file_ = folder_ / "belegt" / "jahrestage.ics";
  std::string why;
  EXPECT_FALSE(Add("Anna", why));
  EXPECT_NE(why.find("Ordner"), std::string::npos) << why;
  EXPECT_EQ(Slurp(folder_ / "belegt"), "kein Ordner");
}

TEST_F(AnniversaryFileTest, ReadOnlyFileIsReplacedOnlyWhereTheFolderAllowsIt) {
  // A write-protected file in a writable folder is read normally.
  std::string why;
  ASSERT_TRUE(Add("Anna", why)) << why;
  fs::permissions(file_, fs::perms::owner_read);
  EXPECT_EQ(ReadAnniversaryFile(file_).state, FileState::kRead);
  fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AnniversaryFileTest, TwoWritersKeepEachOthersChanges) {
  // Two processes add entries at the same time; every one of them stays.
  constexpr int kEach = 25;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string why;
    for (int i = 0; i < kEach; ++i) {
      if (!Add("Kind " + std::to_string(i), why)) {
        ::_exit(1);
      }
    }
    ::_exit(0);
  }
  std::string why;
  for (int i = 0; i < kEach; ++i) {
    ASSERT_TRUE(Add("Eltern " + std::to_string(i), why)) << why;
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadAnniversaryFile(file_).calendar.entries.size(), 2U * kEach);
}

TEST_F(AnniversaryFileTest, AKilledWriterLeavesTheOldOrTheNewFileWhole) {
  // A writer killed at random moments: the file is always one complete
  // version, never a mix or a part.
  std::string why;
  ASSERT_TRUE(Add("Anfang", why)) << why;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> delay(0, 3000);
  std::size_t lastCount = 1;
  for (int round = 0; round < 40; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::string childWhy;
      for (int i = 0;; ++i) {
        Add("Runde " + std::to_string(i), childWhy);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const AnniversaryFileRead read = ReadAnniversaryFile(file_);
    ASSERT_EQ(read.state, FileState::kRead) << "round " << round << ": " << read.why;
    EXPECT_GE(read.calendar.entries.size(), lastCount);
    lastCount = read.calendar.entries.size();
  }
  // The writer's lock died with it: the next save goes through.
  EXPECT_TRUE(Add("Ende", why)) << why;
}

}  // namespace
}  // namespace tempulo
