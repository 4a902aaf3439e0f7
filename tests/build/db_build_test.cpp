#include "build/db_build.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "build/build_fixture.h"
#include "build/source_text.h"
#include "model/books.h"
#include "model/records.h"
#include "model/text_reader.h"

namespace orv {
namespace {

using test::Occurrence;
using test::SmallText;
using ::testing::ElementsAre;

const auto kOnePass = [] { return true; };
const auto kNoMemory = [] { return false; };

class DatastoreBuild : public test::BuildFixture {
 protected:
  // WORD, FOCC and FOC2 hold `text`'s words as they must.
  void ExpectWordStores(const SmallText& text) {
    auto word = ReadAll<WordRec>(set_.WordDS);
    auto expected = text.InWordOrder();
    ASSERT_EQ(word.size(), expected.size());
    for (size_t i = 0; i < word.size(); ++i) {
      ASSERT_EQ(word[i].word.Str(), expected[i].word) << "WORD record " << i + 1;
      ASSERT_EQ(word[i].cite, expected[i].cite) << "WORD record " << i + 1;
    }
    auto focc = ReadAll<FoccRec>(set_.FOccDS);
    auto first = text.FirstOccurrences();
    ASSERT_EQ(focc.size(), first.size());
    for (size_t i = 0; i < focc.size(); ++i) {
      EXPECT_EQ(focc[i].word.Str(), first[i].word);
      EXPECT_EQ(focc[i].cite, first[i].cite);
    }
    // FOC2: the same words in word order, each with its first citation.
    std::map<std::string, Occurrence> byRank;
    for (const Occurrence& o : first) byRank.emplace(test::RankKey(o.word), o);
    auto foc2 = ReadAll<Foc2Rec>(set_.FOc2DS);
    ASSERT_EQ(foc2.size(), byRank.size());
    size_t i = 0;
    for (const auto& [rank, o] : byRank) {
      EXPECT_EQ(foc2[i].word.Str(), o.word);
      EXPECT_EQ(foc2[i].cite, o.cite);
      EXPECT_EQ(foc2[i].reserved, 0);
      ++i;
    }
    for (TXRDataStore* s : {&set_.WordDS, &set_.FOccDS, &set_.FOc2DS}) {
      EXPECT_EQ(CheckOrder(*s), 0) << s->Tag();
    }
  }

  // CITE holds one record per word in text order; with `linked`, each names
  // its word's FOC2 record, which carries the first occurrence's source
  // spelling.
  void ExpectCiteStore(const SmallText& text, size_t words, bool linked) {
    auto cite = ReadAll<CiteRec>(set_.CiteDS);
    ASSERT_EQ(cite.size(), words);
    TDSControl* foc2 = set_.FOc2DS.Open(false);
    std::map<std::string, std::string> firstSource;
    for (const Occurrence& o : text.FirstOccurrences()) firstSource.emplace(o.word, o.source);
    for (size_t i = 0; i < cite.size(); ++i) {
      const Occurrence& o = text.words[i];
      ASSERT_EQ(cite[i].cite, o.cite) << "CITE record " << i + 1;
      EXPECT_EQ(cite[i].use, 0);
      EXPECT_EQ(cite[i].flags, 0);
      EXPECT_EQ(cite[i].strongs, 0);
      if (!linked) {
        EXPECT_EQ(cite[i].foc2, 0);
        continue;
      }
      Foc2Rec named;
      ASSERT_EQ(DSReadAt(foc2, cite[i].foc2, &named), kDSOk) << "CITE record " << i + 1;
      EXPECT_EQ(named.word.Str(), o.word) << "CITE record " << i + 1;
      EXPECT_EQ(named.source.Str(), firstSource[o.word]);
    }
    set_.FOc2DS.Close();
    EXPECT_EQ(CheckOrder(set_.CiteDS), 0);
  }
};

TEST_F(DatastoreBuild, FullBuildKeepsEveryRecordInvariant) {
  SmallText text(7);
  text.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  EXPECT_TRUE(ctx_.done);
  EXPECT_TRUE(ui_.messages.empty());
  ExpectWordStores(text);
  ExpectCiteStore(text, text.words.size(), true);
  EXPECT_EQ(set_.FOc2DS.RecordCount(), static_cast<int32_t>(text.FirstOccurrences().size()));
  EXPECT_THAT(statuses_,
              ElementsAre("Building Word && Cite datastores", "Compressing Word datastore",
                          "Closing Word datastore", "Closing FOcc datastore",
                          "Compressing FOc2 datastore", "Closing FOc2 datastore",
                          "Closing Cite datastore", " ", "Assigning pointers to Cite datastore",
                          "Closing FOc2 datastore", "Closing Cite datastore", " "));
  ASSERT_EQ(entries_.size(), 2u * kBookCount) << "once per book in each pass";
  EXPECT_EQ(entries_[kBookCount - 1], static_cast<int32_t>(text.words.size()));
  EXPECT_EQ(titles_.front(), "Genesis");
  EXPECT_EQ(titles_.back(), "-------");
  for (TXRDataStore* s : {&set_.WordDS, &set_.FOccDS, &set_.FOc2DS, &set_.CiteDS}) {
    EXPECT_EQ(s->Handle(), nullptr) << s->Tag() << " is closed after the build";
  }
  EXPECT_FALSE(FileExists(set_.BookDS));
}

TEST_F(DatastoreBuild, BookBuildRecordsEveryChapterLineAndNothingElse) {
  SmallText text(3);
  text.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{false, false, true});
  EXPECT_THAT(statuses_, ElementsAre("Building Book datastore", "Closing Book datastore"));
  EXPECT_TRUE(DSIsOpen(set_.BookDS.Handle())) << "left open for the verse reader";
  auto book = ReadAll<BookRec>(set_.BookDS);
  ASSERT_EQ(book.size(), text.chapters.size());
  PositionedReader reader;
  std::string line;
  for (size_t i = 0; i < book.size(); ++i) {
    const test::ChapterStart& c = text.chapters[i];
    EXPECT_EQ(book[i].book, c.book);
    EXPECT_EQ(book[i].chapter, c.chapter);
    EXPECT_EQ(book[i].verses, c.verses);
    EXPECT_EQ(static_cast<uint32_t>(book[i].offset), c.offset);
    ASSERT_TRUE(reader.Open(sourceDir_ + BookCode(c.book) + ".OLF"));
    reader.TextSeek(static_cast<uint32_t>(book[i].offset));
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "*" + std::to_string(c.chapter));
  }
  EXPECT_EQ(CheckOrder(set_.BookDS), 0);
  for (TXRDataStore* s : {&set_.WordDS, &set_.FOccDS, &set_.FOc2DS, &set_.CiteDS}) {
    EXPECT_FALSE(FileExists(*s)) << s->Tag();
  }
}

TEST_F(DatastoreBuild, BookCountsTheLastVerseAndTakesChaptersAsBytes) {
  for (int b = 1; b <= kBookCount; ++b) test::WriteSource(sourceDir_, b, "*BOOK x\n");
  test::WriteSource(sourceDir_, 2, "1 before any chapter\n*1\n1 a\n2 b\n*300\n999 c\n*2\n");
  RunBuild(ctx_, BuildFlags{false, false, true});
  auto book = ReadAll<BookRec>(set_.BookDS);
  ASSERT_EQ(book.size(), 3u);
  EXPECT_EQ(book[0].chapter, 1);
  EXPECT_EQ(book[0].verses, 2);
  EXPECT_EQ(book[0].offset, 22);
  EXPECT_EQ(book[1].chapter, 44) << "300 modulo 256";
  EXPECT_EQ(book[1].verses, 231) << "999 modulo 256";
  EXPECT_EQ(book[2].chapter, 2);
  EXPECT_EQ(book[2].verses, 0) << "a chapter without verse lines";
}

TEST_F(DatastoreBuild, Foc2KeepsTheSourceSpellingOfTheFirstOccurrence) {
  for (int b = 1; b <= kBookCount; ++b) test::WriteSource(sourceDir_, b, "*1\n1 z\n");
  test::WriteSource(sourceDir_, 1, "*1\n1 vaM- saN samuel-ha-shem\n2 sam- vaM ab\n");
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  auto foc2 = ReadAll<Foc2Rec>(set_.FOc2DS);
  std::vector<std::string> got;
  for (const Foc2Rec& r : foc2) got.push_back(r.word.Str() + "=" + r.source.Str());
  EXPECT_THAT(got, ElementsAre("ab=ab", "wan=saN", "wam=vaM", "wamcol-ea-w=samuel-ha-s", "z=z"))
      << "n (rank 14) sorts before m (rank 21)";
  auto cite = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(cite.size(), 44u);
  std::vector<int32_t> pointers;
  for (size_t i = 0; i < 6; ++i) pointers.push_back(cite[i].foc2);
  EXPECT_THAT(pointers, ElementsAre(3, 2, 4, 3, 3, 1));
}

TEST_F(DatastoreBuild, TwoPassBuildMakesTheSameStores) {
  SmallText text(11);
  text.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kNoMemory);
  EXPECT_EQ(statuses_.front(), "Building Word datastore");
  EXPECT_EQ(std::count(statuses_.begin(), statuses_.end(), "Building Cite datastore"), 1);
  ExpectWordStores(text);
  ExpectCiteStore(text, text.words.size(), true);
}

TEST_F(DatastoreBuild, MissingSourceFileStopsReadingAndKeepsWhatWasRead) {
  SmallText text(5);
  text.Write(sourceDir_, 5);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  EXPECT_THAT(ui_.messages,
              ElementsAre("** Cannot open input file JOS **", "** Cannot open input file JOS **"))
      << "once by the build, once by the pointer pass";
  size_t kept = text.WordsBefore(6);
  ExpectWordStores(text.Through(5));
  ExpectCiteStore(text, kept, true);
  EXPECT_TRUE(ctx_.done);
}

TEST_F(DatastoreBuild, RebuildReplacesStoresThatOthersHoldOpen) {
  SmallText first(1);
  first.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  // Exists() leaves a store open read-only, and the page's first-occurrence
  // view keeps FOCC open: the rebuild must still replace them.
  ASSERT_TRUE(set_.WordDS.Exists());
  ASSERT_TRUE(set_.FOc2DS.Exists());
  ASSERT_TRUE(set_.CiteDS.Exists());
  set_.SetFOccView(FOccView::kNone, FOccView::kText, 1);
  ASSERT_NE(set_.ActiveFOcc(), nullptr);

  SmallText second(2, 2, 3);
  second.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  EXPECT_TRUE(ui_.messages.empty());
  ASSERT_NE(set_.ActiveFOcc(), nullptr) << "the view gets the rebuilt store";
  EXPECT_EQ(DSCount(set_.ActiveFOcc()), static_cast<int32_t>(second.FirstOccurrences().size()));
  set_.SetFOccView(FOccView::kText, FOccView::kNone, 1);
  ExpectWordStores(second);
  ExpectCiteStore(second, second.words.size(), true);
}

TEST_F(DatastoreBuild, CiteRebuildDropsStrongsNumbersAndRelinksToFoc2) {
  SmallText text(9);
  text.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  TDSControl* cite = set_.CiteDS.Open(true);
  CiteRec rec;
  ASSERT_EQ(DSReadAt(cite, 5, &rec), kDSOk);
  rec.strongs = 1234;
  rec.use = 3;
  DSUpdate(cite, 5, &rec);
  set_.CiteDS.Close();

  statuses_.clear();
  RunBuild(ctx_, BuildFlags{false, true, false}, kOnePass);
  EXPECT_EQ(statuses_.front(), "Building Cite datastore");
  ExpectCiteStore(text, text.words.size(), true);
}

TEST_F(DatastoreBuild, CancelStopsTheReadingAfterTheCurrentLine) {
  SmallText text(4);
  text.Write(sourceDir_);
  ctx_.progress.book = [this](const std::string& title) {
    if (title == BookName(3)) ctx_.cancel = true;
  };
  RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
  size_t kept = text.WordsBefore(3);
  EXPECT_EQ(set_.WordDS.RecordCount(), static_cast<int32_t>(kept));
  EXPECT_EQ(std::count(statuses_.begin(), statuses_.end(), "Compressing Word datastore"), 1)
      << "a cancelled build still packs and closes";
  ExpectWordStores(text.Through(2));
  ExpectCiteStore(text, kept, true);
}

TEST_F(DatastoreBuild, CancelIsSeenWithinAFewHundredLines) {
  std::string big = "*BOOK Genesis\n*1\n";
  for (int v = 1; v <= 2000; ++v) big += std::to_string(v % 256) + " ab gd\n";
  test::WriteSource(sourceDir_, 1, big);
  bool armed = false;
  ctx_.progress.book = [&](const std::string&) { armed = true; };
  ctx_.progress.refresh = [&] {
    if (armed) ctx_.cancel = true;
  };
  BuildPass(ctx_, BuildFlags{true, false, false});
  EXPECT_EQ(set_.WordDS.RecordCount(), 2 * (BuildProgress::kRefreshLines - 2));
  EXPECT_TRUE(ui_.messages.empty()) << "no further book is opened";
}

TEST_F(DatastoreBuild, HugeLinesAndWrappingCitationsDoNotStopTheBuild) {
  for (int b = 1; b <= kBookCount; ++b) test::WriteSource(sourceDir_, b, "*1\n1 a\n");
  std::string line = "999";
  int32_t words = kBookCount - 1;
  for (; line.size() < 100000; ++words) line += " ab";
  test::WriteSource(sourceDir_, 1, "*300\n" + line + "\n");
  RunBuild(ctx_, BuildFlags{true, true, true}, kOnePass);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(set_.CiteDS.RecordCount(), words);
  EXPECT_EQ(set_.WordDS.RecordCount(), words);
  auto cite = ReadAll<CiteRec>(set_.CiteDS);
  EXPECT_EQ(cite[0].cite, (Citation{1, 44, 231, 1}));
  EXPECT_EQ(cite[255].cite, (Citation{1, 44, 231, 0})) << "word 256 of the verse";
  EXPECT_EQ(cite[0].foc2, 2) << "FOC2 holds a, then ab";
  EXPECT_NE(CheckOrder(set_.CiteDS), 0) << "wrapped citations are out of order";
}

TEST_F(DatastoreBuild, StoreThatCannotBeMadeStopsThePassBeforeReading) {
  test::WriteSource(dir_.path(), 1, "not a folder");
  DatastoreSet blocked(dir_.File("GEN.OLF/"), dir_.File("xlat/"));
  BuildContext ctx(blocked, sourceDir_, ui_);
  int books = 0;
  ctx.progress.book = [&](const std::string&) { ++books; };
  RunBuild(ctx, BuildFlags{true, true, false}, kOnePass);
  EXPECT_THAT(ui_.messages, ElementsAre("Could not open WORD datastore"));
  EXPECT_EQ(books, 0);
  EXPECT_FALSE(FileExists(blocked.CiteDS));
}

TEST_F(DatastoreBuild, StartAsksAboutStrongsNumbersAfterTheBuild) {
  SmallText text(6);
  text.Write(sourceDir_);
  int loads = 0;
  std::string statusWhileLoading;
  ui_.yesNoCancel = {1, 0, -1};
  StartBuild(ctx_, BuildFlags{true, true, false}, [&] {
    EXPECT_TRUE(ctx_.done);
    statusWhileLoading = statuses_.back();
    ++loads;
  });
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(statusWhileLoading, "Setting Strong's numbers...");
  EXPECT_EQ(statuses_.back(), "") << "the status outlives the loading";
  EXPECT_EQ(ui_.calls.back(), std::string("YesNoCancel: ") + kStrongsQuestion);

  statuses_.clear();
  StartBuild(ctx_, BuildFlags{false, false, true}, [&] { ++loads; });
  EXPECT_TRUE(statuses_.empty()) << "Start builds only WORD and CITE";
  StartBuild(ctx_, BuildFlags{false, true, false}, [&] { ++loads; });
  EXPECT_EQ(loads, 1);
}

}  // namespace
}  // namespace orv
