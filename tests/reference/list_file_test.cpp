#include "reference/list_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadText;
using ::testing::ElementsAre;
using ::testing::StartsWith;

TEST(ListFile, WritesOneCrLfLinePerItemInListOrder) {
  test::TempDir dir;
  const std::string file = dir.File("Occurrences.TXT");
  EXPECT_EQ(WriteListFile(file, {"Gen 1:1.1", "", "Gen 2:4.7"}), "");
  EXPECT_EQ(ReadText(file), "Gen 1:1.1\r\n\r\nGen 2:4.7\r\n");
  // Saving again replaces the file whole; an empty list leaves it empty.
  EXPECT_EQ(WriteListFile(file, {}), "");
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(ReadText(file), "");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(ListFile, FailureNamesTheFileAndKeepsWhatWasThere) {
  test::TempDir dir;
  const std::string missing = dir.File("no/such/folder/list.TXT");
  EXPECT_THAT(WriteListFile(missing, {"a"}), StartsWith("Cannot write " + missing + ": "));
  // A folder in the file's place cannot be replaced by a file.
  std::filesystem::create_directory(dir.File("taken.TXT"));
  EXPECT_THAT(WriteListFile(dir.File("taken.TXT"), {"a"}), StartsWith("Cannot write "));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.TXT")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

class SaveListTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string root_ = dir.File("root");
  test::ScopedEnv rootEnv_{"ORV_ROOT", root_.c_str()};
  test::ScriptedUI ui;
};

TEST_F(SaveListTest, AsksInTheDataRootWithTheCaptionAsNameAndWritesTheChosenFile) {
  ui.saveFile.push_back(root_ + "/words.TXT");
  EXPECT_TRUE(SaveListFile(ui, "Count of bra/ait", {"one", "two", "three"}));
  EXPECT_EQ(ui.lastFileRequest.defaultName, "Count of bra_ait");
  EXPECT_EQ(ui.lastFileRequest.extension, "TXT");
  ASSERT_EQ(ui.lastFileRequest.filters.size(), 1u);
  EXPECT_EQ(ui.lastFileRequest.filters[0].description, "Text files");
  EXPECT_EQ(ui.lastFileRequest.filters[0].patterns, "*.TXT");
  EXPECT_EQ(ui.lastFileRequest.folder, root_);
  EXPECT_EQ(ReadText(root_ + "/words.TXT"), "one\r\ntwo\r\nthree\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveListTest, CancelWritesNothingAndAFailureIsShown) {
  ui.saveFile.push_back(std::nullopt);
  EXPECT_FALSE(SaveListFile(ui, "List", {"a"}));
  EXPECT_TRUE(ui.messages.empty());
  ui.saveFile.push_back(dir.File("gone/list.TXT"));
  EXPECT_FALSE(SaveListFile(ui, "List", {"a"}));
  EXPECT_THAT(ui.messages, ElementsAre(StartsWith("Cannot write " + dir.File("gone/list.TXT"))));
}

}  // namespace
}  // namespace orv
