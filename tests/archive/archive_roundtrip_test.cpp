// An archive written from one set of stores and read into rebuilt ones
// (CITE again with every occurrence and no user data, XLAT empty) brings
// back every definition, selection, flag and Strong's number.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "archive/archive_reader.h"
#include "archive/archive_test_util.h"
#include "archive/archive_writer.h"
#include "model/key_orders.h"

namespace orv {
namespace {

using test::MakeCite;

constexpr const char* kLetters = "abwzidevthslkngopcqrmx";

class ArchiveRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 rng(20261208);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    std::set<std::string> words;
    while (words.size() < 300) {
      std::string w;
      for (int n = pick(1, 11); n > 0; --n) w += kLetters[pick(0, 21)];
      words.insert(w);
    }
    for (const std::string& w : words) {
      XlatRec r = test::MakeXlat(w, static_cast<uint8_t>(pick(0, 255)),
                                 static_cast<uint8_t>(pick(0, 255)), {});
      for (int i = 0; i < 6; ++i) {
        if (pick(0, 2) == 0) continue;  // left empty
        std::string g;
        for (int n = pick(1, 39); n > 0; --n) g += "abcdefgh-'.,;()"[pick(0, 14)];
        r.gloss[static_cast<size_t>(i)].Set(g);
      }
      xlat_.push_back(r);
    }
    std::sort(xlat_.begin(), xlat_.end(),
              [](const XlatRec& a, const XlatRec& b) { return WordOrder(&a, &b) < 0; });
    xlat_[0].gloss[1].Set("trailing-  ");
    xlat_[1].gloss[0].Set("\xD7\x90\xD7\x91 UTF-8");

    for (int book = 1; book <= 3; ++book) {
      for (int chapter = 1; chapter <= 3; ++chapter) {
        for (int verse = 1; verse <= 10; ++verse) {
          for (int word = 1, n = pick(1, 14); word <= n; ++word) {
            int use = pick(0, 3) == 0 ? 0 : pick(0, 5);
            int strongs = pick(0, 3) == 0 ? 0 : pick(1, 8674);
            // A flag is kept only on an occurrence that has a selection or a number.
            int flags = use != 0 || strongs != 0 ? pick(0, 3) : 0;
            cite_.push_back(MakeCite(book, chapter, verse, word, use, flags, strongs));
          }
        }
      }
    }
    test::Fill(s_.ds.XlatDS, xlat_);
    test::Fill(s_.ds.CiteDS, cite_);
  }

  // CITE as a build leaves it: every occurrence, `use`/`strongs` as given.
  void Rebuild(int use, int strongs) {
    s_.ds.XlatDS.ForceClose();
    s_.ds.CiteDS.ForceClose();
    std::filesystem::remove(s_.dir.File("XLAT.XRD"));
    std::filesystem::remove(s_.dir.File("CITE.XRD"));
    std::vector<CiteRec> fresh;
    for (const CiteRec& r : cite_) {
      fresh.push_back(
          MakeCite(r.cite.book, r.cite.chapter, r.cite.verse, r.cite.word, use, 0, strongs));
    }
    test::Fill(s_.ds.CiteDS, fresh);
  }

  std::string File() const { return s_.dir.File("round.TXT"); }

  test::ArchiveStores s_;
  std::vector<XlatRec> xlat_;
  std::vector<CiteRec> cite_;
};

TEST_F(ArchiveRoundTrip, FullArchiveRestoresDefinitionsAndOccurrences) {
  ASSERT_EQ(WriteFullArchive(s_.ds, File()), 0);
  Rebuild(0, 0);
  ASSERT_EQ(ReadArchive(s_.ds, File(), {}), kArchiveOk);

  std::vector<XlatRec> xlat = test::All<XlatRec>(s_.ds.XlatDS);
  ASSERT_EQ(xlat.size(), xlat_.size());
  for (size_t i = 0; i < xlat.size(); ++i) {
    EXPECT_TRUE(test::SameBytes(&xlat[i], &xlat_[i], sizeof(XlatRec))) << xlat_[i].word.Str();
  }
  std::vector<CiteRec> cite = test::All<CiteRec>(s_.ds.CiteDS);
  ASSERT_EQ(cite.size(), cite_.size());
  for (size_t i = 0; i < cite.size(); ++i) {
    EXPECT_TRUE(test::SameBytes(&cite[i], &cite_[i], sizeof(CiteRec))) << i;
  }

  // Written again, the archive is the same file.
  std::string first = test::ReadText(File());
  ASSERT_EQ(WriteFullArchive(s_.ds, File()), 0);
  EXPECT_EQ(test::ReadText(File()), first);
}

TEST_F(ArchiveRoundTrip, StrongsArchiveRestoresOnlyStrongsNumbers) {
  ASSERT_EQ(WriteStrongsArchive(s_.ds, File(), true), 0);
  Rebuild(4, 0);
  ArchiveReadOptions strongsOnly;
  strongsOnly.strongsOnly = true;
  ASSERT_EQ(ReadArchive(s_.ds, File(), strongsOnly), kArchiveOk);
  std::vector<CiteRec> cite = test::All<CiteRec>(s_.ds.CiteDS);
  ASSERT_EQ(cite.size(), cite_.size());
  for (size_t i = 0; i < cite.size(); ++i) {
    EXPECT_EQ(cite[i].strongs, cite_[i].strongs) << i;
    EXPECT_EQ(cite[i].use, 4) << i;
  }
  EXPECT_TRUE(test::All<XlatRec>(s_.ds.XlatDS).empty());
}

TEST_F(ArchiveRoundTrip, StrongsArchiveOfEveryOccurrenceRestoresZeros) {
  ASSERT_EQ(WriteStrongsArchive(s_.ds, File(), false), 0);
  Rebuild(0, 7777);
  ArchiveReadOptions all;
  all.strongsOnly = true;
  all.nonZeroOnly = false;
  ASSERT_EQ(ReadArchive(s_.ds, File(), all), kArchiveOk);
  std::vector<CiteRec> cite = test::All<CiteRec>(s_.ds.CiteDS);
  ASSERT_EQ(cite.size(), cite_.size());
  size_t zeros = 0;
  for (size_t i = 0; i < cite.size(); ++i) {
    EXPECT_EQ(cite[i].strongs, cite_[i].strongs) << i;
    zeros += cite_[i].strongs == 0;
  }
  EXPECT_GT(zeros, 0u);
}

}  // namespace
}  // namespace orv
