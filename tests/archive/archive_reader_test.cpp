#include "archive/archive_reader.h"

#include <gtest/gtest.h>

#include <optional>

#include "archive/archive_test_util.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::Archive;
using test::MakeCite;
using test::MakeXlat;
using test::WriteText;

// Genesis 1:1 has five words (Strong's numbers 901..905), Genesis 1:2 three
// (911..913), Exodus 1:1 two (921, 922, the last records of CITE).
class ArchiveReader : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<CiteRec> cites;
    for (int w = 1; w <= 5; ++w) cites.push_back(MakeCite(1, 1, 1, w, 1, 0, 900 + w));
    for (int w = 1; w <= 3; ++w) cites.push_back(MakeCite(1, 1, 2, w, 0, 0, 910 + w));
    for (int w = 1; w <= 2; ++w) cites.push_back(MakeCite(2, 1, 1, w, 0, 0, 920 + w));
    test::Fill(s_.ds.CiteDS, cites);
    test::Fill(s_.ds.XlatDS,
               std::vector<XlatRec>{MakeXlat("abw", 1, 1, {"g0", "g1", "g2", "g3", "g4", "g5"})});
    before_ = test::All<CiteRec>(s_.ds.CiteDS);
  }

  int32_t Read(const std::string& body, bool strongsOnly = false, bool nonZeroOnly = true) {
    return ReadFile(Archive(body), strongsOnly, nonZeroOnly);
  }
  int32_t ReadFile(const std::string& text, bool strongsOnly = false, bool nonZeroOnly = true) {
    WriteText(s_.dir.File("in.TXT"), text);
    ArchiveReadOptions o;
    o.strongsOnly = strongsOnly;
    o.nonZeroOnly = nonZeroOnly;
    return ReadArchive(s_.ds, s_.dir.File("in.TXT"), o,
                       [&](const std::string& t) { shown_.push_back(t); });
  }

  CiteRec Cite(int book, int chapter, int verse, int word) {
    CiteRec r = MakeCite(book, chapter, verse, word);
    int32_t recNo;
    EXPECT_EQ(DSFind(s_.ds.CiteDS.Open(true), &r, recNo), kDSFound);
    s_.ds.CiteDS.Close();
    return r;
  }
  int Strongs(int book, int chapter, int verse, int word) {
    return Cite(book, chapter, verse, word).strongs;
  }
  std::vector<int> VerseStrongs(int book, int chapter, int verse, int words) {
    std::vector<int> out;
    for (int w = 1; w <= words; ++w) out.push_back(Strongs(book, chapter, verse, w));
    return out;
  }
  std::optional<XlatRec> Xlat(const std::string& word) {
    XlatRec r = MakeXlat(word, 0, 0, {});
    int32_t recNo;
    int32_t rc = DSFind(s_.ds.XlatDS.Open(true), &r, recNo);
    s_.ds.XlatDS.Close();
    return rc == kDSFound ? std::optional<XlatRec>(r) : std::nullopt;
  }
  bool CiteUnchanged() {
    std::vector<CiteRec> now = test::All<CiteRec>(s_.ds.CiteDS);
    return now.size() == before_.size() &&
           test::SameBytes(now.data(), before_.data(), now.size() * sizeof(CiteRec));
  }

  test::ArchiveStores s_;
  std::vector<CiteRec> before_;
  std::vector<std::string> shown_;
};

TEST_F(ArchiveReader, RefusesFilesWithoutTheTwoHeaderLines) {
  const std::string entry = "#1 1 1 1 5\r\n";
  for (const std::string& text : {std::string(), "ORV Archive File\r\n" + entry,
                                  "ORV Archive file\r\nVersion 1.9.1\r\n" + entry,
                                  "ORV Archive File \r\nVersion 1.9.1\r\n" + entry,
                                  "ORV Archive File\r\nVersion1.9.1\r\n" + entry,
                                  "\xEF\xBB\xBFORV Archive File\r\nVersion 1.9.1\r\n" + entry}) {
    EXPECT_EQ(ReadFile(text), kArchiveNotArchive) << text;
  }
  EXPECT_TRUE(CiteUnchanged());
  EXPECT_EQ(ReadArchive(s_.ds, s_.dir.File("missing.TXT"), {}), kArchiveCannotOpen);
  EXPECT_EQ(ArchiveReadMessage(kArchiveCannotOpen, false), "** Error(s) reading archive **");
  EXPECT_EQ(ArchiveReadMessage(kArchiveOk, false), "Archive successfully read");

  // Any version is accepted, and LF line ends read like CR LF.
  EXPECT_EQ(ReadFile("ORV Archive File\nVersion x\n" + entry), kArchiveOk);
  EXPECT_EQ(Strongs(1, 1, 1, 1), 5);
}

TEST_F(ArchiveReader, DefinitionReplacesTheWholeRecordAndListsOnlyItsTranslations) {
  ASSERT_EQ(Read("*abw 3 0 7 8\n0 zero\n1 one\n5 five\n"), kArchiveOk);
  std::optional<XlatRec> r = Xlat("abw");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 3);
  EXPECT_EQ(r->flags, 0);
  EXPECT_EQ(r->reserved1, 7);
  EXPECT_EQ(r->reserved2, 8);
  EXPECT_EQ(r->gloss[0].Str(), "zero");
  EXPECT_EQ(r->gloss[1].Str(), "one");
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(r->gloss[i].len, 0) << i;
    EXPECT_EQ(std::string(r->gloss[i].text.data(), 39), std::string(39, ' '));
  }
  EXPECT_EQ(r->gloss[5].Str(), "five");
  EXPECT_EQ(test::All<XlatRec>(s_.ds.XlatDS).size(), 1u);
}

TEST_F(ArchiveReader, DefinitionEndsAtTheFirstLineThatDoesNotContinueIt) {
  // A second "1" ends the definition and is skipped; so is the "3" after it.
  ASSERT_EQ(Read("*ab 0 0 0 0\n1 one\n1 again\n3 three\n"
                 "*ba 0 0 0 0\n0 x\n#1 1 1 1 42\n"
                 "*bw 0 0 0 0\n5 five\n4 four\n#1 1 1 2 43\n"),
            kArchiveOk);
  std::optional<XlatRec> ab = Xlat("ab");
  ASSERT_TRUE(ab);
  EXPECT_EQ(ab->gloss[0].len, 0);
  EXPECT_EQ(ab->gloss[1].Str(), "one");
  EXPECT_EQ(ab->gloss[3].len, 0);
  ASSERT_TRUE(Xlat("ba"));
  ASSERT_TRUE(Xlat("bw"));
  EXPECT_EQ(Xlat("bw")->gloss[4].len, 0);
  EXPECT_EQ(Strongs(1, 1, 1, 1), 42) << "the line after a definition is read as usual";
  EXPECT_EQ(Strongs(1, 1, 1, 2), 43) << "the line after translation 5 is read as usual";
}

TEST_F(ArchiveReader, DefinitionCutsLongWordsAndTextsAndReadsAtTheFileEnd) {
  ASSERT_EQ(ReadFile(Archive("*abwzidevthslk 0 0 0 0\n0 " + std::string(50, 't') + "\n") +
                     "*ab 0 0 0 0\r\n0 last"),
            kArchiveOk);
  std::optional<XlatRec> longWord = Xlat("abwzidevths");
  ASSERT_TRUE(longWord);
  EXPECT_EQ(longWord->word.Str(), "abwzidevths");
  EXPECT_EQ(longWord->gloss[0].Str(), std::string(39, 't'));
  ASSERT_TRUE(Xlat("ab"));
  EXPECT_EQ(Xlat("ab")->gloss[0].Str(), "last");
}

TEST_F(ArchiveReader, UnreadableDefinitionsAndStrongsOnlyModeLeaveXlatAlone) {
  const std::string bad =
      "*ab\n0 no\n"          // no space after the word
      "*ab 0 x 0 0\n0 no\n"  // not a number
      "*ab 0 0 0 256\n"      // does not fit a byte
      "*ab 0 0 0\n"          // a number missing
      "*ab -1 0 0 0\n";
  EXPECT_EQ(Read(bad), kArchiveOk);
  EXPECT_FALSE(Xlat("ab"));
  EXPECT_EQ(Read("*ab 0 0 0 0\n0 x\n*abw 0 0 0 0\n0 x\n", true), kArchiveOk);
  EXPECT_FALSE(Xlat("ab"));
  EXPECT_EQ(Xlat("abw")->gloss[5].Str(), "g5");
}

TEST_F(ArchiveReader, CiteEntriesFollowModeAndNonZeroSetting) {
  ASSERT_EQ(Read("+1 1 1 1\n  2 1 0\n"), kArchiveOk);
  CiteRec r = Cite(1, 1, 1, 1);
  EXPECT_EQ(r.use, 2);
  EXPECT_EQ(r.flags, 1);
  EXPECT_EQ(r.strongs, 901) << "0 is not set with only non-zero numbers processed";
  EXPECT_EQ(r.foc2, 1001) << "the word pointer is never touched";

  ASSERT_EQ(Read("+1 1 1 1\n  3 0 0\n", false, false), kArchiveOk);
  EXPECT_EQ(Cite(1, 1, 1, 1).strongs, 0);
  EXPECT_EQ(Cite(1, 1, 1, 1).use, 3);

  ASSERT_EQ(Read("+1 1 1 2\n  5 1 55\n+1 1 1 3\n  5 1 0\n", true), kArchiveOk);
  EXPECT_EQ(Cite(1, 1, 1, 2).strongs, 55);
  EXPECT_EQ(Cite(1, 1, 1, 2).use, 1) << "Strong's-only mode changes only the number";
  EXPECT_EQ(Cite(1, 1, 1, 2).flags, 0);
  EXPECT_EQ(Cite(1, 1, 1, 3).strongs, 903);
  ASSERT_EQ(Read("+1 1 1 3\n  5 1 0\n", true, false), kArchiveOk);
  EXPECT_EQ(Cite(1, 1, 1, 3).strongs, 0);
  EXPECT_EQ(Cite(1, 1, 1, 3).use, 1);
}

TEST_F(ArchiveReader, StrongsEntriesFollowTheNonZeroSetting) {
  ASSERT_EQ(Read("#1 1 1 1 0\n#1 1 1 2 77\n"), kArchiveOk);
  EXPECT_EQ(Strongs(1, 1, 1, 1), 901);
  EXPECT_EQ(Strongs(1, 1, 1, 2), 77);
  ASSERT_EQ(Read("#1 1 1 1 0\n", true, false), kArchiveOk);
  EXPECT_EQ(Strongs(1, 1, 1, 1), 0);
}

// Each row is read into fresh stores and must change nothing.
TEST_F(ArchiveReader, DamagedOrStrayLinesChangeNothing) {
  const char* rows[] = {
      "#1 1 1 1 70000\n",            // does not fit 16 bits
      "#1 1 1 1\n",                  // number missing
      "#1 1 1 300 5\n",              // word number does not fit a byte
      "#1 1 9 9 5\n",                // not in CITE
      "#1 1 1 1 5x\n",               // not a number
      "+1 1 1 1\n  1 x 5\n",         // values line not numbers
      "+1 1 1 1\n  1 1 70000\n",     // Strong's number does not fit
      "+1 1 1 1\n  1 1\n",           // values line short
      "+1 1 1 1\n",                  // values line missing at the end
      "+1 1 1\n#1 1 1 2 5\n",        // citation short: its values line is still used up
      "+1 1 1 1\n#1 1 1 2 5\n",      // a "#" where the values belong is used up as values
      "+1 1 9 9\n  1 1 5\n",         // not in CITE
      "  1 1 5\n3 three\n0 zero\n",  // values and translations out of place
      "; +1 1 1 1\n\n\x01\xff\x80\n-5\n",
      "&1 1 1\n5\n",      // "&" line short: its values line is used up
      "&1 1 1 0\n5 6\n",  // no words announced
      "&1 1 7 2\n5 6\n",  // a verse not in CITE
  };
  std::vector<XlatRec> xlat = test::All<XlatRec>(s_.ds.XlatDS);
  for (const char* body : rows) {
    for (bool strongsOnly : {false, true}) {
      EXPECT_EQ(Read(body, strongsOnly, false), kArchiveOk) << body;
      EXPECT_TRUE(CiteUnchanged()) << body;
    }
  }
  std::vector<XlatRec> after = test::All<XlatRec>(s_.ds.XlatDS);
  ASSERT_EQ(after.size(), xlat.size());
  EXPECT_TRUE(test::SameBytes(after.data(), xlat.data(), sizeof(XlatRec)));
}

TEST_F(ArchiveReader, VerseValuesSkipNegativeNumbersAndSetZeros) {
  ASSERT_EQ(Read("&1 1 1 5\n10 -1 20 30 40 50\n&1 1 2 3\n0 0 0\n"), kArchiveOk);
  EXPECT_EQ(VerseStrongs(1, 1, 1, 5), (std::vector<int>{10, 20, 30, 40, 50}));
  EXPECT_EQ(VerseStrongs(1, 1, 2, 3), (std::vector<int>{0, 0, 0})) << "0 is set even so";
  ASSERT_EQ(Read("&1 1 1 2\n  7 8\n", true), kArchiveOk);
  EXPECT_EQ(VerseStrongs(1, 1, 1, 2), (std::vector<int>{7, 8}));
}

TEST_F(ArchiveReader, VerseValuesNeverReachIntoTheNextVerse) {
  // Verse 1 has five words: words 6 and 7 do not exist there, and the first
  // words of verse 2 must not take their values.
  ASSERT_EQ(Read("&1 1 1 7\n1 2 3 4 5 6 7\n"), kArchiveOk);
  EXPECT_EQ(VerseStrongs(1, 1, 1, 5), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(VerseStrongs(1, 1, 2, 3), (std::vector<int>{911, 912, 913}));
}

// Filled in order, the first CITE block keeps N / 2 + 1 records after its
// split. A verse ending exactly there puts the lookup of its next word at the
// end of a block that is not the last, where no record lies.
TEST(ArchiveReaderBlocks, LookupsAtABlockEndFindNothing) {
  test::ArchiveStores s;
  TDSControl* h = s.ds.CiteDS.Open(true);
  const int k = DSGetHeader(h).recordsPerBlock / 2 + 1;
  for (int w = 1; w <= k; ++w) {
    CiteRec r = MakeCite(1, 1, 1, w, 0, 0, 1);
    DSInsert(h, &r);
  }
  for (int w = 1; w <= 100; ++w) {
    CiteRec r = MakeCite(1, 1, 2, w, 0, 0, 2);
    DSInsert(h, &r);
  }
  CiteRec key = MakeCite(1, 1, 1, k + 1);
  int32_t recNo = 0;
  ASSERT_EQ(DSFind(h, &key, recNo), kDSOk);
  ASSERT_EQ(recNo, k + 1);
  ASSERT_NE(DSReadAt(h, recNo, &key), kDSOk) << "the scenario needs a gap after verse 1";
  s.ds.CiteDS.Close();

  std::string values;
  for (int w = 1; w <= k + 2; ++w) values += std::to_string(w) + " ";
  std::string body = "&1 1 1 " + std::to_string(k + 2) + "\n" + values + "\n#1 1 1 " +
                     std::to_string(k + 1) + " 9\n+1 1 1 " + std::to_string(k + 1) + "\n  1 1 9\n";
  WriteText(s.dir.File("in.TXT"), Archive(body));
  EXPECT_EQ(ReadArchive(s.ds, s.dir.File("in.TXT"), {}), kArchiveOk);
  std::vector<CiteRec> all = test::All<CiteRec>(s.ds.CiteDS);
  ASSERT_EQ(all.size(), static_cast<size_t>(k + 100));
  for (int i = 0; i < k; ++i) EXPECT_EQ(all[i].strongs, i + 1);
  for (int i = k; i < k + 100; ++i) {
    EXPECT_EQ(all[i].strongs, 2);
    EXPECT_EQ(all[i].use, 0);
  }
}

TEST_F(ArchiveReader, UnusableVerseValuesTakeTheirWordButChangeNothing) {
  ASSERT_EQ(Read("&1 1 1 4\n10 x 70000 40\n"), kArchiveOk);
  EXPECT_EQ(VerseStrongs(1, 1, 1, 5), (std::vector<int>{10, 902, 903, 40, 905}));
}

TEST_F(ArchiveReader, ShortValuesLineReportsButReadingGoesOn) {
  EXPECT_EQ(Read("&1 1 1 5\n10 20\n#1 1 2 1 77\n"), kArchiveShortValues);
  EXPECT_EQ(VerseStrongs(1, 1, 1, 5), (std::vector<int>{10, 20, 903, 904, 905}));
  EXPECT_EQ(Strongs(1, 1, 2, 1), 77);

  // Far more words announced than a verse can have.
  EXPECT_EQ(Read("&1 1 2 999\n1 2 3 4 5 6 7\n"), kArchiveShortValues);
  EXPECT_EQ(VerseStrongs(1, 1, 2, 3), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(VerseStrongs(2, 1, 1, 2), (std::vector<int>{921, 922}));

  EXPECT_EQ(Read("&1 1 1 2"), kArchiveShortValues) << "values line missing at the end";
  EXPECT_EQ(Read("&1 1 1 2\n-1 -2\n"), kArchiveShortValues);
}

TEST_F(ArchiveReader, WordsPastTheLastCiteRecordReport111) {
  EXPECT_EQ(Read("&2 1 1 4\n1 2 3 4\n#1 1 1 1 77\n"), kArchiveNoPosition);
  EXPECT_EQ(VerseStrongs(2, 1, 1, 2), (std::vector<int>{1, 2}));
  EXPECT_EQ(Strongs(1, 1, 1, 1), 77) << "reading goes on after the failed line";
  EXPECT_EQ(Read("&3 1 1 1\n5\n"), kArchiveNoPosition);
  // Of several failures the last is reported.
  EXPECT_EQ(Read("&3 1 1 1\n5\n&1 1 1 2\n5\n"), kArchiveShortValues);

  s_.ds.CiteDS.Open(true);
  DSClear(s_.ds.CiteDS.Handle());
  s_.ds.CiteDS.Close();
  EXPECT_EQ(Read("&1 1 1 1\n5\n"), kArchiveNoPosition) << "CITE not built";
}

TEST_F(ArchiveReader, StatusNamesEachNewBookOfVerseValuesAndClearsAtTheEnd) {
  ASSERT_EQ(Read("&1 1 1 1\n5\n&1 1 2 1\n5\n&2 1 1 1\n5\n&1 1 1 1\n5\n"), kArchiveOk);
  EXPECT_EQ(shown_,
            (std::vector<std::string>{"Reading values for Genesis", "Reading values for Exodus",
                                      "Reading values for Genesis", ""}));
}

TEST_F(ArchiveReader, FailedWriteBackIsReported) {
  test::BrokenFS fs;
  s_.ds.CiteDS.SetFileSystem(&fs);
  fs.failWrites = true;
  EXPECT_NE(Read("#1 1 1 1 5\n"), kArchiveOk);
  fs.failWrites = false;
  s_.ds.CiteDS.ForceClose();
  s_.ds.CiteDS.SetFileSystem(nullptr);
}

TEST_F(ArchiveReader, DefaultStrongsNumbersComeFromTheProgramFolder) {
  test::TempDir program;
  WriteText(program.File("Strongs.dat"),
            Archive("*ab 0 0 0 0\n0 x\n+1 1 1 1\n  3 1 66\n&1 1 2 2\n7 8\n"));
  ASSERT_EQ(
      SetStrDef(s_.ds, program.path(), true, [&](const std::string& t) { shown_.push_back(t); }),
      kArchiveOk);
  EXPECT_EQ(shown_.front(), "Read default Strong's archive");
  EXPECT_EQ(Cite(1, 1, 1, 1).strongs, 66);
  EXPECT_EQ(Cite(1, 1, 1, 1).use, 1) << "only Strong's numbers are set";
  EXPECT_EQ(VerseStrongs(1, 1, 2, 2), (std::vector<int>{7, 8}));
  EXPECT_FALSE(Xlat("ab"));
  EXPECT_EQ(ArchiveReadMessage(kArchiveOk, true), "Default Strong's numbers successfully read");

  test::TempDir empty;
  EXPECT_EQ(SetStrDef(s_.ds, empty.path()), kArchiveCannotOpen);
}

}  // namespace
}  // namespace orv
