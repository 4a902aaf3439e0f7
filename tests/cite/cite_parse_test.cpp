#include "cite/cite_parse.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "cite/citation_text.h"
#include "support/fixed_counts.h"

namespace orv {
namespace {

using test::FixedCounts;

constexpr Citation kEx4v2{2, 4, 2, 3};
// Starting citations that the "any start" rows must not depend on.
constexpr std::array<Citation, 4> kAnyStarts = {kNullCite, kFirstCite, kEx4v2,
                                                Citation{39, 3, 24, 10}};

struct ParseRow {
  std::string typed;
  std::optional<Citation> start;  // none: any starting citation
  int rc;
  Citation want;  // only for kCiteOk
};

void ExpectRow(const ParseRow& r, Citation start) {
  FixedCounts counts;
  Citation cite = start;
  int rc = ParseCitation(r.typed, cite, counts);
  std::string where = "\"" + r.typed + "\" from " + CitationText(start);
  ASSERT_EQ(rc, r.rc) << where;
  // A failed parse leaves the starting citation as it was.
  EXPECT_EQ(CitationText(cite), CitationText(rc == kCiteOk ? r.want : start)) << where;
}

void ExpectRows(const std::vector<ParseRow>& rows) {
  for (const ParseRow& r : rows) {
    if (r.start) {
      ExpectRow(r, *r.start);
    } else {
      for (Citation s : kAnyStarts) ExpectRow(r, s);
    }
  }
}

// The typed forms that "Go to verse" and the lists must accept or refuse.
TEST(ParseCitation, TypedFormsOfTheCitationTable) {
  ExpectRows({
      {"Gen", {}, kCiteOk, {1, 1, 1, 1}},
      {"gen 3", {}, kCiteOk, {1, 3, 1, 1}},
      {"Genesis 3:16", {}, kCiteOk, {1, 3, 16, 1}},
      {"Gen 3:16.4", {}, kCiteOk, {1, 3, 16, 4}},
      {"12", kEx4v2, kCiteOk, {2, 12, 1, 1}},
      {":7", kEx4v2, kCiteOk, {2, 4, 7, 1}},
      {"Ps last", {}, kCiteOk, {19, 150, 6, 9}},
      {"Gen 1:LAST", {}, kCiteOk, {1, 1, 31, 14}},
      {"1 Sam 3", {}, kCiteOk, {9, 3, 1, 1}},
      {"1sam 3", {}, kCiteOk, {9, 3, 1, 1}},
      {"SONG 2", {}, kCiteOk, {22, 2, 1, 1}},
      {"Jo 1", {}, kCiteOk, {6, 1, 1, 1}},
      {"Xyz 1", {}, kCiteOk, {1, 1, 1, 1}},
      {"Gen 3.4", {}, kCiteUnreadable, {}},
      {"3.4", {}, kCiteUnreadable, {}},
      {"Gen 60", {}, kCiteBeyond, {}},
      {"Gen 1:1.1 <\xd7\x91\xd7\xa8\xd7\x90>", {}, kCiteOk, {1, 1, 1, 1}},
  });
}

TEST(ParseCitation, CountsBoundChapterAndVerseButNotTheWord) {
  ExpectRows({
      {"Gen 50", {}, kCiteOk, {1, 50, 1, 1}},
      {"Gen 51", {}, kCiteBeyond, {}},
      {"Gen 1:31", {}, kCiteOk, {1, 1, 31, 1}},
      {"Gen 1:32", {}, kCiteBeyond, {}},
      {"Gen 1:1.200", {}, kCiteOk, {1, 1, 1, 200}},
      {"Mal 4", {}, kCiteBeyond, {}},
      {"21", kEx4v2, kCiteOk, {2, 21, 1, 1}},
      {"41", kEx4v2, kCiteBeyond, {}},
      {":21", kEx4v2, kCiteBeyond, {}},
  });
}

TEST(ParseCitation, PartsWithoutABookComeFromTheStart) {
  ExpectRows({
      {".5", kEx4v2, kCiteOk, {2, 4, 2, 5}},
      {":7.3", kEx4v2, kCiteOk, {2, 4, 7, 3}},
      {"3:4", kEx4v2, kCiteOk, {2, 3, 4, 1}},
      {"3:4.5", kEx4v2, kCiteOk, {2, 3, 4, 5}},
      {"7   ", kEx4v2, kCiteOk, {2, 7, 1, 1}},
  });
}

TEST(ParseCitation, LastInAnyPartAndAnyCase) {
  ExpectRows({
      {"gen LaSt", {}, kCiteOk, {1, 50, 20, 11}},
      {"Gen 1:1.last", {}, kCiteOk, {1, 1, 1, 11}},
      {"Ps 150:LAST.2", {}, kCiteOk, {19, 150, 6, 2}},
      // Without a book "LAST" is the chapter, and the verse becomes 1 first.
      {"LAST", kEx4v2, kCiteOk, {2, 40, 1, 1}},
      {":last", kEx4v2, kCiteOk, {2, 4, 20, 1}},
      // A last chapter keeps an omitted word number at 0.
      {"Gen last:3", {}, kCiteOk, {1, 50, 3, 0}},
      // A starting book of 255 is the last book; its chapter, left out, too.
      {".4", Citation{255, 0, 0, 0}, kCiteOk, {39, 3, 24, 4}},
  });
}

TEST(ParseCitation, PartsInTheWrongPlaceAreUnreadable) {
  ExpectRows({
      {"Gen 1.2:3", {}, kCiteUnreadable, {}},
      {"Gen 2:3 4", {}, kCiteUnreadable, {}},
      {"Gen :3", {}, kCiteUnreadable, {}},
      {"Gen .3", {}, kCiteUnreadable, {}},
      {"Gen :3.4", {}, kCiteUnreadable, {}},
      {"1.2", kEx4v2, kCiteUnreadable, {}},
  });
}

TEST(ParseCitation, AngleBracketsAndBlanks) {
  ExpectRows({
      {"<word>", {}, kCiteUnreadable, {}},
      {"Gen 1:1.1 word>", {}, kCiteUnreadable, {}},
      // Only the last bracketed part goes; the rest is book text.
      {"Gen 3:16.4 <a> <b>", {}, kCiteOk, {1, 1, 1, 1}},
      {"Gen 3:16.4<b>", {}, kCiteOk, {1, 3, 16, 4}},
      {"Gen 3:16   ", {}, kCiteOk, {1, 3, 16, 1}},
      {"", {}, kCiteUnreadable, {}},
      {"    ", {}, kCiteUnreadable, {}},
      {"x <y>", {}, kCiteOk, {1, 1, 1, 1}},
  });
}

TEST(ParseCitation, NumbersReadTheirLowByteAndZeroIsNotGiven) {
  ExpectRows({
      {"Gen 1:1.257", {}, kCiteOk, {1, 1, 1, 1}},
      {"Gen 258", {}, kCiteOk, {1, 2, 1, 1}},
      {"Gen 1:1.1000000000000000000007", {}, kCiteOk, {1, 1, 1, 7}},
      {"Gen 0", {}, kCiteOk, {1, 1, 1, 1}},
      {"Gen 2:0", {}, kCiteOk, {1, 2, 1, 1}},
      {"Gen 007:03", {}, kCiteOk, {1, 7, 3, 1}},
  });
}

TEST(ParseCitation, NumberGluedToTextIsDroppedWithItsCharacter) {
  ExpectRows({
      // "n3" goes, "Ge" is the book text.
      {"Gen3", {}, kCiteOk, {1, 1, 1, 1}},
      {"Ex-5 2", {}, kCiteOk, {2, 2, 1, 1}},
      // Only 30 characters of book text count: the Z lies beyond them.
      {"E" + std::string(29, ' ') + "Z 3", {}, kCiteOk, {2, 3, 1, 1}},
  });
}

TEST(ParseCitation, EveryCitationTextReadsBackAsTheSameCitation) {
  FixedCounts counts;
  for (int b = 1; b <= 39; ++b) {
    const Citation c{static_cast<uint8_t>(b), static_cast<uint8_t>(counts.Chapters(b)), 2, 5};
    for (std::string text : {CitationText(c), CitationText(c) + " <word>"}) {
      Citation got = kEx4v2;
      ASSERT_EQ(ParseCitation(text, got, counts), kCiteOk) << text;
      EXPECT_EQ(got, c) << text;
    }
  }
}

}  // namespace
}  // namespace orv
