#include "import/import_kjv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "import/hebrew_verses.h"
#include "import/kjv_book.h"
#include "import/kjv_osis.h"
#include "import/kjv_writer.h"
#include "import/verse_map.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> tokens;
  std::istringstream in(text);
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}

std::string Texts(const std::vector<KjvToken>& tokens) {
  std::string out;
  for (const auto& t : tokens) {
    if (!out.empty()) out += ' ';
    out += (t.strongs ? "#" : "") + t.text;
  }
  return out;
}

// ------------------------------------------------------------- verse map

constexpr const char* kMap = R"(<?xml version="1.0" encoding="UTF-8"?>
<verseMap xmlns="http://www.APTBibleTools.com/namespace">
  <book osisID="Joel">
    <verse wlc="Joel.3.1" kjv="Joel.2.28" type="full"/>
    <verse wlc="Joel.4.1" kjv="Joel.3.1" type="full"/>
  </book>
  <book osisID="Amos"/>
  <book osisID="Ps">
    <verse wlc="Ps.9.2" kjv="Ps.9.1" type="full"/>
    <verse wlc="Ps.9.3" kjv="Ps.9.1" type="full"/>
    <verse wlc="Ps.9.6!a" kjv="Ps.9.4" type="partial"/>
    <verse wlc="Ps.9.6!b" kjv="Ps.9.5" type="partial"/>
  </book>
  <book osisID="Kgs">
    <verse wlc="Kgs.5.8!a" kjv="Kgs.5.7!b" type="partial"/>
    <verse wlc="Kgs.6.2" kjv="Kgs.6.1!a" type="partial"/>
    <verse wlc="Kgs.6.3" kjv="Kgs.6.1!b" type="partial"/>
  </book>
</verseMap>
)";

TEST(VerseMap, MovesListedVersesAndKeepsTheRest) {
  test::TempDir dir;
  WriteText(dir.File("map.xml"), kMap);
  VerseMap map;
  ASSERT_TRUE(map.Load(dir.File("map.xml")).ok);
  EXPECT_EQ(map.size(), 9u);
  EXPECT_EQ(map.HebrewVerse("Joel", {2, 28}), (VerseRef{3, 1}));
  EXPECT_EQ(map.HebrewVerse("Joel", {3, 1}), (VerseRef{4, 1}));
  EXPECT_EQ(map.HebrewVerse("Joel", {2, 27}), (VerseRef{2, 27}));
  EXPECT_EQ(map.HebrewVerse("Amos", {1, 1}), (VerseRef{1, 1}));
  EXPECT_EQ(map.HebrewVerse("Gen", {32, 1}), (VerseRef{32, 1}));
  // Two KJV verses in one Hebrew verse: both land there.
  EXPECT_EQ(map.HebrewVerse("Ps", {9, 4}), (VerseRef{9, 6}));
  EXPECT_EQ(map.HebrewVerse("Ps", {9, 5}), (VerseRef{9, 6}));
}

TEST(VerseMap, SplitVerseStaysWhole) {
  test::TempDir dir;
  WriteText(dir.File("map.xml"), kMap);
  VerseMap map;
  ASSERT_TRUE(map.Load(dir.File("map.xml")).ok);
  // Listed whole with two Hebrew verses (a two-verse title before it): the last.
  EXPECT_EQ(map.HebrewVerse("Ps", {9, 1}), (VerseRef{9, 3}));
  // Only its second part moves: the verse keeps its number.
  EXPECT_EQ(map.HebrewVerse("Kgs", {5, 7}), (VerseRef{5, 7}));
  EXPECT_EQ(map.HebrewVerse("Kgs", {5, 8}), (VerseRef{5, 8}));
  // Both parts listed: where its first part is.
  EXPECT_EQ(map.HebrewVerse("Kgs", {6, 1}), (VerseRef{6, 2}));
}

TEST(VerseMap, BadFilesFailNamingFileAndLine) {
  test::TempDir dir;
  struct Case {
    const char* text;
    const char* where;
  } cases[] = {
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Joel.3.1\" kjv=\"Joel.2.28\"/>\n</bok>\n",
       ":4:"},
      {"<verseMap>\n<verse wlc=\"Joel.3.1\" kjv=\"Joel.2.28\"/>\n</verseMap>\n", ":2:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n\n<verse wlc=\"Joel.3\" kjv=\"Joel.2.28\"/>", ":4:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Amos.3.1\" kjv=\"Joel.2.28\"/>", ":3:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse wlc=\"Joel.3.1!c\" kjv=\"Joel.2.28\"/>", ":3:"},
      {"<verseMap>\n<book osisID=\"Joel\">\n<verse kjv=\"Joel.2.28\"/>\n</book></verseMap>", ":3:"},
  };
  for (const Case& c : cases) {
    WriteText(dir.File("bad.xml"), c.text);
    VerseMap map;
    ImportResult r = map.Load(dir.File("bad.xml"));
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_NE(r.message.find(dir.File("bad.xml") + c.where), std::string::npos) << r.message;
    EXPECT_EQ(map.size(), 0u);
  }
  VerseMap map;
  ImportResult r = map.Load(dir.File("none.xml"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("none.xml")), std::string::npos) << r.message;
}

TEST(HebrewVerses, ReadsEveryVerseNumberInFileOrder) {
  test::TempDir dir;
  WriteText(dir.File("Gen.xml"),
            "<osis><div type=\"book\" osisID=\"Gen\">\n<chapter osisID=\"Gen.1\">\n"
            "<verse osisID=\"Gen.1.1\"><w lemma=\"b/7225\">x</w></verse>\n"
            "<verse osisID=\"Gen.1.31\"/></chapter>\n<chapter osisID=\"Gen.2\">\n"
            "<verse osisID=\"Gen.2.1\"/></chapter></div></osis>\n");
  std::vector<VerseRef> verses;
  ASSERT_TRUE(ReadHebrewVerseNumbers(dir.File("Gen.xml"), verses).ok);
  EXPECT_EQ(verses, (std::vector<VerseRef>{{1, 1}, {1, 31}, {2, 1}}));

  WriteText(dir.File("Bad.xml"),
            "<osis>\n<chapter>\n<verse osisID=\"Gen.1.x\"/>\n</chapter></osis>");
  ImportResult r = ReadHebrewVerseNumbers(dir.File("Bad.xml"), verses);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("Bad.xml") + ":3:"), std::string::npos) << r.message;
  EXPECT_TRUE(verses.empty());
  WriteText(dir.File("Cut.xml"), "<osis>\n<chapter>\n<verse osisID=\"Gen.1.1\">\n</chapter>");
  r = ReadHebrewVerseNumbers(dir.File("Cut.xml"), verses);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("Cut.xml") + ":4:"), std::string::npos) << r.message;
  r = ReadHebrewVerseNumbers(dir.File("Mal.xml"), verses);
  EXPECT_NE(r.message.find(dir.File("Mal.xml")), std::string::npos) << r.message;
}

// ------------------------------------------------------------ OSIS entry

KjvEntry Read(const std::string& osis) {
  KjvEntry entry;
  std::string error;
  EXPECT_TRUE(ReadKjvEntry(osis, entry, error)) << error;
  return entry;
}

TEST(KjvOsis, StrongsNumbersFollowTheTokenTheWordEndsIn) {
  KjvEntry e =
      Read(R"(In the <w lemma="strong:H07225">beginning</w> <w lemma="strong:H0430">God</w>, )"
           R"(<w lemma="strong:H0853 strong:H0854 lemma.TR:x strong:G2316">and</w> the )"
           R"(<w lemma="strong:H0776">earth</w>.<w lemma="strong:H0009"/> end)");
  EXPECT_EQ(Texts(e.body), "In the beginning #7225 God, #430 and #853 #854 the earth. #776 #9 end");
  EXPECT_TRUE(e.title.empty());
}

TEST(KjvOsis, MarkupOtherThanTextIsDropped) {
  // Notes with their own markup, a heading that is not a psalm title, red
  // letters, added words, paragraph signs, a USFM leftover and end tags that
  // close nothing (as the module has them), entities.
  KjvEntry e = Read(
      R"(<div type="x-milestone" subType="x-preverse" sID="pv1"/>¶ <title><foreign>ב BETH.</foreign></title>)"
      R"(the <divineName><w lemma="strong:H3068">LORD</w></divineName>:<note placement="foot">)"
      R"(<reference>6.2 </reference>the <divineName>LORD\+nd*: or, <seg><divineName>JEHOVAH</divineName>)"
      R"(</seg></note> my \nd <w lemma="strong:H3068">JEHOVAH</w></divineName> <q who="Jesus">)"
      R"(<transChange type="added">is</transChange></q><l eID="x"/>Tom&amp;Jerry&#8217;s)");
  EXPECT_EQ(Texts(e.body), "the LORD: #3068 my JEHOVAH #3068 is Tom&Jerry’s");
}

TEST(KjvOsis, PsalmTitleIsKeptApart) {
  KjvEntry e = Read(
      R"(<title canonical="true" type="psalm">A <w lemma="strong:H4210">Psalm</w> of David.</title>)"
      R"(<l sID="a"/>LORD, how)");
  EXPECT_EQ(Texts(e.title), "A Psalm #4210 of David.");
  EXPECT_EQ(Texts(e.body), "LORD, how");
  KjvEntry heading = Read(R"(<chapter n="3"/><title type="psalm">Of Asaph.</title>)");
  EXPECT_EQ(Texts(heading.title), "Of Asaph.");
  EXPECT_TRUE(heading.body.empty());
}

TEST(KjvOsis, UnclosedTagFails) {
  KjvEntry entry;
  std::string error;
  EXPECT_FALSE(ReadKjvEntry("the <w lemma=\"strong:H1\"", entry, error));
  EXPECT_FALSE(error.empty());
}

// ---------------------------------------------------------------- writer

TEST(KjvWriter, OnlyStrongsTokensEndInADigit) {
  EXPECT_EQ(FileTextToken("12"), "[12]");
  EXPECT_EQ(FileTextToken("v2"), "[v2]");
  EXPECT_EQ(FileTextToken("12,"), "12,");
  EXPECT_EQ(FileTextToken("word"), "word");
  std::string out;
  AppendVerseLines(out, {4, 5},
                   {{"in", false},
                    {"1", true},
                    {"threescore", false},
                    {"70", false},
                    {"years", false},
                    {"8141", true}});
  EXPECT_EQ(out, "4:5 in 1 threescore [70] years 8141\r\n");
}

TEST(KjvWriter, LongVersesWrapOnBlanksIntoContinuationLines) {
  std::vector<KjvToken> tokens;
  std::string expected;
  for (int i = 0; i < 60; ++i) {
    tokens.push_back({i % 3 == 2 ? std::to_string(1000 + i) : "hinds’", i % 3 == 2});
    expected += " " + tokens.back().text;
  }
  std::string out;
  AppendVerseLines(out, {119, 176}, tokens, 40);
  std::vector<std::string> lines;
  std::string joined;
  for (size_t pos = 0; pos < out.size();) {
    size_t end = out.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(out.substr(pos, end - pos));
    joined += " " + lines.back();
    pos = end + 2;
  }
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("119:176 hinds’ ", 0), 0u);
  for (size_t i = 0; i < lines.size(); ++i) {
    // "’" is one character of three bytes: lines are measured in characters.
    size_t chars = 0;
    for (unsigned char c : lines[i]) chars += (c & 0xC0) != 0x80;
    EXPECT_LE(chars, 40u) << lines[i];
    if (i + 1 < lines.size()) {
      EXPECT_GT(chars, 30u) << lines[i];  // filled before breaking
    }
    if (i > 0) {
      EXPECT_EQ(lines[i][0], ' ') << lines[i];
    }
    EXPECT_NE(lines[i].back(), ' ') << lines[i];
  }
  std::vector<std::string> words = Split(joined);
  words.erase(words.begin());
  EXPECT_EQ(words, Split(expected));
  std::string lone;
  AppendVerseLines(lone, {1, 2}, {{"a", false}, {std::string(50, 'x'), false}}, 40);
  EXPECT_EQ(lone, "1:2 a\r\n " + std::string(50, 'x') + "\r\n");
  std::string none;
  AppendVerseLines(none, {22, 44}, {});
  EXPECT_EQ(none, "22:44 \r\n");
}

TEST(KjvBook, JoinsVersesPutsTitlesFirstAndFillsGaps) {
  KjvBook book;
  book.AddText({3, 2}, {{"LORD,", false}});
  book.AddTitle(3, {{"A", false}, {"Psalm", false}, {"4210", true}});
  book.AddText({3, 5}, {{"first", false}});
  book.AddText({3, 5}, {{"second", false}});
  book.AddText({4, 1}, {{"body", false}});
  book.AddTitle(4, {{"Title", false}});
  EXPECT_EQ(book.Render(),
            "3:1 A Psalm 4210\r\n3:2 LORD,\r\n3:3 \r\n3:4 \r\n3:5 first second\r\n"
            "4:1 Title body\r\n");
}

// ------------------------------------------------------ the real module

std::string OshbDir() {
  if (const char* env = std::getenv("ORV_OSHB_DIR")) return env;
  return (fs::path(__FILE__).parent_path() / "../../../shared/data/oshb").string();
}

TEST(ImportKjv, MissingModuleOrMapNamesWhatIsMissing) {
  test::TempDir dir;
  WriteText(dir.File("VerseMap.xml"), kMap);
  ImportResult r = ImportKjv(dir.File("VerseMap.xml"), dir.File("out"), "NoSuchKjvModule");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("sword-text-kjv"), std::string::npos) << r.message;
  r = ImportKjv(dir.File("none.xml"), dir.File("out"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("none.xml")), std::string::npos) << r.message;
  EXPECT_FALSE(fs::exists(dir.File("out")));
}

TEST(ImportKjv, RealModuleInHebrewNumbering) {
  const std::string mapPath = OshbDir() + "/VerseMap.xml";
  if (!fs::exists(mapPath))
    GTEST_SKIP() << "No VerseMap.xml at " << mapPath << " (set ORV_OSHB_DIR)";
  if (FindKjvModule().empty()) {
    GTEST_SKIP() << "No King James SWORD module: install the Debian package sword-text-kjv";
  }
  test::TempDir dir;
  const auto start = std::chrono::steady_clock::now();
  ImportResult r = ImportKjv(mapPath, dir.path());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_TRUE(r.ok) << r.message;
  std::cout << "[          ] King James import: " << seconds << " s\n";
  size_t files = 0;
  for (auto& e : fs::directory_iterator(dir.File("KJV"))) files += e.path().extension() == ".str";
  EXPECT_EQ(files, 39u);

  const std::string gen = Slurp(dir.File("KJV/GEN.str"));
  const std::vector<std::string> first = Split(gen.substr(0, gen.find("\r\n1:2 ")));
  ASSERT_GE(first.size(), 4u);
  EXPECT_EQ(first[0], "1:1");
  EXPECT_EQ(first[1], "In");
  auto beginning = std::find(first.begin(), first.end(), "beginning");
  ASSERT_NE(beginning, first.end());
  EXPECT_EQ(*(beginning + 1), "7225");

  const std::string joel = Slurp(dir.File("KJV/JOEL.str"));
  EXPECT_NE(joel.find("\n3:1 And it shall come to pass afterward"), std::string::npos);
  const std::string psalms = Slurp(dir.File("KJV/PS.str"));
  EXPECT_NE(psalms.find("\n3:1 A Psalm 4210 of David, 1732 when he fled"), std::string::npos);
  EXPECT_NE(psalms.find("\n3:2 LORD, 3068 how are they"), std::string::npos);
  const std::string malachi = Slurp(dir.File("KJV/MAL.str"));
  EXPECT_NE(malachi.find("\n3:19 For, behold, the day"), std::string::npos);
  EXPECT_EQ(malachi.find("\n4:"), std::string::npos);
}

}  // namespace
}  // namespace orv
