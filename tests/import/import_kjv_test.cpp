// The King James import: what it names when its inputs are missing, and
// the real module in Hebrew numbering.
#include "import/import_kjv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "import/kjv_samples.h"
#include "support/real_hebrew.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

using test::kVerseMap;
using test::ReadText;
using test::SplitBlanks;
using test::WriteText;

TEST(ImportKjv, MissingModuleOrMapNamesWhatIsMissing) {
  test::TempDir dir;
  WriteText(dir.File("VerseMap.xml"), kVerseMap);
  ImportResult r = ImportKjv(dir.File("VerseMap.xml"), dir.File("out"), "NoSuchKjvModule");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("sword-text-kjv"), std::string::npos) << r.message;
  r = ImportKjv(dir.File("none.xml"), dir.File("out"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("none.xml")), std::string::npos) << r.message;
  EXPECT_FALSE(fs::exists(dir.File("out")));
}

TEST(ImportKjv, RealModuleInHebrewNumbering) {
  const std::string mapPath = test::RealHebrew::OshbDir() + "/VerseMap.xml";
  if (!fs::exists(mapPath))
    GTEST_SKIP() << "No VerseMap.xml at " << mapPath << " (set ORV_OSHB_DIR)";
  if (FindKjvModule().empty()) {
    GTEST_SKIP() << "No King James SWORD module: install the Debian package sword-text-kjv";
  }
  test::TempDir dir;
  const auto start = std::chrono::steady_clock::now();
  ImportResult r = ImportKjv(mapPath, dir.path());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_TRUE(r.ok) << r.message;
  std::cout << "[          ] King James import: " << seconds << " s\n";
  size_t files = 0;
  for (auto& e : fs::directory_iterator(dir.File("KJV"))) files += e.path().extension() == ".str";
  EXPECT_EQ(files, 39u);

  const std::string gen = ReadText(dir.File("KJV/GEN.str"));
  const std::vector<std::string> first = SplitBlanks(gen.substr(0, gen.find("\r\n1:2 ")));
  ASSERT_GE(first.size(), 4u);
  EXPECT_EQ(first[0], "1:1");
  EXPECT_EQ(first[1], "In");
  auto beginning = std::find(first.begin(), first.end(), "beginning");
  ASSERT_NE(beginning, first.end());
  EXPECT_EQ(*(beginning + 1), "7225");

  const std::string joel = ReadText(dir.File("KJV/JOEL.str"));
  EXPECT_NE(joel.find("\n3:1 And it shall come to pass afterward"), std::string::npos);
  const std::string psalms = ReadText(dir.File("KJV/PS.str"));
  EXPECT_NE(psalms.find("\n3:1 A Psalm 4210 of David, 1732 when he fled"), std::string::npos);
  EXPECT_NE(psalms.find("\n3:2 LORD, 3068 how are they"), std::string::npos);
  const std::string malachi = ReadText(dir.File("KJV/MAL.str"));
  EXPECT_NE(malachi.find("\n3:19 For, behold, the day"), std::string::npos);
  EXPECT_EQ(malachi.find("\n4:"), std::string::npos);
}

}  // namespace
}  // namespace orv
