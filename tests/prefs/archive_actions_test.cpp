// The archive dialog's buttons over small stores: the file each asks for,
// a full archive written and read back into rebuilt stores unchanged, and
// the messages of reads and writes that fail.
#include "prefs/archive_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "archive/archive_test_util.h"
#include "archive/backups.h"
#include "config/settings.h"
#include "support/scripted_ui.h"

namespace orv {
namespace {

using test::MakeCite;
using test::MakeXlat;
using ::testing::ElementsAre;

class ArchiveActionsTest : public ::testing::Test {
 protected:
  ArchiveEnv Env(DatastoreSet& stores) {
    return ArchiveEnv{stores,      ui_,
                      settings_,   out_.path(),
                      out_.path(), [this](const std::string& t) { status_.push_back(t); }};
  }

  test::TempDir out_;
  test::ScriptedUI ui_;
  Settings settings_;
  std::vector<std::string> status_;
};

TEST_F(ArchiveActionsTest, FileDialogsStartInTheDataRootWithTheirNames) {
  settings_.il.AddTranslationDatabase("My Notes", "English", "Xlat_English\\");
  struct Case {
    ArchiveAction action;
    const char* name;
  };
  for (const Case& c : {Case{ArchiveAction::kWrite, "My Notes"}, Case{ArchiveAction::kRead, ""},
                        Case{ArchiveAction::kWriteStrongs, "Strong"},
                        Case{ArchiveAction::kReadStrongs, "Strong"}}) {
    const FileDialogRequest r = ArchiveFileRequest(c.action, settings_, "/data");
    EXPECT_EQ(r.defaultName, c.name);
    EXPECT_EQ(r.extension, "TXT");
    EXPECT_EQ(r.folder, "/data");
    ASSERT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0].description, "Text files");
    EXPECT_EQ(r.filters[0].patterns, "*.TXT");
  }
}

TEST_F(ArchiveActionsTest, WrittenArchiveReadsBackUnchanged) {
  test::ArchiveStores from;
  const std::vector<XlatRec> xlat = {MakeXlat("abg", 1, 2, {"one", "", "three"}),
                                     MakeXlat("dwd", 0, 1, {"beloved"})};
  const std::vector<CiteRec> cite = {MakeCite(1, 1, 1, 1, 2, 1, 7225),
                                     MakeCite(1, 1, 1, 2, 0, 0, 1254)};
  test::Fill(from.ds.XlatDS, xlat);
  test::Fill(from.ds.CiteDS, cite);
  const std::string file = out_.File("notes.TXT");
  ArchiveEnv env = Env(from.ds);
  ui_.saveFile.push_back(file);
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kWrite, true, env), ArchiveOutcome::kWritten);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(status_.front(), "Write Xlat DS");
  EXPECT_EQ(status_.back(), "");

  test::ArchiveStores to;
  std::vector<CiteRec> bare = cite;
  for (CiteRec& r : bare) {
    r.use = 0;
    r.flags = 0;
    r.strongs = 0;
  }
  test::Fill(to.ds.CiteDS, bare);
  ArchiveEnv back = Env(to.ds);
  ui_.openFile.push_back(file);
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kRead, true, back), ArchiveOutcome::kRead);
  EXPECT_THAT(ui_.messages, ElementsAre("Archive successfully read"));
  EXPECT_THAT(status_, ::testing::Contains("Read Xlat archive"));
  const auto x = test::All<XlatRec>(to.ds.XlatDS);
  const auto c = test::All<CiteRec>(to.ds.CiteDS);
  ASSERT_EQ(x.size(), xlat.size());
  ASSERT_EQ(c.size(), cite.size());
  for (size_t i = 0; i < x.size(); ++i) EXPECT_TRUE(test::SameBytes(&x[i], &xlat[i], sizeof x[i]));
  for (size_t i = 0; i < c.size(); ++i) EXPECT_TRUE(test::SameBytes(&c[i], &cite[i], sizeof c[i]));
  EXPECT_EQ(ui_.waitDepth, 0);
  EXPECT_EQ(ui_.maxWaitDepth, 1);
}

TEST_F(ArchiveActionsTest, FailuresAreNamedAndCancelDoesNothing) {
  test::ArchiveStores stores;
  test::Fill(stores.ds.CiteDS, std::vector<CiteRec>{MakeCite(1, 1, 1, 1, 0, 0, 7225)});
  ArchiveEnv env = Env(stores.ds);
  { std::ofstream(out_.File("plain.TXT")) << "not an archive\r\n"; }
  { std::ofstream(out_.File("cut.TXT")) << "ORV Archive File\r\nVersion 1.9.1\r\n&1 1 1 3\r\n5"; }
  ui_.saveFile = {std::nullopt, out_.File("missing/folder/a.TXT")};
  ui_.openFile = {std::nullopt, out_.File("plain.TXT"), out_.File("cut.TXT"),
                  out_.File("none.TXT")};
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kWriteStrongs, true, env), ArchiveOutcome::kCancelled);
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kWrite, true, env), ArchiveOutcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists(out_.File("missing")));
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kReadStrongs, true, env), ArchiveOutcome::kCancelled);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RunArchiveAction(ArchiveAction::kReadStrongs, true, env), ArchiveOutcome::kRead);
  }
  EXPECT_EQ(RunArchiveAction(ArchiveAction::kSetDefault, true, env), ArchiveOutcome::kRead);
  EXPECT_THAT(ui_.messages,
              ElementsAre(kArchiveWriteError, "** Error(s) reading archive **",
                          "** Error(s) reading archive **", "** Error(s) reading archive **",
                          "** Error(s) reading archive **"));
  EXPECT_THAT(status_, ::testing::Contains("Read default Strong's archive"));
}

TEST_F(ArchiveActionsTest, BackupsAreListedNewestFirstAndThePickedOneIsRead) {
  test::ArchiveStores from;
  const std::vector<XlatRec> xlat = {MakeXlat("dwd", 0, 1, {"beloved"})};
  test::Fill(from.ds.XlatDS, xlat);
  ArchiveEnv env = Env(from.ds);
  EXPECT_EQ(RunBackupRead(true, env), ArchiveOutcome::kCancelled);
  EXPECT_THAT(ui_.messages, ElementsAre(std::string(kNoBackups).append(BackupFolder(out_.path()))));
  ui_.messages.clear();

  std::string older, newer;
  ASSERT_EQ(WriteBackup(from.ds, out_.path(), older, 1700000000), 0);
  ASSERT_EQ(WriteBackup(from.ds, out_.path(), newer, 1700000100), 0);
  test::ArchiveStores to;
  ArchiveEnv back = Env(to.ds);
  ui_.listChoice.push_back(-1);  // closed without a choice
  EXPECT_EQ(RunBackupRead(true, back), ArchiveOutcome::kCancelled);
  EXPECT_TRUE(test::All<XlatRec>(to.ds.XlatDS).empty());
  ui_.listChoice.push_back(1);
  EXPECT_EQ(RunBackupRead(true, back), ArchiveOutcome::kRead);
  ASSERT_EQ(ui_.lists.size(), 2u);
  EXPECT_EQ(ui_.lists[0].caption, kBackupListCaption);
  EXPECT_THAT(ui_.lists[0].lines, ElementsAre(std::filesystem::path(newer).filename().string(),
                                              std::filesystem::path(older).filename().string()));
  EXPECT_THAT(ui_.messages, ElementsAre("Archive successfully read"));
  ASSERT_EQ(test::All<XlatRec>(to.ds.XlatDS).size(), 1u);
}

}  // namespace
}  // namespace orv
