// Find and Find Next of words and Strong's numbers over small datastores.
#include "search/find.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/path_map.h"
#include "search/find_fixture.h"
#include "search/marked_search.h"
#include "search/store_scan.h"
#include "search/wildcard.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr Citation kGen1_1_1{1, 1, 1, 1};
constexpr Citation kGen1_1_3{1, 1, 1, 3};
constexpr Citation kGen1_2_1{1, 1, 2, 1};
constexpr Citation kGen1_3_1{1, 1, 3, 1};
constexpr Citation kEx2_1_1{2, 2, 1, 1};
constexpr Citation kEx3_1_1{2, 3, 1, 1};

class FindTest : public test::FindFixture {
 protected:
  FindTest() {
    Words({{"aleim", kGen1_1_3},
           {"aleim", kGen1_2_1},
           {"aleim", kEx2_1_1},
           {"brait", kGen1_1_1},
           {"abababababa", {1, 1, 5, 1}},
           {"abababababx", {1, 1, 5, 2}}});
    test::Fill(set_.CiteDS,
               std::vector<CiteRec>{Use(kGen1_1_1, 7225), Use(kGen1_1_3, 430), Use(kGen1_2_1, 430),
                                    Use(kGen1_3_1, 8674), Use(kEx2_1_1, 430), Use(kEx3_1_1, 7225)});
  }
};

TEST_F(FindTest, WordsAndNumbersAsTyped) {
  struct Row {
    const char* typed;
    const char* found;  // the marked word; "" when `message` is shown
    const char* message;
    SearchMode mode;
  };
  const Row rows[] = {
      {"0", "", kNumberOutOfRange, SearchMode::kNone},
      {"8675", "", kNumberOutOfRange, SearchMode::kNone},
      {"-3", "", kNumberOutOfRange, SearchMode::kNone},
      {"12abc", "", kWordNotFound, SearchMode::kNone},
      {"4", "", kStrongsNotFound, SearchMode::kNone},
      {"8674", "Gen 1:3.1", "", SearchMode::kStrongs},
      {" H7225 ", "Gen 1:1.1", "", SearchMode::kStrongs},
      {"h07225", "Gen 1:1.1", "", SearchMode::kStrongs},
      {"aleim", "Gen 1:1.3", "", SearchMode::kWord},
      {"ALEIM", "Gen 1:1.3", "", SearchMode::kWord},
      {"\xD7\x90\xD7\x9C\xD7\x94\xD7\x99\xD7\x9D", "Gen 1:1.3", "", SearchMode::kWord},  // אלהים
      {"aleimx", "", kWordNotFound, SearchMode::kNone},
      {"alei", "", kWordNotFound, SearchMode::kNone},
      {"abababababx", "Gen 1:5.2", "", SearchMode::kWord},
      {"abababababa", "Gen 1:5.1", "", SearchMode::kWord},
      {"abababababxa", "", kWordTooLong, SearchMode::kNone},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    view_ = ViewState{};
    ui_.messages.clear();
    SearchEnv env = Env();
    const FindResult r = FindText(env, row.typed);
    EXPECT_EQ(r, *row.found ? FindResult::kFound : FindResult::kNothing);
    EXPECT_EQ(Marked(), row.found);
    EXPECT_EQ(search_.mode, row.mode);
    if (*row.message) {
      EXPECT_THAT(ui_.messages, ElementsAre(row.message));
    } else {
      EXPECT_TRUE(ui_.messages.empty());
      EXPECT_EQ(view_.currentCite.word, 1);  // the page starts at the verse
    }
  }
}

TEST_F(FindTest, FindNextToTheEndThenAnewFind) {
  SearchEnv env = Env();
  std::vector<std::string> marked;
  ASSERT_EQ(FindText(env, "aleim"), FindResult::kFound);
  marked.push_back(Marked());
  while (FindNext(env)) marked.push_back(Marked());
  EXPECT_THAT(marked, ElementsAre("Gen 1:1.3", "Gen 1:2.1", "Ex  2:1.1"));
  EXPECT_THAT(ui_.messages, ElementsAre("No more occurrences of aleim"));
  EXPECT_EQ(search_.mode, SearchMode::kNone);
  EXPECT_EQ(search_.text, "");

  // The search is over: Find Next asks for a new one.
  ui_.input.push_back("H430");
  marked.clear();
  ASSERT_TRUE(FindNext(env));
  EXPECT_THAT(ui_.calls.back(),
              "InputBox: Hebrew word & number search / Enter word or Strong's number");
  marked.push_back(Marked());
  while (FindNext(env)) marked.push_back(Marked());
  EXPECT_THAT(marked, ElementsAre("Gen 1:1.3", "Gen 1:2.1", "Ex  2:1.1"));
  EXPECT_THAT(ui_.messages.back(), "No more occurrences of H430");
  // Each jump went into the history.
  EXPECT_EQ(view_.historyCount, 6);
}

TEST_F(FindTest, CancelledOrEmptyFindKeepsTheLastSearch) {
  SearchEnv env = Env();
  ASSERT_EQ(FindText(env, "7225"), FindResult::kFound);
  ui_.input.push_back(std::nullopt);
  ui_.input.push_back("   ");
  EXPECT_EQ(FindWordOrNumber(env), FindResult::kNothing);
  EXPECT_EQ(FindWordOrNumber(env), FindResult::kNothing);
  EXPECT_TRUE(FindNext(env));
  EXPECT_EQ(Marked(), "Ex  3:1.1");
  EXPECT_TRUE(ui_.messages.empty());
}

// A block that cannot be read is reported as such, not as the end.
TEST_F(FindTest, UnreadableBlockIsAnErrorNotTheEnd) {
  CiteDamagedHalfWay(5, 6);
  SearchEnv env = Env();
  ASSERT_EQ(FindText(env, "5"), FindResult::kFound);
  EXPECT_FALSE(FindNext(env));
  EXPECT_EQ(FindText(env, "7"), FindResult::kNothing);
  EXPECT_THAT(ui_.messages, ElementsAre(kErrorAccessingDatastore, kErrorAccessingDatastore));
}

TEST_F(FindTest, SearchesChangeNoDatastoreAndCreateNone) {
  const std::string word = NativePath(set_.WordDS.Path());
  const std::string cite = NativePath(set_.CiteDS.Path());
  const auto wordBytes = test::ReadBytes(word);
  const auto citeBytes = test::ReadBytes(cite);
  SearchEnv env = Env();
  for (const char* typed : {"**", "0", "12abc", "aleim", "7225", "ab*", "%%%"}) {
    FindText(env, typed);
    while (search_.mode != SearchMode::kNone && FindNext(env)) {
    }
  }
  SearchMarkedWords(env);
  SearchMarkedUses(env);
  ui_.input.push_back("the beginning");
  SearchWordDefinitions(env);
  // WORD missing, and no build accepted: nothing happens.
  env.ensureDatastores = [] { return false; };
  set_.WordDS.ForceClose();
  std::filesystem::rename(word, word + ".away");
  const size_t shown = ui_.messages.size();
  EXPECT_EQ(FindText(env, "aleim"), FindResult::kNothing);
  EXPECT_EQ(ui_.messages.size(), shown);
  std::filesystem::rename(word + ".away", word);

  for (TXRDataStore* s : {&set_.WordDS, &set_.CiteDS, &set_.XlatDS, &set_.FOc2DS}) {
    s->ForceClose();
  }
  EXPECT_EQ(test::ReadBytes(word), wordBytes);
  EXPECT_EQ(test::ReadBytes(cite), citeBytes);
  EXPECT_FALSE(std::filesystem::exists(NativePath(set_.XlatDS.Path())));
  EXPECT_FALSE(std::filesystem::exists(NativePath(set_.FOc2DS.Path())));
  EXPECT_EQ(ui_.messages.back(), kTextNotInDefinitions);
}

}  // namespace
}  // namespace orv
