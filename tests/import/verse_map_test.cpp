// The verse map from King James to Hebrew numbering: where verses move,
// and the files that cannot be read.
#include "import/verse_map.h"

#include <gtest/gtest.h>

#include <string>

#include "import/kjv_samples.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::kVerseMap;
using test::WriteText;

TEST(VerseMap, MovesListedVersesKeepsTheRestAndSplitVersesWhole) {
  test::TempDir dir;
  WriteText(dir.File("map.xml"), kVerseMap);
  VerseMap map;
  ASSERT_TRUE(map.Load(dir.File("map.xml")).ok);
  EXPECT_EQ(map.size(), 9u);
  struct Row {
    const char* book;
    VerseRef kjv;
    VerseRef hebrew;
  };
  const Row rows[] = {
      {"Joel", {2, 28}, {3, 1}},
      {"Joel", {3, 1}, {4, 1}},
      {"Joel", {2, 27}, {2, 27}},
      {"Amos", {1, 1}, {1, 1}},
      {"Gen", {32, 1}, {32, 1}},
      // Two KJV verses in one Hebrew verse: both land there.
      {"Ps", {9, 4}, {9, 6}},
      {"Ps", {9, 5}, {9, 6}},
      // Listed whole with two Hebrew verses (a two-verse title before it): the last.
      {"Ps", {9, 1}, {9, 3}},
      // Only its second part moves: the verse keeps its number.
      {"Kgs", {5, 7}, {5, 7}},
      {"Kgs", {5, 8}, {5, 8}},
      // Both parts listed: where its first part is.
      {"Kgs", {6, 1}, {6, 2}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(map.HebrewVerse(r.book, r.kjv), r.hebrew)
        << r.book << " " << r.kjv.chapter << ":" << r.kjv.verse;
  }
}

TEST(VerseMap, BadFilesFailNamingFileAndLine) {
  test::TempDir dir;
  struct Case {
    const char* text;
    const char* where;
  } cases[] = {
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Joel.3.1\" kjv=\"Joel.2.28\"/>\n</bok>\n",
       ":4:"},
      {"<verseMap>\n<verse wlc=\"Joel.3.1\" kjv=\"Joel.2.28\"/>\n</verseMap>\n", ":2:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n\n<verse wlc=\"Joel.3\" kjv=\"Joel.2.28\"/>", ":4:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Amos.3.1\" kjv=\"Joel.2.28\"/>", ":3:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Joel.3.1!c\" kjv=\"Joel.2.28\"/>", ":3:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse kjv=\"Joel.2.28\"/>\n</book></verseMap>", ":3:"},
  };
  for (const Case& c : cases) {
    WriteText(dir.File("bad.xml"), c.text);
    VerseMap map;
    ImportResult r = map.Load(dir.File("bad.xml"));
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_NE(r.message.find(dir.File("bad.xml") + c.where), std::string::npos) << r.message;
    EXPECT_EQ(map.size(), 0u);
  }
  VerseMap map;
  ImportResult r = map.Load(dir.File("none.xml"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("none.xml")), std::string::npos) << r.message;
}

}  // namespace
}  // namespace orv
