#include "import/import_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadText;

namespace fs = std::filesystem;

bool HasStagingLeft(const fs::path& dir) {
  for (auto& e : fs::directory_iterator(dir)) {
    if (e.path().filename().string().rfind(".import-", 0) == 0) return true;
  }
  return false;
}

TEST(ImportDriver, FailedPartReplacesNothingAndLeavesNoTemporaryFolder) {
  test::TempDir dir;
  fs::create_directories(dir.File("Source"));
  std::ofstream(dir.File("Source/GEN.OLF")) << "the user's old file";
  std::ofstream(dir.File("README.RTF")) << "old readme";
  ImportOptions options;
  options.programDir = dir.path();
  options.hebrewDir = dir.File("no-such-folder");
  options.kjv = options.dictionary = false;  // documents would succeed; Hebrew fails first
  std::vector<std::string> log;
  ImportResult r = RunImport(options, [&log](const std::string& l) { log.push_back(l); });
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("no-such-folder"), std::string::npos) << r.message;
  EXPECT_EQ(ReadText(dir.File("Source/GEN.OLF")), "the user's old file");
  EXPECT_EQ(ReadText(dir.File("README.RTF")), "old readme");
  EXPECT_FALSE(HasStagingLeft(dir.path()));
}

TEST(ImportDriver, FinishedFilesAreMovedIntoPlace) {
  test::TempDir dir;
  std::ofstream(dir.File("README.RTF")) << "old readme";
  ImportOptions options;
  options.programDir = dir.path();
  std::string bad;
  ASSERT_TRUE(ParseImportParts("docs", options, bad));
  EXPECT_FALSE(options.hebrew || options.kjv || options.dictionary);
  std::vector<std::string> log;
  ImportResult r = RunImport(options, [&log](const std::string& l) { log.push_back(l); });
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_NE(ReadText(dir.File("README.RTF")), "old readme");
  EXPECT_TRUE(fs::exists(dir.File("HELP.RTF")));
  EXPECT_FALSE(HasStagingLeft(dir.path()));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log.back().rfind("Import finished: ", 0), 0u);
}

TEST(ImportDriver, PartListNamesOnlyKnownParts) {
  ImportOptions options;
  std::string bad;
  ASSERT_TRUE(ParseImportParts("kjv,dictionary", options, bad));
  EXPECT_TRUE(options.kjv && options.dictionary && !options.hebrew && !options.docs);
  EXPECT_FALSE(ParseImportParts("hebrew,greek", options, bad));
  EXPECT_EQ(bad, "greek");
}

}  // namespace
}  // namespace orv
