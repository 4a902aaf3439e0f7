#include "reference/strongs_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "reference/dictionary_files.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::DefEntry;
using test::Entry;

using Lines = std::vector<std::string>;

const std::vector<DefEntry> kEntries = {
    Entry(1, "ab; awb; father", {"  a primitive word;", "  father"}),
    Entry(2, "ab; (Aramaic)", {"  corresponding to 1"}),
    Entry(12, "abad; to wander", {"  to perish"}),
    Entry(120, "adam; ruddy", {"  a human being"}),
    Entry(1254, "bara; to create", {"  (absolutely) to create", "  choose, cut down"}),
    Entry(7225, "reshith; the first", {"  beginning, chief"}),
};

class StrongsLookupTest : public ::testing::Test {
 protected:
  StrongsLookupTest() {
    test::WriteDict(Dict(), kEntries);
    test::WriteLines(dir.File("OT.VRB"), {"Stems", "1 Qal", "2 Niphal", "3 Piel"});
  }
  std::string Dict() const { return dir.File("Hebrew.def"); }
  std::string Index() const { return dir.File("Hebrew.XRD"); }
  SupplementList Supplements() const {
    SupplementList list;
    list.Load(dir.File("OT.VRB"));
    return list;
  }
  StrongsLookup Lookup() const { return StrongsLookup(Dict(), Index(), Supplements()); }

  test::TempDir dir;
};

TEST_F(StrongsLookupTest, ShowsHeaderWithoutStarAndLinesUpToTheNextEntry) {
  StrongsLookup lookup = Lookup();
  StrongsDefinition d = lookup.Show("1254");
  ASSERT_TRUE(d.shown) << d.message;
  EXPECT_EQ(d.caption, "Strong's definition 1254");
  EXPECT_EQ(d.lines,
            (Lines{"1254 bara; to create", "  (absolutely) to create", "  choose, cut down"}));
  EXPECT_EQ(d.message, "");
  EXPECT_TRUE(lookup.IndexValid());
  EXPECT_TRUE(std::filesystem::exists(Index()));
  // A number whose digits begin another's still finds its own entry.
  EXPECT_EQ(lookup.Show("12").lines, (Lines{"12 abad; to wander", "  to perish"}));
  EXPECT_EQ(lookup.Show("1").lines,
            (Lines{"1 ab; awb; father", "  a primitive word;", "  father"}));
}

TEST_F(StrongsLookupTest, LeadingZerosFindTheSameEntryAndTheCaptionKeepsThem) {
  StrongsLookup lookup = Lookup();
  StrongsDefinition plain = lookup.Show("120");
  StrongsDefinition padded = lookup.Show("000120");
  ASSERT_TRUE(padded.shown);
  EXPECT_EQ(padded.lines, plain.lines);
  EXPECT_EQ(padded.caption, "Strong's definition 000120");
}

TEST_F(StrongsLookupTest, SuffixAppendsItsSupplementLineOnlyWhenInTheList) {
  StrongsLookup lookup = Lookup();
  const std::string header = "1254 bara; to create";
  struct Row {
    const char* text;
    std::string first;
  };
  for (const Row& r :
       {Row{"1254-2", header + "  - 2 Niphal"}, Row{"01254-3", header + "  - 3 Piel"},
        Row{"1254-4", header}, Row{"1254-0", header}, Row{"1254-x", header}, Row{"1254-", header},
        Row{"1254-2-1", header}, Row{"1254-99999999999", header}}) {
    StrongsDefinition d = lookup.Show(r.text);
    ASSERT_TRUE(d.shown) << r.text;
    EXPECT_EQ(d.caption, std::string("Strong's definition ") + r.text);
    EXPECT_EQ(d.lines.front(), r.first) << r.text;
    EXPECT_EQ(d.lines.size(), 3u) << r.text;
  }
  StrongsLookup noList(Dict(), Index(), SupplementList());
  EXPECT_EQ(noList.Show("1254-1").lines.front(), header);
}

TEST_F(StrongsLookupTest, LastEntryRunsToTheLastLineWithOrWithoutLineEnd) {
  for (bool lastLineEnd : {true, false}) {
    test::WriteDict(Dict(), kEntries, lastLineEnd);
    test::Touch(Dict(), lastLineEnd ? 10 : 20);
    StrongsLookup lookup = Lookup();
    StrongsDefinition d = lookup.Show("7225");
    ASSERT_TRUE(d.shown);
    EXPECT_EQ(d.lines, (Lines{"7225 reshith; the first", "  beginning, chief"})) << lastLineEnd;
  }
}

TEST_F(StrongsLookupTest, NumbersWithoutEntryAreNotFound) {
  StrongsLookup lookup = Lookup();
  for (const char* text :
       {"3", "121", "7224", "7226", "8674", "0", "000", "", "-2", "abc", "12x", "99999999999"}) {
    StrongsDefinition d = lookup.Show(text);
    EXPECT_FALSE(d.shown) << text;
    EXPECT_EQ(d.message, kDefinitionNotFound) << text;
    EXPECT_EQ(d.caption, std::string("Strong's definition ") + text);
    EXPECT_TRUE(d.lines.empty()) << text;
  }
  // A failed lookup leaves the next one unharmed.
  EXPECT_TRUE(lookup.Show("2").shown);
}

TEST_F(StrongsLookupTest, MissingDictionaryIsReportedAndNotTriedAgainInTheRun) {
  std::filesystem::remove(Dict());
  StrongsLookup lookup = Lookup();
  StrongsDefinition d = lookup.Show("1");
  EXPECT_FALSE(d.shown);
  EXPECT_EQ(d.message, kCannotOpenDictionary);
  EXPECT_EQ(d.caption, "Strong's definition 1");
  EXPECT_FALSE(std::filesystem::exists(Index()));
  test::WriteDict(Dict(), kEntries);
  EXPECT_EQ(lookup.Show("1").message, kCannotOpenDictionary);
  // The next run (here: after closing) finds it.
  lookup.Close();
  EXPECT_TRUE(lookup.Show("1").shown);
}

TEST_F(StrongsLookupTest, DictionaryOutOfOrderStillShowsEveryEntry) {
  std::vector<DefEntry> shuffled = {kEntries[4], kEntries[0], kEntries[5],
                                    kEntries[2], kEntries[3], kEntries[1]};
  shuffled.push_back(Entry(12, "second twelve", {"  never shown"}));
  test::WriteDict(Dict(), shuffled);
  StrongsLookup lookup = Lookup();
  for (const DefEntry& e : kEntries) {
    std::string number = e.header.substr(1, e.header.find(' ') - 1);
    StrongsDefinition d = lookup.Show(number);
    ASSERT_TRUE(d.shown) << number;
    EXPECT_EQ(d.lines.front(), e.header.substr(1));
    EXPECT_EQ(d.lines.size(), e.lines.size() + 1) << number;
  }
  EXPECT_FALSE(lookup.Show("13").shown);
}

TEST_F(StrongsLookupTest, WithoutAnIndexTheDictionaryIsReadFromTheStart) {
  StrongsLookup lookup(Dict(), dir.File("no/such/folder/Hebrew.XRD"), Supplements());
  StrongsDefinition d = lookup.Show("7225-1");
  ASSERT_TRUE(d.shown);
  EXPECT_EQ(d.lines.front(), "7225 reshith; the first  - 1 Qal");
  EXPECT_FALSE(lookup.IndexValid());
  EXPECT_EQ(lookup.Show("120").lines.back(), "  a human being");
  EXPECT_FALSE(lookup.Show("121").shown);
}

// An index whose header and order pass every check but whose offsets point
// at the wrong lines (a dictionary replaced under the same time stamp, or
// bits flipped in the offsets) is noticed at the lookup and rebuilt.
TEST_F(StrongsLookupTest, IndexPointingAtWrongLinesIsRebuiltAtTheLookup) {
  {
    StrongsLookup lookup = Lookup();
    ASSERT_TRUE(lookup.Show("1").shown);
  }
  std::vector<unsigned char> bytes = test::ReadBytes(Index());
  const std::vector<uint32_t> offsets = test::HeaderOffsets(kEntries);
  for (size_t i = 0; i < kEntries.size(); ++i) {
    int32_t wrong = static_cast<int32_t>(offsets[i] + 3);  // inside the header line
    std::memcpy(&bytes[1024 + 1 + 8 * i + 4], &wrong, 4);
  }
  test::WriteBytes(Index(), bytes);
  StrongsLookup lookup = Lookup();
  EXPECT_EQ(lookup.Show("1254").lines.size(), 3u);
  EXPECT_EQ(lookup.Show("7224").message, kDefinitionNotFound);
  EXPECT_EQ(lookup.Show("7225").lines.back(), "  beginning, chief");
  EXPECT_TRUE(lookup.IndexValid());
  StrongsIndex check(Index(), Dict());
  ASSERT_TRUE(check.Ensure());
  IndexSpot spot;
  ASSERT_EQ(check.Locate(1254, spot), kDSOk);
  EXPECT_EQ(spot.offset, offsets[4]);
}

}  // namespace
}  // namespace orv
