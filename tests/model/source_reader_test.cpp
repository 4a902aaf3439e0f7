#include "model/source_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// "word book:chapter:verse.word" for every word the lines give, in order.
std::vector<std::string> Scan(const std::vector<std::string>& lines, int book = 1) {
  SourceScanner scanner(book);
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    scanner.Scan(line, [&](const SourceWord& w) {
      out.push_back(StorageWord(w.token).Str() + " " + std::to_string(w.cite.book) + ":" +
                    std::to_string(w.cite.chapter) + ":" + std::to_string(w.cite.verse) + "." +
                    std::to_string(w.cite.word));
    });
  }
  return out;
}

using Words = std::vector<std::string>;

struct ScanCase {
  const char* what;
  std::vector<std::string> lines;
  Words expected;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.what; }

// Expected words are in storage letters: source d, e, h, i, x read as d, o,
// e, i, h.
class SourceScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SourceScan, NumbersWordsAsTheTextSays) {
  EXPECT_EQ(Scan(GetParam().lines), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SourceScan,
    ::testing::Values(
        ScanCase{"hyphen dropped", {"*1", "1 abc def-"}, {"abc 1:1:1.1", "dof 1:1:1.2"}},
        ScanCase{"a line that begins with a space never starts a verse",
                 {"*1", "1 abc", " 2 ghi"},
                 {"abc 1:1:1.1", "2 1:1:1.2", "gei 1:1:1.3"}},
        ScanCase{"annotations are not counted",
                 {"*1", "1 abc <note> <x def"},
                 {"abc 1:1:1.1", "dof 1:1:1.2"}},
        ScanCase{"a chapter line does not restart the word counter",
                 {"*1", "1 a b", "*2", "c", "1 d"},
                 {"a 1:1:1.1", "b 1:1:1.2", "c 1:2:1.3", "d 1:2:1.1"}},
        ScanCase{
            "words before any directive or verse", {"abc", "3 de"}, {"abc 1:0:0.1", "do 1:0:3.1"}},
        ScanCase{"only a whole number in column 1 is a verse",
                 {"*1", "1x a", "  4 b", "5- c"},
                 {"1h 1:1:0.1", "a 1:1:0.2", "4 1:1:0.3", "b 1:1:0.4", "5 1:1:0.5", "c 1:1:0.6"}},
        ScanCase{"a tab is an ordinary character",
                 {"*1", "1\tab cd\t"},
                 {"1\tab 1:1:0.1", "cd\t 1:1:0.2"}},
        ScanCase{"runs of spaces and trailing spaces",
                 {"*1", "2   a    b   "},
                 {"a 1:1:2.1", "b 1:1:2.2"}},
        ScanCase{"a lone hyphen is an empty word", {"*1", "1 - a"}, {" 1:1:1.1", "a 1:1:1.2"}},
        ScanCase{"empty and annotation-only lines give nothing",
                 {"*1", "1", "", "<", "  ", "a"},
                 {"a 1:1:1.1"}},
        ScanCase{"directives other than chapters change nothing",
                 {"*1", "1 a", "*BOOK Genesis", "*CITE Gen", "*WHAT 7", "*", "*12x", "b"},
                 {"a 1:1:1.1", "b 1:1:1.2"}},
        ScanCase{"spaces after the star", {"*  3", "1 a"}, {"a 1:3:1.1"}},
        ScanCase{"numbers past a byte are taken modulo 256",
                 {"*300", "999 a", "*256", "00000000000000000000000000000257 b"},
                 {"a 1:44:231.1", "b 1:0:1.1"}},
        ScanCase{"source letters map onto storage letters",
                 {"*1", "1 uU sv KNPM yhwjxoet"},
                 {"cc 1:1:1.1", "ww 1:1:1.2", "knpm 1:1:1.3", "ievthsox 1:1:1.4"}},
        ScanCase{"a long word is cut to 11 letters, its hyphen first",
                 {"*1", "1 abgdabgdabgdab abgdabgdabg-"},
                 {"abgdabgdabg 1:1:1.1", "abgdabgdabg 1:1:1.2"}}));

TEST(SourceScanner, WordCounterWrapsAfter255WordsOfAVerse) {
  std::string line = "7";
  for (int i = 0; i < 300; ++i) line += " a";
  Words words = Scan({"*1", line});
  ASSERT_EQ(words.size(), 300u);
  EXPECT_EQ(words[254], "a 1:1:7.255");
  EXPECT_EQ(words[255], "a 1:1:7.0");
  EXPECT_EQ(words[299], "a 1:1:7.44");
}

TEST(SourceScanner, LinesOfAHundredThousandCharacters) {
  std::string many = "1";
  while (many.size() < 100000) many += " ab";
  std::string one = " " + std::string(99999, 'b');
  Words words = Scan({"*2", many, one});
  ASSERT_EQ(words.size(), 33334u);
  EXPECT_EQ(words.front(), "ab 1:2:1.1");
  EXPECT_EQ(words.back(), "bbbbbbbbbbb 1:2:1.54") << "word 33334, modulo 256";
}

TEST(SourceScanner, ReportsLineKindsAndDirectives) {
  SourceScanner s(39);
  EXPECT_EQ(s.Scan("*BOOK 1 Samuel", nullptr), SourceLine::kDirective);
  EXPECT_EQ(s.LastDirective().name, "BOOK");
  EXPECT_EQ(s.LastDirective().value, "1 Samuel");
  EXPECT_FALSE(s.LastDirective().isChapter);
  EXPECT_EQ(s.Scan("*L-R", nullptr), SourceLine::kDirective);
  EXPECT_EQ(s.LastDirective().value, "");
  EXPECT_EQ(s.Scan("* 12 rest", nullptr), SourceLine::kDirective);
  EXPECT_TRUE(s.LastDirective().isChapter);
  EXPECT_EQ(s.Chapter(), 12);
  EXPECT_EQ(s.Scan("4 a b", nullptr), SourceLine::kVerse);
  EXPECT_EQ(s.Verse(), 4);
  EXPECT_EQ(s.Scan(" 5 a", nullptr), SourceLine::kContinuation);
  EXPECT_EQ(s.Verse(), 4);
  EXPECT_EQ(s.Book(), 39);
}

TEST(SourceTokens, CiteNumbersAreWholeDecimalsModulo256) {
  uint8_t v = 9;
  EXPECT_TRUE(ParseCiteNumber("0", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(ParseCiteNumber("255", v));
  EXPECT_EQ(v, 255);
  EXPECT_TRUE(ParseCiteNumber("65537", v));
  EXPECT_EQ(v, 1);
  EXPECT_TRUE(ParseCiteNumber("99999999999999999999999", v));
  EXPECT_EQ(v, 255) << "99999999999999999999999 mod 256";
  for (const char* bad : {"", "-1", "+1", "1a", " 1", "١"}) {
    v = 7;
    EXPECT_FALSE(ParseCiteNumber(bad, v)) << bad;
    EXPECT_EQ(v, 7) << bad;
  }
}

TEST(SourceTokens, SourceSpellingKeepsTheLettersAndDropsTheHyphen) {
  EXPECT_EQ(SourceSpelling("uSvK-").Str(), "uSvK");
  EXPECT_EQ(SourceSpelling("abcdefghijklm").Str(), "abcdefghijk");
  EXPECT_EQ(SourceSpelling("a--").Str(), "a-") << "only one joining hyphen";
  EXPECT_EQ(StorageWord("a--").Str(), "a-");
  Word12 w = StorageWord("ab");
  EXPECT_EQ(std::string(w.text.data(), 11), "ab         ") << "padded with spaces";
}

TEST(SourceFiles, PathsAndMessages) {
  EXPECT_EQ(SourceFolder("/opt/orv", "Source\\"), "/opt/orv/Source/");
  EXPECT_EQ(SourceFolder("/opt/orv/", "Texts\\Hebrew"), "/opt/orv/Texts/Hebrew/");
  EXPECT_EQ(SourceFolder("/opt/orv", "/data/src"), "/data/src/");
  EXPECT_EQ(SourceFilePath("/x/Source/", 1), "/x/Source/GEN.OLF");
  EXPECT_EQ(SourceFilePath("/x/Source", 9), "/x/Source/1SA.OLF");
  EXPECT_EQ(CannotOpenMessage(8), "** Cannot open input file RUTH **");
}

}  // namespace
}  // namespace orv
