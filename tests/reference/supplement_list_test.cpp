#include "reference/supplement_list.h"

#include <gtest/gtest.h>

#include "reference/dictionary_files.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(SupplementList, NumberedLinesOneTo150BecomeEntriesAndOthersAreSkipped) {
  test::TempDir dir;
  const std::vector<std::string> file = {
      "Verb stems", "1 Qal",       "2 Niphal",    "007 Hophal", "150 last", "151 too high",
      "0 zero",     " 3 indented", "4x no blank", "9",          "",         "99999999999 huge",
  };
  test::WriteLines(dir.File("OT.VRB"), file);
  SupplementList list;
  ASSERT_TRUE(list.Load(dir.File("OT.VRB")));
  EXPECT_EQ(list.Line(1), "1 Qal");  // no CR left from the line end
  EXPECT_EQ(list.Line(2), "2 Niphal");
  EXPECT_EQ(list.Line(7), "007 Hophal");
  EXPECT_EQ(list.Line(150), "150 last");
  EXPECT_EQ(list.Line(9), "9");
  for (int n : {0, 3, 4, 5, 151, -1}) EXPECT_EQ(list.Line(n), "") << n;
  EXPECT_EQ(list.Highest(), 150);
}

TEST(SupplementList, HighestIsTheLargestNumberNotTheLastAndRepeatsReplace) {
  test::TempDir dir;
  test::WriteLines(dir.File("OT.VRB"), {"12 Piel", "3 Hiphil", "12 Pual"}, false);
  SupplementList list;
  ASSERT_TRUE(list.Load(dir.File("OT.VRB")));
  EXPECT_EQ(list.Highest(), 12);
  EXPECT_EQ(list.Line(12), "12 Pual");
  EXPECT_EQ(list.Line(3), "3 Hiphil");
}

TEST(SupplementList, MissingFileGivesTheEmptyListEvenAfterAnEarlierLoad) {
  test::TempDir dir;
  test::WriteLines(dir.File("OT.VRB"), {"5 Qal"});
  SupplementList list;
  ASSERT_TRUE(list.Load(dir.File("OT.VRB")));
  EXPECT_FALSE(list.Load(dir.File("none.VRB")));
  EXPECT_EQ(list.Highest(), 0);
  EXPECT_EQ(list.Line(5), "");
}

}  // namespace
}  // namespace orv
