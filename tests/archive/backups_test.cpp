// Automatic backups: the names and the rotation, what a backup holds, the
// backup before a rebuild of CITE, and the build's replacement of whole
// stores (nothing left beside them, a leftover of a dead build ignored).
#include "archive/backups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "build/build_fixture.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "support/store_records.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

const auto kOnePass = [] { return true; };

class Backups : public test::StoreDirsFixture {
 protected:
  std::string Root() const { return dir_.path() + "/root"; }
  static std::string Name(const std::string& path) { return fs::path(path).filename().string(); }
  // 2026-12-09 08:30:00 local time, plus `seconds`.
  static std::time_t At(int seconds) {
    std::tm tm{};
    tm.tm_year = 126;
    tm.tm_mon = 11;
    tm.tm_mday = 9;
    tm.tm_hour = 8;
    tm.tm_min = 30;
    tm.tm_sec = seconds;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
  }
};

TEST_F(Backups, TheNewestTenAreKeptAndListedNewestFirst) {
  test::AddXlat(set_, "blw", {"word"});
  fs::create_directories(BackupFolder(Root()));
  test::WriteBytes(BackupFolder(Root()) + "/notes.txt", {'x'});
  // Twelve backups, the last two in one second.
  std::vector<std::string> written;
  for (int i = 0; i < 12; ++i) {
    std::string path;
    ASSERT_EQ(WriteBackup(set_, Root(), path, At(i < 11 ? i * 61 : 10 * 61)), 0) << i;
    written.push_back(Name(path));
  }
  EXPECT_EQ(written[0], "ORV-20261209-083000.TXT");
  EXPECT_EQ(written[1], "ORV-20261209-083101.TXT");
  EXPECT_EQ(written[10], "ORV-20261209-084010.TXT");
  EXPECT_EQ(written[11], "ORV-20261209-084010-2.TXT");

  std::vector<std::string> listed = ListBackups(Root());
  std::vector<std::string> names;
  for (const std::string& p : listed) names.push_back(Name(p));
  ASSERT_EQ(names.size(), static_cast<size_t>(kBackupsKept));
  EXPECT_EQ(names.front(), "ORV-20261209-084010-2.TXT");
  EXPECT_EQ(names[1], "ORV-20261209-084010.TXT");
  EXPECT_EQ(names.back(), "ORV-20261209-083202.TXT");
  EXPECT_FALSE(fs::exists(BackupFolder(Root()) + "/" + written[0]));
  EXPECT_TRUE(fs::exists(BackupFolder(Root()) + "/notes.txt")) << "other files stay";
  // A backup is a full archive: the definition is in it.
  std::string text = test::ReadText(listed.front());
  EXPECT_EQ(text.rfind("ORV Archive File", 0), 0u);
  EXPECT_NE(text.find("word"), std::string::npos);
  EXPECT_TRUE(ListBackups(dir_.path() + "/nowhere").empty());
}

TEST_F(Backups, ChangesMadeDuringTheRunAreNoticed) {
  EXPECT_FALSE(UserDataChanged(set_));
  EXPECT_FALSE(HasUserData(set_));
  test::AddCite(set_, Citation{1, 1, 1, 1});
  EXPECT_TRUE(UserDataChanged(set_));
  EXPECT_FALSE(HasUserData(set_)) << "an occurrence without choices is no user data";
  test::AddCite(set_, Citation{1, 1, 1, 2}, 0, 2);
  EXPECT_TRUE(HasUserData(set_));
}

TEST_F(Backups, ARebuildOfCiteFirstKeepsTheUsersData) {
  test::SmallText text(9);
  text.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  // No user data yet: nothing is written, nothing said.
  ctx_.beforeCiteRebuild = [this](DatastoreSet& ds, UserInterface& ui) {
    return BackupBeforeCiteRebuild(ds, ui, Root());
  };
  RunBuild(ctx_, BuildFlags{false, true, false}, kOnePass);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_TRUE(ListBackups(Root()).empty());

  TDSControl* cite = set_.CiteDS.Open(true);
  CiteRec rec;
  ASSERT_EQ(DSReadAt(cite, 5, &rec), kDSOk);
  rec.strongs = 1234;
  ASSERT_EQ(DSUpdate(cite, 5, &rec), kDSOk);
  set_.CiteDS.Close();
  RunBuild(ctx_, BuildFlags{false, true, false}, kOnePass);
  std::vector<std::string> listed = ListBackups(Root());
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_THAT(ui_.messages, ElementsAre(std::string(kBackupWrittenPrefix).append(listed[0])));
  EXPECT_NE(test::ReadText(listed[0]).find(" 1234"), std::string::npos);

  // A backup that cannot be written stops the rebuild: the number stays.
  ASSERT_EQ(DSUpdate(set_.CiteDS.Open(true), 5, &rec), kDSOk);
  set_.CiteDS.Close();
  ui_.messages.clear();
  fs::remove_all(Root());
  test::WriteBytes(Root(), {'x'});  // a file where the folder should be
  RunBuild(ctx_, BuildFlags{false, true, false}, kOnePass);
  EXPECT_THAT(ui_.messages, ElementsAre(kBackupFailedMessage));
  CiteRec kept;
  ASSERT_EQ(DSReadAt(set_.CiteDS.Open(true), 5, &kept), kDSOk);
  set_.CiteDS.Close();
  EXPECT_EQ(kept.strongs, 1234);
}

TEST_F(Backups, TheBuildReplacesWholeStoresAndLeavesNothingBeside) {
  test::SmallText text(3);
  text.Write(sourceDir_);
  // A dead build's leftover and a dead run's journal beside CITE.
  const std::string cite = NativePath(set_.CiteDS.Path());
  test::WriteBytes(cite + TXRDataStore::kReplaceSuffix, {'x', 'y'});
  RunBuild(ctx_, BuildFlags{true, true, true}, kOnePass);
  RunBuild(ctx_, BuildFlags{false, false, true}, kOnePass);
  EXPECT_TRUE(ui_.messages.empty());
  for (TXRDataStore* s : {&set_.WordDS, &set_.FOccDS, &set_.FOc2DS, &set_.CiteDS, &set_.BookDS}) {
    s->ForceClose();
    const std::string file = NativePath(s->Path());
    EXPECT_FALSE(fs::exists(file + TXRDataStore::kReplaceSuffix)) << s->Tag();
    EXPECT_FALSE(fs::exists(file + "-journal")) << s->Tag();
    EXPECT_GT(s->RecordCount(), 0) << s->Tag();
    EXPECT_EQ(CheckOrder(*s), kDSOk) << s->Tag();
  }
}

}  // namespace
}  // namespace orv
