// The Session's first paint and close, without the main window.
#include "session/session.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "archive/backups.h"
#include "build/build_context.h"
#include "build/db_build.h"
#include "config/settings.h"
#include "platform/file_system.h"
#include "platform/path_map.h"
#include "session/session_fixture.h"

namespace orv {
namespace {

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

using SessionTest = test::SessionFixture;

// Makes and changes nothing under `folder`, as a folder that cannot be
// written would: permissions cannot show it to a test run by root.
class ReadOnlyFolderFS : public FileSystem {
 public:
  explicit ReadOnlyFolderFS(const std::string& folder) : folder_(folder + "/") {}
  std::unique_ptr<RandomAccessFile> Open(const std::string& path, bool writable) override {
    return writable && Inside(path) ? nullptr : DefaultFileSystem().Open(path, writable);
  }
  std::unique_ptr<RandomAccessFile> Create(const std::string& path) override {
    return Inside(path) ? nullptr : DefaultFileSystem().Create(path);
  }
  bool Remove(const std::string& path) override {
    return !Inside(path) && DefaultFileSystem().Remove(path);
  }

 private:
  bool Inside(const std::string& path) const { return path.rfind(folder_, 0) == 0; }
  std::string folder_;
};

TEST_F(SessionTest, FirstPaintBuildsAMissingBookAndShowsTheDocumentOfTheVersionChange) {
  struct Row {
    const char* settingsFile;  // nullptr: none
    bool bookBuilt;            // BOOK left by the row before
    std::vector<std::string> documents;
  };
  const Row rows[] = {
      {nullptr, false, {"Getting Started: HELP.RTF"}},
      {"[Program]\r\nVer=1.9\r\n", true, {"Notes on updates in this version: README.RTF"}},
      {"[Program]\r\nVer=1.9.1\r\n", true, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.settingsFile ? r.settingsFile : "no settings file");
    if (r.settingsFile) test::WriteText(SettingsFile(), r.settingsFile);
    builds_.clear();
    documents_.clear();
    Session& s = Open();
    EXPECT_TRUE(s.firstPaintPending);
    s.view.relayoutNeeded = false;
    s.AfterFirstPaint();
    if (r.bookBuilt) {
      EXPECT_TRUE(builds_.empty());
    } else {
      ASSERT_EQ(builds_.size(), 1u);
      EXPECT_FALSE(builds_[0].word || builds_[0].cite);
      EXPECT_TRUE(builds_[0].book);
    }
    EXPECT_TRUE(s.stores->BookDS.Exists());
    EXPECT_EQ(documents_, r.documents);
    EXPECT_FALSE(s.firstPaintPending);
    // BOOK may be new: the page's words are read again.
    EXPECT_TRUE(s.view.relayoutNeeded);
    EXPECT_EQ(s.view.reloadWords, WordReload::kReadAgain);
    // Only the first paint does this.
    s.AfterFirstPaint();
    EXPECT_EQ(builds_.size(), r.bookBuilt ? 0u : 1u);
    EXPECT_EQ(documents_.size(), r.documents.size());
    session_.reset();
  }
}

TEST_F(SessionTest, CloseWritesThePositionOnceAndGoesBackToTheFormerDirectory) {
  const std::string before = CurrentDirectory();
  Session& s = Open();
  EXPECT_EQ(std::filesystem::path(CurrentDirectory()),
            std::filesystem::canonical(dir_.File("prog")));
  s.view.currentCite = {2, 3, 4, 1};
  EXPECT_TRUE(s.Close());
  EXPECT_EQ(CurrentDirectory(), before);
  Settings read;
  ASSERT_TRUE(ReadSettings(read, SettingsFile()));
  EXPECT_EQ(read.cite, (Citation{2, 3, 4, 1}));
  // A closed session neither paints nor writes again.
  std::filesystem::remove(SettingsFile());
  EXPECT_TRUE(s.Close());
  EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
  Paint();
  EXPECT_TRUE(surface_.calls.empty());
}

TEST_F(SessionTest, CloseReportsASettingsFileThatCannotBeWritten) {
  std::filesystem::create_directories(dir_.File("root"));
  test::WriteText(dir_.File("root/plain"), "a file, not a folder");
  settingsFile_ = dir_.File("root/plain/ORV.INI");
  Session& s = Open();
  EXPECT_FALSE(s.Close());
  EXPECT_FALSE(s.windowAlive);
}

TEST_F(SessionTest, SettingsFileWithoutAnEndStillOpensGenesisAndIsWrittenWhole) {
  Open().AfterFirstPaint();
  session_.reset();
  const std::string correct = test::ReadText(SettingsFile());
  // The block of Hebrew sources loses its "End": "Interlinear" (line 6) ends it.
  const std::string damaged = "\r\nHebrew\r\nEnd\r\n";
  const size_t at = correct.find(damaged);
  ASSERT_NE(at, std::string::npos) << correct;
  test::WriteText(SettingsFile(),
                  correct.substr(0, at) + "\r\nHebrew\r\n" + correct.substr(at + damaged.size()));
  ui_.messages.clear();
  builds_.clear();

  Session& s = Open();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{UnreadSettingsLineMessage(6, SettingsFile())});
  s.AfterFirstPaint();
  Paint();
  EXPECT_TRUE(builds_.empty());
  EXPECT_EQ(s.layout.rangeFirst, kFirstCite);
  EXPECT_GT(s.layout.lastPlaced, 0);
  EXPECT_EQ(ui_.messages.size(), 1u);
  std::vector<std::string> folders;
  for (const auto& e : std::filesystem::directory_iterator(dir_.File("root"))) {
    if (e.is_directory()) folders.push_back(e.path().filename().string());
  }
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{"Source", "Xlat_English"}));
  EXPECT_TRUE(s.Close());
  EXPECT_EQ(test::ReadText(SettingsFile()), correct);
}

TEST_F(SessionTest, DataFolderThatCannotBeWrittenIsNamedAtStartAndStillRead) {
  for (int markFOcc : {1, 2}) {
    SCOPED_TRACE("MarkFOcc=" + std::to_string(markFOcc));
    std::filesystem::create_directories(dir_.File("root"));
    test::WriteText(SettingsFile(), "[Program]\r\nVer=1.9.1\r\n[Preferences]\r\nMarkFOcc=" +
                                        std::to_string(markFOcc) + "\r\n");
    BuildContext ctx(*Open().stores, SourceDir(), ui_);
    RunBuild(ctx, BuildFlags{true, false, true}, [] { return true; });
    // A new start: the build drops the book's first-occurrence file, and the
    // open book view stays without one until the book changes.
    session_.reset();
    Open().AfterFirstPaint();
    Paint();
    ASSERT_TRUE(Underlined());
    session_.reset();
    ui_.messages.clear();

    ReadOnlyFolderFS readOnly(dir_.File("root"));
    Session& s = Open(&readOnly);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{UnwritableFolderMessage(dir_.File("root"))});
    s.AfterFirstPaint();
    Paint();
    EXPECT_EQ(s.layout.rangeFirst, kFirstCite);
    EXPECT_GT(s.layout.lastPlaced, 0);
    EXPECT_TRUE(Underlined());
    EXPECT_EQ(ui_.messages.size(), 1u);
    session_.reset();
    std::filesystem::remove_all(dir_.File("root"));
  }
  // Nothing stored yet: no build is offered that could not write its files.
  ReadOnlyFolderFS readOnly(dir_.File("root"));
  builds_.clear();
  Open(&readOnly).AfterFirstPaint();
  EXPECT_TRUE(builds_.empty());
  session_.reset();  // before the file system it uses
}

TEST_F(SessionTest, CloseKeepsABackupWhenTheUsersDataChanged) {
  BuildContext ctx(*Open().stores, SourceDir(), ui_);
  RunBuild(ctx, BuildFlags{true, true, true}, [] { return true; });
  session_.reset();
  const std::string root = dir_.File("root");
  // A run that reads only, then one that gives a word a Strong's number,
  // then one that reads again: one backup, of the second run's data.
  bool changed = false;
  for (const bool change : {false, true, false}) {
    changed = changed || change;
    Session& s = Open();
    if (change) {
      TDSControl* h = s.stores->CiteDS.Open(true);
      CiteRec r{};
      ASSERT_EQ(DSReadAt(h, 2, &r), kDSOk);
      r.strongs = 1254;
      ASSERT_EQ(DSUpdate(h, 2, &r), kDSOk);
      s.stores->CiteDS.Close();
    }
    EXPECT_TRUE(s.Close());
    session_.reset();
    EXPECT_EQ(ListBackups(root).size(), changed ? 1u : 0u);
  }
  const std::vector<std::string> backups = ListBackups(root);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_NE(test::ReadText(backups[0]).find("1254"), std::string::npos);
}

TEST_F(SessionTest, StartThatCannotWriteNamesAStoreWhoseSaveWasCutShort) {
  BuildContext ctx(*Open().stores, SourceDir(), ui_);
  RunBuild(ctx, BuildFlags{true, true, true}, [] { return true; });
  const std::string cite = NativePath(session_->stores->CiteDS.Path());
  session_.reset();
  test::WriteText(cite + "-journal", "cut short");
  ui_.messages.clear();
  ReadOnlyFolderFS readOnly(dir_.File("root"));
  Open(&readOnly);
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{UnwritableFolderMessage(dir_.File("root")),
                                                    SaveCutShortMessage(cite)}));
  session_.reset();
  // A start that can write puts the store right without a word.
  ui_.messages.clear();
  Open();
  EXPECT_TRUE(ui_.messages.empty());
  session_.reset();
}

}  // namespace
}  // namespace orv
