// Line sources over small book files and a small translation database.
#include "interlinear/line_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/datastore_set.h"
#include "model/records.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteText;

// Reads every word left, as "chapter:verse.word=text"; a chapter line shows
// as "chapter:verse.word=" with an empty text.
std::vector<std::string> Drain(LineSource& s, int limit = 100) {
  std::vector<std::string> out;
  std::string text;
  while (limit-- > 0 && SourceNextWord(s, text) == 0) {
    out.push_back(std::to_string(s.position.chapter) + ":" + std::to_string(s.position.verse) +
                  "." + std::to_string(s.position.word) + "=" + text);
  }
  return out;
}

class TextSourceTest : public ::testing::Test {
 protected:
  TextSourceTest() {
    source_.directory = dir_.path() + "/";
    source_.extension = ".ILT";
    source_.kind = SourceKind::kText;
  }
  ~TextSourceTest() override { SourceClose(source_); }

  void Book(const std::string& code, const std::string& text) {
    WriteText(dir_.File(code + ".ILT"), text);
  }

  TempDir dir_;
  LineSource source_;
};

TEST_F(TextSourceTest, ReadsWordsWithHeadersAnnotationsAndContinuations) {
  Book("GEN",
       "*BOOK Genesis\r\n*CITE Gen \r\n*LANG   English\r\n*WHAT test text\r\n*R-L\r\n"
       "*1\r\n"
       "1  in <note> beginning\r\n"
       "  created <x:y> God\r\n"
       "2 the-earth\r\n"
       "*2\r\n"
       "1 generations\r\n");
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 1}, 0), 0);
  EXPECT_EQ(source_.bookTitle, "Genesis");
  EXPECT_EQ(source_.citeStyle, "Gen ");
  EXPECT_EQ(source_.language, "English");
  EXPECT_EQ(source_.description, "test text");
  EXPECT_EQ(source_.direction, -1);
  EXPECT_EQ(Drain(source_),
            (std::vector<std::string>{"1:1.1=in", "1:1.2=beginning", "1:1.3=created", "1:1.4=God",
                                      "1:2.1=the-earth", "2:0.0=", "2:1.1=generations"}));
  EXPECT_EQ(source_.state, SourceState::kAtEnd);
  std::string text;
  EXPECT_EQ(SourceNextWord(source_, text), -1);
  EXPECT_TRUE(text.empty());
}

TEST_F(TextSourceTest, SeeksToWordsChaptersAndBackwards) {
  Book("GEN", "*1\n1 a b\n  c d\n2 e f g\n*2\n1 h i\n2 j\n*3\n1 k\n");
  // Word 4 of verse 1 lies on a continuation line.
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 4}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"1:1.4=d"});
  ASSERT_EQ(SourceSeek(source_, {1, 2, 2, 1}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"2:2.1=j"});
  // Behind the position: the file is read again from its start.
  ASSERT_EQ(SourceSeek(source_, {1, 1, 2, 2}, 0), 0);
  EXPECT_EQ(Drain(source_, 2), (std::vector<std::string>{"1:2.2=f", "1:2.3=g"}));
  // A verse that is missing places the source at the next one.
  ASSERT_EQ(SourceSeek(source_, {1, 2, 1, 9}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"2:2.1=j"});
  // After the end of the file the next placing starts over.
  Drain(source_);
  ASSERT_EQ(source_.state, SourceState::kAtEnd);
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 1}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"1:1.1=a"});
  // A chapter the file does not have.
  EXPECT_NE(SourceSeek(source_, {1, 9, 1, 1}, 0), 0);
  EXPECT_EQ(source_.state, SourceState::kAtEnd);
}

TEST_F(TextSourceTest, UsesTheChapterHintAndSurvivesAWrongOne) {
  std::string text = "*BOOK Genesis\n*1\n1 a b\n*2\n1 c d\n";
  Book("GEN", text);
  const uint32_t chapter2 = static_cast<uint32_t>(text.find("*2"));
  ASSERT_EQ(SourceSeek(source_, {1, 2, 1, 1}, chapter2), 0);
  EXPECT_EQ(source_.bookTitle, "Genesis");  // read before jumping
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"2:1.1=c"});
  // An offset that does not point at the chapter's line is not trusted.
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 2}, 5), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"1:1.2=b"});
  ASSERT_EQ(SourceSeek(source_, {1, 2, 1, 2}, 9999), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"2:1.2=d"});
}

TEST_F(TextSourceTest, SwitchesBooksAndFailsOnlyForABookWithoutItsFile) {
  Book("GEN", "*1\n1 gen\n");
  Book("EX", "*1\n1 exo\n");
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 1}, 0), 0);
  ASSERT_EQ(SourceSeek(source_, {2, 1, 1, 1}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"1:1.1=exo"});
  EXPECT_EQ(source_.position.book, 2);
  // Leviticus has no file: the source fails for it, without trying again
  // while Leviticus is asked for, and reads the other books as before.
  EXPECT_NE(SourceSeek(source_, {3, 1, 1, 1}, 0), 0);
  EXPECT_EQ(source_.state, SourceState::kFailed);
  Book("LEV", "*1\n1 lev\n");
  EXPECT_NE(SourceSeek(source_, {3, 2, 1, 1}, 0), 0);
  std::string text;
  EXPECT_EQ(SourceNextWord(source_, text), -1);
  SourceClose(source_);
  EXPECT_EQ(source_.state, SourceState::kFailed);
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 1}, 0), 0);
  EXPECT_EQ(Drain(source_, 1), std::vector<std::string>{"1:1.1=gen"});
}

TEST_F(TextSourceTest, NumbersPastAByteWrapAsTheBuildReadsThem) {
  Book("GEN", "*257\n300 a\n");
  ASSERT_EQ(SourceSeek(source_, {1, 1, 44, 1}, 0), 0);
  EXPECT_EQ(Drain(source_), std::vector<std::string>{"1:44.1=a"});
}

TEST(LineSourceKinds, ASourceOfNoKindIsNeverPlaced) {
  LineSource s;
  std::string text;
  EXPECT_EQ(SourceSeek(s, kFirstCite, 0), -1);
  EXPECT_EQ(SourceNextWord(s, text), -1);
}

class DatabaseSourceTest : public ::testing::Test {
 protected:
  DatabaseSourceTest() : set_(dir_.path() + "/", dir_.path() + "/") {
    source_.kind = SourceKind::kDatabase;
    source_.citeStore = &set_.CiteDS;
    source_.xlatStore = &set_.XlatDS;
  }
  ~DatabaseSourceTest() override {
    set_.CiteDS.ForceClose();
    set_.XlatDS.ForceClose();
  }

  void AddCite(Citation c, uint8_t use) { test::AddCite(set_, c, 0, use); }
  void AddXlat(const std::string& word, std::vector<std::string> glosses) {
    test::AddXlat(set_, word, glosses);
  }
  std::string Next(Citation c, const std::string& word) {
    std::string text;
    EXPECT_EQ(SourceNextWord(source_, text, c, word), 0);
    return text;
  }

  TempDir dir_;
  DatastoreSet set_;
  LineSource source_;
};

TEST_F(DatabaseSourceTest, TranslatesByTheOccurrencesSelection) {
  AddCite({1, 1, 1, 1}, 2);
  AddCite({1, 1, 1, 2}, 7);
  AddCite({1, 1, 1, 3}, 0);
  AddXlat("brawix", {"beginning", "start", "head"});
  AddXlat("bra", {"created"});
  AddXlat("abcdefghijk", {"long"});
  ASSERT_EQ(SourceSeek(source_, {1, 1, 1, 1}, 0), 0);
  EXPECT_EQ(source_.citeCursor, 1);
  EXPECT_EQ(Next({1, 1, 1, 1}, "brawix"), "head");
  // Selection 7 is out of range: translation 0.
  EXPECT_EQ(Next({1, 1, 1, 2}, "brawix"), "beginning");
  EXPECT_EQ(Next({1, 1, 1, 3}, "aleim"), "");  // no XLAT record
  EXPECT_EQ(Next({1, 1, 1, 3}, ""), "");
  // A citation without a CITE record falls back to translation 0.
  EXPECT_EQ(Next({1, 2, 1, 1}, "bra"), "created");
  // Out of order: found by lookup, not by the cursor.
  EXPECT_EQ(Next({1, 1, 1, 1}, "brawix"), "head");
  // The first 11 letters are the key.
  EXPECT_EQ(Next({1, 1, 1, 3}, "abcdefghijklmno"), "long");
}

TEST_F(DatabaseSourceTest, FailsWithoutItsXlatStore) {
  source_.xlatStore = nullptr;
  EXPECT_EQ(SourceSeek(source_, kFirstCite, 0), -1);
  std::string text;
  EXPECT_EQ(SourceNextWord(source_, text, kFirstCite, "bra"), -1);
}

}  // namespace
}  // namespace orv
