// The occurrence lists, the counts and both reports on the whole real text,
// against figures taken independently: the Hebrew XML's Strong's numbers,
// the store records read directly, and well-known counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cite/citation_text.h"
#include "page/view_state.h"
#include "search/concordance.h"
#include "search/count_dialog.h"
#include "search/first_occurrences.h"
#include "search/occurrences.h"
#include "support/real_hebrew.h"
#include "support/store_records.h"

namespace orv {
namespace {

// Words of the XML whose Strong's number is `number` ("7225", "b/7225",
// "c/m/7225": the number after the prefixes' letters).
int XmlLemmaCount(const std::string& number) {
  int n = 0;
  for (const auto& e : std::filesystem::directory_iterator(test::RealHebrew::OshbDir())) {
    if (e.path().extension() != ".xml") continue;
    std::ifstream in(e.path());
    std::stringstream all;
    all << in.rdbuf();
    const std::string xml = all.str();
    for (size_t at = xml.find("lemma=\""); at != std::string::npos;
         at = xml.find("lemma=\"", at + 1)) {
      const size_t start = at + 7;
      const std::string lemma = xml.substr(start, xml.find('"', start) - start);
      const std::string last = lemma.substr(lemma.rfind('/') + 1);
      n += last.substr(0, last.find_first_not_of("0123456789")) == number;
    }
  }
  return n;
}

class ListsReportsReal : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::RealHebrew& data = test::RealHebrew::Get();
    if (!data.ok) GTEST_SKIP() << data.why;
    set_ = std::make_unique<DatastoreSet>(data.hebrewDir, data.xlatDir);
  }
  void TearDown() override {
    if (!set_) return;
    for (TXRDataStore* s : {&set_->WordDS, &set_->CiteDS, &set_->FOc2DS, &set_->FOccDS}) {
      s->ForceClose();
    }
  }
  std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }

  test::TempDir dir_;
  test::ScriptedUI ui_;
  std::unique_ptr<DatastoreSet> set_;
};

TEST_F(ListsReportsReal, OccurrencesOfANumberAndOfAWord) {
  const std::vector<CiteRec> cite = test::All<CiteRec>(set_->CiteDS);
  std::vector<std::string> expected;
  for (const CiteRec& r : cite) {
    if (r.strongs == 7225) expected.push_back(CitationText(r.cite));
  }
  EXPECT_EQ(static_cast<int>(expected.size()), XmlLemmaCount("7225"));
  ViewState view;
  view.popupWord = "H7225";
  view.clickedCite = {1, 1, 1, 1};
  EXPECT_EQ(ListNumberOccurrences(*set_, ui_, view), OccurrenceOutcome::kListed);
  const ListRequest& l = ui_.lists.back();
  ASSERT_EQ(l.lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(l.lines[i].substr(0, l.lines[i].find("         <")), expected[i]);
  }
  EXPECT_EQ(l.lines[0], "Gen 1:1.1         <brawix>");
  EXPECT_EQ(l.selected, 0);

  int aleim = 0;
  for (const WordRec& r : test::All<WordRec>(set_->WordDS)) aleim += r.word.View() == "aleim";
  view.popupWord = "aleim";
  EXPECT_EQ(ListWordOccurrences(*set_, ui_, view), OccurrenceOutcome::kListed);
  EXPECT_EQ(ui_.lists.back().caption,
            std::string("Occurrences of aleim   (").append(std::to_string(aleim)).append(")"));
  EXPECT_EQ(ui_.lists.back().lines[0], "Gen 1:1.3         <430>");
}

TEST_F(ListsReportsReal, CountsOfGenesisOneAndOfTheWholeText) {
  const auto count = [&](const std::string& word, CountChoice choice, const std::string& match) {
    RunWordCount(*set_, ui_, CountRequest{word, match, choice, {1, 1}});
  };
  // Elohim stands 32 times in the first chapter of Genesis.
  count("aleim", CountChoice::kChapter, "");
  count("אלהים", CountChoice::kChapter, "");
  count("430", CountChoice::kChapter, "");
  const std::string bible = std::to_string(XmlLemmaCount("7225"));
  count("7225", CountChoice::kBible, "");
  EXPECT_THAT(ui_.messages, ::testing::ElementsAre("aleim occurs 32 times in Genesis 1",
                                                   "aleim occurs 32 times in Genesis 1",
                                                   "430 occurs 32 times in Genesis 1",
                                                   "7225 occurs " + bible + " times in the Bible"));
  count("7225", CountChoice::kAllCounts, "");
  EXPECT_EQ(ui_.lists.back().lines.back(), bible + " times in Bible");

  // Words with exactly 100 occurrences in the whole text, from WORD itself.
  std::map<std::string, int> totals;
  for (const WordRec& r : test::All<WordRec>(set_->WordDS)) ++totals[r.word.Str()];
  std::set<std::string> hundred;
  for (const auto& [word, n] : totals) {
    if (n == 100) hundred.insert("'" + word + "' in Bible");
  }
  ASSERT_FALSE(hundred.empty());
  count("", CountChoice::kMatch, "100");
  std::set<std::string> listed;
  for (const std::string& line : ui_.lists.back().lines) {
    if (line.size() > 9 && line.substr(line.size() - 9) == " in Bible") listed.insert(line);
  }
  EXPECT_EQ(listed, hundred);
}

TEST_F(ListsReportsReal, ConcordanceHasEveryWordAndEveryPlace) {
  const std::vector<WordRec> words = test::All<WordRec>(set_->WordDS);
  const int32_t distinct = set_->FOc2DS.RecordCount();
  ASSERT_EQ(WriteConcordance(*set_, ui_, dir_.File("c.txt")), ReportOutcome::kWritten);
  const std::vector<std::string> lines = Lines(dir_.File("c.txt"));
  int wordLines = 0;
  size_t cites = 0;
  bool ps119 = false;
  for (size_t i = 5; i < lines.size(); ++i) {
    wordLines += !lines[i].empty() && lines[i][0] != ' ';
    for (size_t at = lines[i].find(':'); at != std::string::npos; at = lines[i].find(':', at + 1)) {
      ++cites;
    }
    ps119 = ps119 || lines[i].find("  Ps 119:176") != std::string::npos;
  }
  EXPECT_EQ(wordLines, distinct);
  EXPECT_EQ(cites, words.size());
  EXPECT_TRUE(ps119);
  const auto aleim = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& l) { return l.rfind("aleim ", 0) == 0; });
  ASSERT_NE(aleim, lines.end());
  EXPECT_EQ(aleim->substr(0, 23), "aleim         Gen  1: 1");
}

TEST_F(ListsReportsReal, FirstOccurrencesHaveEveryWordOnce) {
  const std::vector<WordRec> first = test::All<WordRec>(set_->FOccDS);
  ASSERT_EQ(static_cast<int32_t>(first.size()), set_->FOc2DS.RecordCount());
  ASSERT_EQ(WriteFirstOccurrences(*set_, ui_, dir_.File("f.txt")), ReportOutcome::kWritten);
  const std::vector<std::string> lines = Lines(dir_.File("f.txt"));
  size_t words = 0;
  for (const std::string& line : lines) {
    // A verse line's words start after its verse number.
    size_t start = 0;
    if (!line.empty() && line[0] != ' ') {
      start = line.find(':') + 1;
      while (start < line.size() && line[start] == ' ') ++start;
      while (start < line.size() && std::isdigit(static_cast<unsigned char>(line[start]))) ++start;
    }
    std::istringstream fields(line.substr(start));
    for (std::string w; fields >> w;) ++words;
  }
  EXPECT_EQ(words, first.size());
  EXPECT_EQ(lines[1].substr(0, 19), "Gen  1: 1  brawix  ");
  EXPECT_TRUE(ui_.messages.empty());
}

}  // namespace
}  // namespace orv
