// The Session's first paint and close, without the main window.
#include "session/session.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "config/settings.h"
#include "session/session_fixture.h"

namespace orv {
namespace {

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

using SessionTest = test::SessionFixture;

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

}  // namespace
}  // namespace orv
