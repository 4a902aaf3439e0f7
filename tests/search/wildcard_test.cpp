// Pattern validation, the wildcard filters and the match list of Find.
#include "search/wildcard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/find.h"
#include "search/find_fixture.h"

namespace orv {
namespace {

using ::testing::ElementsAreArray;

TEST(WildcardPattern, ValidationRules) {
  struct Row {
    const char* typed;
    const char* message;
    PatternKind kind;
    int starPos;
  };
  const Row rows[] = {
      {"ab*", "", PatternKind::kStar, 3},
      {"*ab", "", PatternKind::kStar, 1},
      {"a*b", "", PatternKind::kStar, 2},
      {"a*", kTooGeneral, PatternKind::kPlain, 0},
      {"*a", kTooGeneral, PatternKind::kPlain, 0},
      {"*", kTooGeneral, PatternKind::kPlain, 0},
      {"**", kInvalidWildcards, PatternKind::kPlain, 0},
      {"a**", kInvalidWildcards, PatternKind::kPlain, 0},
      {"a*b*", kInvalidWildcards, PatternKind::kPlain, 0},
      {"*%", kInvalidWildcards, PatternKind::kPlain, 0},
      {"ab%*", kInvalidWildcards, PatternKind::kPlain, 0},
      {"%%%", "", PatternKind::kPercent, 0},
      {"%", "", PatternKind::kPercent, 0},
      {"a%b%", "", PatternKind::kPercent, 0},
      {"abababababa", "", PatternKind::kPlain, 0},
      {"abababababab", kWordTooLong, PatternKind::kPlain, 0},
      {"ab*cdefghijk", kWordTooLong, PatternKind::kPlain, 0},
      {"%%%%%%%%%%%%", kWordTooLong, PatternKind::kPlain, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    WildPattern p;
    EXPECT_EQ(ValidatePattern(row.typed, p), row.message);
    if (*row.message != '\0') continue;
    EXPECT_EQ(p.kind, row.kind);
    EXPECT_EQ(p.starPos, row.starPos);
    EXPECT_EQ(p.text, row.typed);
  }
}

// Words in database order (a b w ... l ... m x): a, ab, abababababa,
// abababababx, abw, abwx, ax, axb, b, ba, bab, lab, mab, xab; "ab" and
// "bab" occur twice.
class WildcardFind : public test::FindFixture {
 protected:
  WildcardFind() {
    const char* words[] = {"a",  "b",   "ab",  "ab",  "abw", "abwx", "ax",          "axb",
                           "ba", "bab", "bab", "lab", "mab", "xab",  "abababababa", "abababababx"};
    std::vector<std::pair<std::string, Citation>> occurrences;
    uint8_t verse = 1;
    for (const char* w : words) occurrences.push_back({w, Citation{1, 1, verse++, 1}});
    Words(occurrences);
  }
};

TEST_F(WildcardFind, ListsEachFittingWordOnceInWordOrder) {
  struct Row {
    const char* typed;
    std::vector<std::string> listed;  // empty: the message below instead
    const char* message;
  };
  const Row rows[] = {
      {"ab*", {"ab", "abababababa", "abababababx", "abw", "abwx"}, ""},
      {"*ab", {"ab", "bab", "lab", "mab", "xab"}, ""},
      {"a*b", {"ab", "axb"}, ""},
      {"ab*x", {"abababababx", "abwx"}, ""},
      {"%%%", {"abw", "axb", "bab", "lab", "mab", "xab"}, ""},
      {"%", {"a", "b"}, ""},
      {"b%%", {"bab"}, ""},
      {"x%b", {"xab"}, ""},
      {"%%b", {"axb", "bab", "lab", "mab", "xab"}, ""},
      {"AB*", {"ab", "abababababa", "abababababx", "abw", "abwx"}, ""},
      {"\xD7\x90\xD7\x91*", {"ab", "abababababa", "abababababx", "abw", "abwx"}, ""},  // אב*
      {"q*q", {}, kNoWildcardMatches},
      {"1%", {}, kNoWildcardMatches},
      {"a*", {}, kTooGeneral},
      {"**", {}, kInvalidWildcards},
      {"*%", {}, kInvalidWildcards},
      {"ab%%%%%%%%%%", {}, kWordTooLong},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    ui_.lists.clear();
    ui_.messages.clear();
    SearchEnv env = Env();
    const FindResult r = FindText(env, row.typed);
    EXPECT_EQ(search_.mode, SearchMode::kNone);
    EXPECT_EQ(Marked(), "");
    if (row.listed.empty()) {
      EXPECT_EQ(r, FindResult::kNothing);
      EXPECT_TRUE(ui_.lists.empty());
      EXPECT_THAT(ui_.messages, ElementsAreArray({std::string(row.message)}));
      continue;
    }
    EXPECT_EQ(r, FindResult::kListed);
    EXPECT_TRUE(ui_.messages.empty());
    ASSERT_EQ(ui_.lists.size(), 1u);
    EXPECT_EQ(ui_.lists[0].caption, "Matches to wildcard search");
    EXPECT_TRUE(ui_.lists[0].pick);
    EXPECT_EQ(ui_.lists[0].selected, 0);
    EXPECT_THAT(ui_.lists[0].lines, ElementsAreArray(row.listed));
  }
}

TEST_F(WildcardFind, ChosenWordIsFoundThenFollowedByFindNext) {
  ui_.listChoice.push_back(1);  // "bab", listed once for two occurrences
  SearchEnv env = Env();
  EXPECT_EQ(FindText(env, "%%b"), FindResult::kFound);
  EXPECT_EQ(search_.mode, SearchMode::kWord);
  EXPECT_EQ(search_.text, "bab");
  EXPECT_EQ(Marked(), "Gen 1:10.1");
  EXPECT_TRUE(FindNext(env));
  EXPECT_EQ(Marked(), "Gen 1:11.1");
  EXPECT_FALSE(FindNext(env));
  EXPECT_THAT(ui_.messages, ElementsAreArray({"No more occurrences of bab"}));
}

}  // namespace
}  // namespace orv
