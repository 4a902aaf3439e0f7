#include "interlinear/ilt_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadText;
using test::WriteText;

namespace fs = std::filesystem;
using Glosses = std::vector<std::string>;

class IltDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ilt_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  size_t FileCount() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

const char kHeader[] = "*BOOK Genesis\r\n*CITE Gen\r\n*LANG English\r\n*WHAT test\r\n*L-R\r\n";

struct FormatCase {
  const char* name;
  std::vector<IltVerse> verses;
  std::string expected;
};

TEST(IltFormat, WritesEditedVerseLayout) {
  const std::string nine = "abcdefghi";  // each gloss takes 10 columns with its blank
  const std::string long77(77, 'x');
  const FormatCase cases[] = {
      {"verse below 10 gets two blanks",
       {{1, 7, {"in", "beginning"}}},
       "*1\r\n7  in beginning\r\n"},
      {"verse 12 gets one blank", {{1, 12, {"and"}}}, "*1\r\n12 and\r\n"},
      {"verse 100 runs one column on", {{2, 100, {"a"}}}, "*2\r\n100 a\r\n"},
      {"empty gloss is dots", {{1, 1, {"", "b"}}}, "*1\r\n1  ... b\r\n"},
      {"spaces become hyphens", {{1, 1, {"the earth"}}}, "*1\r\n1  the-earth\r\n"},
      {"line breaks become hyphens", {{1, 1, {"a\r\nb"}}}, "*1\r\n1  a--b\r\n"},
      {"no glosses", {{1, 3, {}}}, "*1\r\n3 \r\n"},
      {"chapter line only on change",
       {{1, 30, {"a"}}, {1, 31, {"b"}}, {2, 1, {"c"}}},
       "*1\r\n30 a\r\n31 b\r\n*2\r\n1  c\r\n"},
      {"break before the gloss passing 80",
       {{1, 1, Glosses(8, nine)}},
       "*1\r\n1 " + std::string() +
           " abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi\r\n"
           "   abcdefghi\r\n"},
      {"exactly 80 stays",
       {{1, 1, {std::string(76, 'y')}}},
       "*1\r\n1  " + std::string(76, 'y') + "\r\n"},
      {"too long for any line", {{1, 1, {long77}}}, "*1\r\n1 \r\n   " + long77 + "\r\n"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatEditedVerses(c.verses), c.expected) << c.name;
  }
}

struct ReadCase {
  const char* name;
  std::string text;
  uint8_t chapter;
  std::vector<std::pair<int, Glosses>> expected;
};

TEST(IltRead, ReadsGlossesOfOneChapter) {
  const ReadCase cases[] = {
      {"verse and continuation",
       "*1\r\n1  a b\r\n  c\r\n2  d\r\n",
       1,
       {{1, {"a", "b", "c"}}, {2, {"d"}}}},
      {"other chapter skipped", "*1\r\n1  a\r\n*2\r\n1  b\r\n", 2, {{1, {"b"}}}},
      {"dots read as empty", "*1\r\n1  ... b\r\n", 1, {{1, {"", "b"}}}},
      {"annotations skipped", "*1\r\n1  <n> a <x> b\r\n", 1, {{1, {"a", "b"}}}},
      {"comment lines skipped", "*1\r\n1  a\r\n; note\r\n  b\r\n", 1, {{1, {"a", "b"}}}},
      {"LF only and no final line end", "*1\n1 a\n2 b", 1, {{1, {"a"}}, {2, {"b"}}}},
      {"stray words before any verse dropped",
       "stray words\r\n*1\r\nmore\r\n1  a\r\n",
       1,
       {{1, {"a"}}}},
      {"indented number continues", "*1\r\n1  a\r\n 2 b\r\n", 1, {{1, {"a", "2", "b"}}}},
      {"verses out of order kept in file order",
       "*1\r\n5  e\r\n3  c\r\n",
       1,
       {{5, {"e"}}, {3, {"c"}}}},
      {"numbers wrap at a byte", "*257\r\n300 a\r\n", 1, {{44, {"a"}}}},
      {"words after a new chapter line without verse",
       "*1\r\n1  a\r\n*2\r\n  b\r\n",
       1,
       {{1, {"a"}}}},
      {"headers and R-L ignored", "*BOOK x y\r\n* R-L\r\n*1\r\n1  a\r\n", 1, {{1, {"a"}}}},
      {"missing chapter", std::string(kHeader), 1, {}},
  };
  for (const ReadCase& c : cases) {
    std::vector<IltVerse> got = ReadIltChapter(c.text, c.chapter);
    ASSERT_EQ(got.size(), c.expected.size()) << c.name;
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].chapter, c.chapter) << c.name;
      EXPECT_EQ(got[i].verse, c.expected[i].first) << c.name;
      EXPECT_EQ(got[i].glosses, c.expected[i].second) << c.name;
    }
  }
}

struct MergeCase {
  const char* name;
  std::string book;
  std::string edited;
  std::string expected;
};

TEST(IltMerge, EditedVersesReplaceThoseWithTheSameCitation) {
  const std::string h = kHeader;
  const MergeCase cases[] = {
      {"replace middle verse and its continuation", h + "*1\r\n1  a\r\n2  b\r\n  bb\r\n3  c\r\n",
       "*1\r\n2  B\r\n", h + "*1\r\n1  a\r\n2  B\r\n3  c\r\n"},
      {"edited continuation kept", h + "*1\r\n1  a\r\n2  b\r\n", "*1\r\n1  A\r\n   A2\r\n",
       h + "*1\r\n1  A\r\n   A2\r\n2  b\r\n"},
      {"new verse into headers only", h, "*1\r\n1  a\r\n", h + "*1\r\n1  a\r\n"},
      {"new verse between two", h + "*1\r\n1  a\r\n3  c\r\n", "*1\r\n2  b\r\n",
       h + "*1\r\n1  a\r\n2  b\r\n3  c\r\n"},
      {"new chapter after last", h + "*1\r\n1  a\r\n", "*2\r\n1  b\r\n",
       h + "*1\r\n1  a\r\n*2\r\n1  b\r\n"},
      {"chapter before existing", h + "*3\r\n1  c\r\n", "*2\r\n1  b\r\n",
       h + "*2\r\n1  b\r\n*3\r\n1  c\r\n"},
      {"empty book file", "", "*1\r\n1  a\r\n", "*1\r\n1  a\r\n"},
      {"empty edit rewrites lines with CR LF", "*1\n1  a", "", "*1\r\n1  a\r\n"},
  };
  for (const MergeCase& c : cases) {
    EXPECT_EQ(MergeVerseText(c.book, c.edited), c.expected) << c.name;
  }
}

TEST_F(IltDir, EditWrittenBackReadsAgain) {
  fs::path file = dir_ / "GEN.ILT";
  WriteText(file,
            std::string(kHeader) + "*1\r\n1  in beginning\r\n2  the earth\r\n  was\r\n3  and\r\n");
  std::vector<IltVerse> edit = {{1, 2, {"the land", "", "was formless"}}};
  ASSERT_EQ(WriteIltVerses(file.string(), edit), 0);

  std::vector<IltVerse> got = ReadIltChapter(ReadText(file), 1);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].glosses, (Glosses{"in", "beginning"}));
  EXPECT_EQ(got[1].glosses, (Glosses{"the-land", "", "was-formless"}));
  EXPECT_EQ(got[2].glosses, (Glosses{"and"}));
  EXPECT_EQ(ReadText(file).substr(0, sizeof(kHeader) - 1), kHeader);
  EXPECT_EQ(FileCount(), 1u) << "temporary files left behind";
}

TEST_F(IltDir, FirstEditCreatesMissingBookFile) {
  fs::path file = dir_ / "EXO.ILT";
  ASSERT_EQ(WriteIltVerses(file.string(), {{3, 14, {"I am"}}}), 0);
  EXPECT_EQ(ReadText(file), "*3\r\n14 I-am\r\n");
}

TEST_F(IltDir, NoTempNameLeavesFileAlone) {
  fs::path file = dir_ / "GEN.ILT";
  const std::string old = std::string(kHeader) + "*1\r\n1  a\r\n";
  WriteText(file, old);
  for (int i = 0; i <= 1000; ++i) WriteText(dir_ / ("ORV_" + std::to_string(i) + ".TMP"), "");
  EXPECT_NE(WriteIltVerses(file.string(), {{1, 1, {"b"}}}), 0);
  EXPECT_EQ(ReadText(file), old);
  EXPECT_EQ(FileCount(), 1002u);
}

TEST_F(IltDir, TargetNotAFileFailsUntouched) {
  fs::path target = dir_ / "GEN.ILT";
  fs::create_directory(target);
  WriteText(target / "keep", "x");
  EXPECT_NE(WriteIltVerses(target.string(), {{1, 1, {"b"}}}), 0);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadText(target / "keep"), "x");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(IltDir, MissingFolderOrEditedFileFails) {
  EXPECT_NE(WriteIltVerses((dir_ / "gone" / "GEN.ILT").string(), {{1, 1, {"b"}}}), 0);
  fs::path file = dir_ / "GEN.ILT";
  WriteText(file, "*1\r\n1  a\r\n");
  EXPECT_NE(MergeVerseFile(file.string(), (dir_ / "none.TMP").string()), 0);
  EXPECT_EQ(ReadText(file), "*1\r\n1  a\r\n");
}

TEST_F(IltDir, ChapterOrVerseZeroRefused) {
  fs::path file = dir_ / "GEN.ILT";
  WriteText(file, kHeader);
  EXPECT_EQ(WriteIltVerses(file.string(), {{0, 1, {"a"}}}), -1);
  EXPECT_EQ(WriteIltVerses(file.string(), {{1, 0, {"a"}}}), -1);
  EXPECT_EQ(ReadText(file), kHeader);
  EXPECT_EQ(FileCount(), 1u);
}

}  // namespace
}  // namespace orv
