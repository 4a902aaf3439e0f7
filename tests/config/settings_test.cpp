// Reading and writing the settings file on disk: the missing file, the
// replace-when-complete write and its failures, the settings path.
#include "config/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/settings_writer.h"
#include "support/fault_fs.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadBytes;
using test::ReadText;
using test::TempDir;

// Names in `dir` other than ORV.INI, e.g. temporary files left behind.
std::vector<std::string> Leftovers(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    if (e.path().filename() != "ORV.INI") names.push_back(e.path().filename().string());
  }
  return names;
}

Settings Changed() {
  Settings s;
  ReadSettingsText(s, "");
  s.cite = Citation{2, 5, 6, 1};
  s.header = 1;
  s.il.AddInterlinearText("Mine", "Deutsch", "ILT_D\\");
  s.il.SetSelection(1, 2);
  return s;
}

TEST(SettingsFile, MissingFileReadsLikeAnEmptyOne) {
  TempDir dir;
  Settings s, empty;
  EXPECT_FALSE(ReadSettings(s, dir.File("ORV.INI")));
  ReadSettingsText(empty, "");
  EXPECT_EQ(s, empty);
  EXPECT_TRUE(s.versionState.upgrade);
  EXPECT_FALSE(s.versionState.hadVersion);
  EXPECT_EQ(s.XlatFile(), "\\ORV\\Xlat_English\\XLAT.XRD");
  EXPECT_EQ(s.BookFile(), "\\ORV\\Source\\BOOK.XRD");
}

TEST(SettingsFile, WriteThenReadGivesTheSameSettingsAndBytes) {
  TempDir dir;
  const std::string path = dir.File("ORV.INI");
  Settings s = Changed();
  int error = -1;
  ASSERT_TRUE(WriteSettings(s, path, &error));
  EXPECT_EQ(error, 0);
  const std::string first = ReadText(path);
  EXPECT_EQ(first, FormatSettings(s));

  Settings back;
  EXPECT_TRUE(ReadSettings(back, path));
  EXPECT_EQ(back, s);
  EXPECT_FALSE(back.versionState.upgrade || back.versionState.newer);
  ASSERT_TRUE(WriteSettings(back, path));
  EXPECT_EQ(ReadText(path), first);
  EXPECT_TRUE(Leftovers(dir.path()).empty());
}

TEST(SettingsFile, WriteMakesTheMissingFolders) {
  TempDir dir;
  const std::string path = dir.path() + "/a/b/ORV.INI";
  ASSERT_TRUE(WriteSettings(Changed(), path));
  Settings back;
  EXPECT_TRUE(ReadSettings(back, path));
  EXPECT_EQ(back.header, 1);
}

TEST(SettingsFile, FailedWriteLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("ORV.INI");
  ASSERT_TRUE(WriteSettings(Settings(), path));
  const std::string old = ReadText(path);

  test::FaultFS fs;
  fs.FailAt(1);
  int error = 0;
  EXPECT_FALSE(WriteSettings(Changed(), path, &error, &fs));
  EXPECT_TRUE(fs.fired() && fs.failedWrite());
  EXPECT_NE(error, 0);
  EXPECT_EQ(ReadText(path), old);
  EXPECT_TRUE(Leftovers(dir.path()).empty()) << "the partial file is removed";
}

TEST(SettingsFile, FolderThatCannotBeMadeFailsWithACode) {
  TempDir dir;
  test::WriteBytes(dir.File("plain"), {'x'});
  int error = 0;
  EXPECT_FALSE(WriteSettings(Changed(), dir.File("plain") + "/ORV.INI", &error));
  EXPECT_NE(error, 0);
  EXPECT_EQ(ReadText(dir.File("plain")), "x");
}

TEST(SettingsFile, TargetThatCannotBeReplacedKeepsItsContents) {
  TempDir dir;
  // A non-empty folder where the file should be: the rename over it fails.
  const std::string path = dir.File("ORV.INI");
  std::filesystem::create_directory(path);
  test::WriteBytes(path + "/keep", {'k'});
  int error = 0;
  EXPECT_FALSE(WriteSettings(Changed(), path, &error));
  EXPECT_NE(error, 0);
  EXPECT_EQ(ReadText(path + "/keep"), "k");
  EXPECT_TRUE(Leftovers(dir.path()).empty());
}

TEST(SettingsFile, PathIsOrvIniInTheDataRoot) {
  test::ScopedEnv root("ORV_ROOT", "/tmp/orv-root-test");
  EXPECT_EQ(SettingsPath(), "/tmp/orv-root-test/ORV.INI");
}

}  // namespace
}  // namespace orv
