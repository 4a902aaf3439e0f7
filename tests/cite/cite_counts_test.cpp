#include "cite/cite_counts.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "cite/cite_parse.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::TempDir;

// Chapters per book in the Hebrew text: 929 BOOK records, four blocks of
// 255 records with room in the last.
constexpr std::array<int, 39> kChapters = {50, 40, 27, 36, 34, 24,  21, 4,  31, 24, 22, 25, 29,
                                           36, 10, 13, 10, 42, 150, 31, 12, 8,  66, 52, 5,  48,
                                           12, 14, 4,  9,  1,  4,   7,  3,  3,  3,  2,  14, 3};

int VersesOf(int book, int chapter) { return 10 + (book * 3 + chapter) % 20; }
int WordsOf(int chapter, int verse) { return 1 + (chapter * 7 + verse) % 13; }

// A datastore set in a temporary folder with a BOOK store holding every
// chapter (Malachi may be given more chapters) and a CITE store holding the
// occurrences of Genesis 1..3 and of Malachi's last chapter.
class CiteCountsTest : public ::testing::Test {
 protected:
  CiteCountsTest() {
    std::filesystem::create_directory(dir_.File("Heb"));
    std::filesystem::create_directory(dir_.File("Xlat"));
  }

  void MakeBook(int malachiChapters = 3) {
    TDSControl* h = set_.BookDS.Open(true);
    ASSERT_TRUE(DSIsOpen(h));
    for (int b = 1; b <= 39; ++b) {
      int chapters = b == 39 ? malachiChapters : kChapters[static_cast<size_t>(b - 1)];
      for (int c = 1; c <= chapters; ++c) {
        BookRec r;
        r.book = static_cast<uint8_t>(b);
        r.chapter = static_cast<uint8_t>(c);
        r.verses = static_cast<int16_t>(VersesOf(b, c));
        r.offset = b * 100000 + c * 100;
        ASSERT_EQ(DSAppend(h, &r), kDSOk);
      }
    }
  }

  void AppendChapter(TDSControl* h, int book, int chapter) {
    for (int v = 1; v <= VersesOf(book, chapter); ++v) {
      for (int w = 1; w <= WordsOf(chapter, v); ++w) {
        CiteRec r;
        r.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter),
                  static_cast<uint8_t>(v), static_cast<uint8_t>(w)};
        ASSERT_EQ(DSAppend(h, &r), kDSOk);
      }
    }
  }

  void MakeCite() {
    TDSControl* h = set_.CiteDS.Open(true);
    ASSERT_TRUE(DSIsOpen(h));
    for (int c = 1; c <= 3; ++c) AppendChapter(h, 1, c);
    AppendChapter(h, 39, 3);
  }

  TempDir dir_;
  DatastoreSet set_{dir_.path() + "\\Heb\\", dir_.path() + "\\Xlat\\"};
  DatastoreCounts counts_{set_};
};

TEST_F(CiteCountsTest, DefaultsWhenTheStoresAreNotOpen) {
  EXPECT_EQ(counts_.Chapters(1), 10);
  EXPECT_EQ(counts_.Chapters(39), 10);
  EXPECT_EQ(counts_.Chapters(40), 3);
  EXPECT_EQ(counts_.Chapters(255), 3);
  EXPECT_EQ(counts_.Verses(1, 1), 20);
  EXPECT_EQ(counts_.Words(1, 1, 1), 20);
  EXPECT_EQ(counts_.ChapterOffset(1, 1), 0);
  // An open store without records counts as not open.
  ASSERT_TRUE(DSIsOpen(set_.BookDS.Open(true)));
  EXPECT_EQ(counts_.Chapters(1), 10);
  EXPECT_EQ(counts_.Verses(1, 1), 20);
}

TEST_F(CiteCountsTest, ChaptersOfEveryBookAcrossBlocks) {
  MakeBook();
  for (int b = 1; b <= 39; ++b)
    EXPECT_EQ(counts_.Chapters(b), kChapters[static_cast<size_t>(b - 1)]) << b;
  // Beyond the books: the last record's chapter; before them: nothing.
  EXPECT_EQ(counts_.Chapters(40), 3);
  EXPECT_EQ(counts_.Chapters(255), 3);
  EXPECT_EQ(counts_.Chapters(0), 0);
}

TEST_F(CiteCountsTest, LastBookWhenTheLastBlockIsFull) {
  MakeBook(94);  // 926 + 94 = 1020 records: four full blocks
  TDSControl* h = set_.BookDS.Handle();
  ASSERT_EQ(DSCount(h) % DSGetHeader(h).recordsPerBlock, 0);
  BookRec after;
  after.book = 40;
  after.chapter = 1;
  int32_t recNo = 0;
  ASSERT_EQ(DSFind(h, &after, recNo), kDSEnd);  // the lookup places no cursor
  EXPECT_EQ(counts_.Chapters(39), 94);
  EXPECT_EQ(counts_.Chapters(38), 14);
}

TEST_F(CiteCountsTest, VersesAndChapterOffsetsByChapter) {
  MakeBook();
  EXPECT_EQ(counts_.Verses(1, 1), VersesOf(1, 1));
  EXPECT_EQ(counts_.Verses(19, 150), VersesOf(19, 150));
  EXPECT_EQ(counts_.Verses(39, 3), VersesOf(39, 3));
  EXPECT_EQ(counts_.ChapterOffset(23, 66), 23 * 100000 + 66 * 100);
  // Missing chapters and books.
  EXPECT_EQ(counts_.Verses(1, 51), 20);
  EXPECT_EQ(counts_.Verses(40, 1), 20);
  EXPECT_EQ(counts_.Verses(1, 0), 20);
  EXPECT_EQ(counts_.ChapterOffset(1, 51), 0);
}

TEST_F(CiteCountsTest, WordsOfEveryVerseIncludingChapterAndStoreEnds) {
  MakeBook();
  MakeCite();
  // Genesis 1..3 span several CITE blocks; the last verse of a chapter is
  // followed by the next chapter, Malachi's last verse by nothing.
  for (int c = 1; c <= 3; ++c) {
    for (int v = 1; v <= VersesOf(1, c); ++v) {
      EXPECT_EQ(counts_.Words(1, c, v), WordsOf(c, v)) << "Gen " << c << ":" << v;
    }
  }
  const int lastVerse = VersesOf(39, 3);
  EXPECT_EQ(counts_.Words(39, 3, lastVerse), WordsOf(3, lastVerse));
  EXPECT_EQ(counts_.Words(39, 3, 1), WordsOf(3, 1));
}

TEST_F(CiteCountsTest, WordsUnknownWithoutTheChapterOrItsOccurrences) {
  MakeBook();
  EXPECT_EQ(counts_.Words(1, 1, 1), 20);  // CITE not open
  MakeCite();
  EXPECT_EQ(counts_.Words(1, 51, 1), 20);                  // no BOOK record
  EXPECT_EQ(counts_.Words(2, 1, VersesOf(2, 1)), 20);      // no occurrences of Exodus
  EXPECT_EQ(counts_.Words(1, 1, VersesOf(1, 1) + 1), 20);  // past the last verse
}

TEST_F(CiteCountsTest, ParserResolvesLastFromTheStores) {
  MakeBook();
  MakeCite();
  Citation cite = kFirstCite;
  ASSERT_EQ(ParseCitation("Gen 3:LAST", cite, counts_), kCiteOk);
  EXPECT_EQ(cite, (Citation{1, 3, static_cast<uint8_t>(VersesOf(1, 3)),
                            static_cast<uint8_t>(WordsOf(3, VersesOf(1, 3)))}));
  ASSERT_EQ(ParseCitation("Mal last", cite, counts_), kCiteOk);
  EXPECT_EQ(cite, (Citation{39, 3, static_cast<uint8_t>(VersesOf(39, 3)),
                            static_cast<uint8_t>(WordsOf(3, VersesOf(39, 3)))}));
  ASSERT_EQ(ParseCitation("Ps 150", cite, counts_), kCiteOk);
  EXPECT_EQ(ParseCitation("Ps 151", cite, counts_), kCiteBeyond);
  EXPECT_EQ(ParseCitation(":99", cite, counts_), kCiteBeyond);
  EXPECT_EQ(cite, (Citation{19, 150, 1, 1}));
}

}  // namespace
}  // namespace orv
