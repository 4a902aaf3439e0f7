#include "import/import_hebrew.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "archive/archive_reader.h"
#include "build/build_fixture.h"
#include "build/db_build.h"
#include "import/olf_writer.h"
#include "import/oshb_reader.h"
#include "import/oshb_text.h"
#include "model/books.h"
#include "model/records.h"

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Pointed Hebrew used by the fixtures (UTF-8).
const std::string kBereshit = "בְּ/רֵאשִׁ֖ית";  // b/rasyt, shin dot after a vowel
const std::string kBara = "בָּרָ֣א";
const std::string kSin = "יַעֲשֶׂ֨ה";       // sin dot
const std::string kShinNoDot = "אשר";  // unpointed, as a ketiv is written
const std::string kEretz = "הָ/אָֽרֶץ";    // final tsade
const std::string kLarge = "אֶחָ֑<seg type=\"x-large\">ד</seg>";

std::string Osis(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">\n"
         "<osisText><div type=\"book\" osisID=\"Gen\">\n" +
         body + "\n</div></osisText></osis>\n";
}

std::string W(const std::string& lemma, const std::string& text, const std::string& type = "") {
  return "<w lemma=\"" + lemma + "\"" + (type.empty() ? "" : " type=\"" + type + "\"") + ">" +
         text + "</w>";
}

std::string Seg(const std::string& type, const std::string& text) {
  return "<seg type=\"" + type + "\">" + text + "</seg>";
}

class OshbFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& xml, const std::string& name = "Gen.xml") {
    std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary) << xml;
    return path;
  }
  OshbBook Read(const std::string& body) {
    OshbBook book;
    ImportResult r = ReadOshbBook(Write(Osis(body)), book);
    EXPECT_TRUE(r.ok) << r.message;
    return book;
  }
  test::TempDir dir_;
};

TEST(HebrewToSource, MapsEveryLetterAndDropsPointsAndDividers) {
  EXPECT_EQ(HebrewToSource("אבגדהוזחטיךכלםמןנסעףפץצקרת"), "abgdhwzxjyKklMmNnoePpUuqrt");
  EXPECT_EQ(HebrewToSource(kBereshit), "brasyt");
  EXPECT_EQ(HebrewToSource(kEretz), "harU");
  EXPECT_EQ(HebrewToSource("abc ־׃"), "");
}

TEST(HebrewToSource, TellsShinFromSinByTheDotAfterTheLetter) {
  int undotted = 0;
  EXPECT_EQ(HebrewToSource(kSin, &undotted), "yevh");
  EXPECT_EQ(HebrewToSource("שָּׁ", &undotted), "s");  // dot after dagesh and vowel
  EXPECT_EQ(undotted, 0);
  EXPECT_EQ(HebrewToSource(kShinNoDot + "ש", &undotted), "asrs");
  EXPECT_EQ(undotted, 2);
}

TEST(LemmaStrongs, TakesTheNumberOfTheFirstNumericPart) {
  EXPECT_EQ(LemmaStrongs("b/7225"), 7225);
  EXPECT_EQ(LemmaStrongs("1254 a"), 1254);
  EXPECT_EQ(LemmaStrongs("c/d/776"), 776);
  EXPECT_EQ(LemmaStrongs("1008+"), 1008);
  EXPECT_EQ(LemmaStrongs("c/l"), 0);
  EXPECT_EQ(LemmaStrongs(""), 0);
  EXPECT_EQ(LemmaStrongs("99999"), 0);
}

TEST_F(OshbFile, WordsArePunctuatedByMaqqefOnlyAndKeepLemmas) {
  OshbBook book =
      Read("<chapter osisID=\"Gen.1\"><verse osisID=\"Gen.1.1\">" + W("b/7225", kBereshit) +
           Seg("x-maqqef", "־") + W("1254 a", kBara) + Seg("x-paseq", "׀") + W("c/d/776", kEretz) +
           Seg("x-pe", "פ") + W("l", kLarge) + Seg("x-samekh", "ס") + W("6213 a", kSin) +
           Seg("x-sof-pasuq", "׃") + "</verse></chapter>");
  ASSERT_EQ(book.chapters.size(), 1u);
  EXPECT_EQ(book.chapters[0].number, 1);
  const OshbVerse& v = book.chapters[0].verses.at(0);
  EXPECT_EQ(v.number, 1);
  EXPECT_THAT(v.tokens, ElementsAre("brasyt-", "bra", "harU", "axd", "yevh"));
  EXPECT_THAT(v.strongs, ElementsAre(7225, 1254, 776, 0, 6213));
}

TEST_F(OshbFile, KetivIsTheWordAndItsQereAnAnnotation) {
  std::string qere = "<note type=\"variant\"><catchWord>x</catchWord><rdg type=\"x-qere\">";
  OshbBook book =
      Read("<chapter osisID=\"Gen.2\"><verse osisID=\"Gen.2.5\">" +
           W("168", kShinNoDot, "x-ketiv") + qere + W("168", kBara) + "</rdg></note>" +
           Seg("x-maqqef", "־") + W("1", kBara) + W("2", kEretz, "x-ketiv") + qere + W("3", kBara) +
           Seg("x-maqqef", "־") + W("4", kSin) + " " + W("5", kEretz) + "</rdg></note>" +
           W("6", kBara, "x-ketiv") + qere + "</rdg></note><note n=\"k\">" + W("7", kBara) +
           " remark</note>" + "</verse><verse osisID=\"Gen.2.6\">" + W("8", kBara) + qere +
           W("9", kSin) + "</rdg></note></verse></chapter>");
  const auto& verses = book.chapters.at(0).verses;
  ASSERT_EQ(verses.size(), 2u);
  EXPECT_THAT(verses[0].tokens, ElementsAre("asr-", "<qere:bra", "bra", "harU",
                                            "<qere:bra-yevh_harU", "bra", "<qere:"));
  EXPECT_THAT(verses[0].strongs, ElementsAre(168, 1, 2, 6));
  // A reading with no written word still stays out of the word count.
  EXPECT_THAT(verses[1].tokens, ElementsAre("bra", "<qere:yevh"));
  EXPECT_THAT(verses[1].strongs, ElementsAre(8));
  EXPECT_EQ(book.undottedShin, 1);
}

TEST_F(OshbFile, BadInputNamesTheFileAndLine) {
  OshbBook book;
  std::string missing = dir_.File("Exod.xml");
  ImportResult r = ReadOshbBook(missing, book);
  EXPECT_FALSE(r.ok);
  EXPECT_THAT(r.message, HasSubstr(missing));

  std::string path = Write(Osis("<chapter osisID=\"Gen.1\">\n<verse osisID=\"Gen.1.1\">\n" +
                                W("1", kBara) + "\n</chapter>"));
  r = ReadOshbBook(path, book);
  EXPECT_FALSE(r.ok);
  EXPECT_THAT(r.message, HasSubstr(path + ":7:"));  // where the mismatched end tag stands

  path = Write(Osis("<chapter osisID=\"Gen.1\"></chapter>\n<verse osisID=\"Gen.1.2\">" +
                    W("1", kBara) + "</verse>"));
  r = ReadOshbBook(path, book);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, path + ":5: verse outside any chapter");

  path = Write(Osis("<chapter osisID=\"Gen.x\"><verse osisID=\"Gen.1.1\"/></chapter>"));
  EXPECT_THAT(ReadOshbBook(path, book).message, HasSubstr("chapter number"));
}

TEST(OlfText, WritesHeaderChaptersAndWrapsLongVersesAt80Columns) {
  OshbBook book;
  book.chapters.push_back({119, {{176, {}, {}}, {2, {"bra"}, {1}}}});
  for (int i = 0; i < 43; ++i)
    book.chapters[0].verses[0].tokens.push_back("wyamrw-" + std::to_string(i));
  std::istringstream in(OlfText(19, book));
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    ASSERT_TRUE(l.ends_with('\r')) << l;
    l.pop_back();
    EXPECT_LE(l.size(), kOlfLineWidth) << l;
    lines.push_back(l);
  }
  ASSERT_GE(lines.size(), 9u);
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              ElementsAre("*BOOK Psalms", "*CITE Ps ", "*LANG Hebrew",
                          "*WHAT Open Scriptures Hebrew Bible (Westminster Leningrad Codex)",
                          "*R-L", "*119"));
  EXPECT_TRUE(lines[6].starts_with("176 wyamrw-0 "));
  std::string joined = lines[6];
  for (size_t i = 7; i + 1 < lines.size(); ++i) {
    ASSERT_TRUE(lines[i].starts_with(' ')) << lines[i];
    size_t first = std::min(lines[i].find(' ', 1), lines[i].size());
    EXPECT_GT(lines[i - 1].size() + first, kOlfLineWidth) << "wrapped too early";
    joined += lines[i];
  }
  EXPECT_TRUE(joined.ends_with(" wyamrw-41 wyamrw-42"));
  EXPECT_EQ(lines.back(), "2 bra");
}

// A book of the real data: 39 files must be there, so tests that need a
// whole import write this small book under every name.
std::string TinyBook(int book) {
  return Osis("<chapter osisID=\"B.1\"><verse osisID=\"B.1.1\">" + W("b/7225", kBereshit) +
              Seg("x-maqqef", "־") + W(std::to_string(book), kBara) +
              "</verse></chapter><chapter osisID=\"B.2\"><verse osisID=\"B.2.1\">" +
              W("l", kEretz) + W("c/d/776", kEretz) + "</verse></chapter>");
}

class HebrewImport : public test::BuildFixture {
 protected:
  std::string ProgramDir() { return dir_.path() + "/"; }
  // Builds WORD, CITE and BOOK from the imported source files and loads the
  // default Strong's numbers.
  void BuildAndSetStrongs() {
    RunBuild(ctx_, BuildFlags{true, true, true}, [] { return true; });
    set_.BookDS.ForceClose();
    ASSERT_EQ(SetStrDef(set_, ProgramDir()), kArchiveOk);
  }
  test::TempDir xml_;
};

TEST_F(HebrewImport, SmallBooksBuildAndCarryTheirStrongsNumbers) {
  for (int b = 1; b <= kBookCount; ++b)
    std::ofstream(xml_.File(OshbFileName(b)), std::ios::binary) << TinyBook(b);
  HebrewImportStats stats;
  ImportResult r = ImportHebrew(xml_.path(), ProgramDir(), &stats);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(stats.chapters, 78);
  EXPECT_EQ(stats.words, 39 * 4);
  BuildAndSetStrongs();
  auto cites = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(cites.size(), 39u * 4);
  EXPECT_EQ(cites[1].cite, (Citation{1, 1, 1, 2}));
  EXPECT_EQ(cites[38 * 4 + 1].strongs, 39);
  EXPECT_EQ(cites[4 * 4].strongs, 7225);
  EXPECT_EQ(cites[4 * 4 + 2].strongs, 0);
  EXPECT_EQ(cites[4 * 4 + 3].strongs, 776);
  EXPECT_EQ(ReadAll<BookRec>(set_.BookDS).size(), 78u);
}

TEST_F(HebrewImport, MissingBookFailsNamingIt) {
  for (int b = 1; b <= kBookCount; ++b) {
    if (b != 20) std::ofstream(xml_.File(OshbFileName(b)), std::ios::binary) << TinyBook(b);
  }
  ImportResult r = ImportHebrew(xml_.path(), ProgramDir());
  EXPECT_FALSE(r.ok);
  EXPECT_THAT(r.message, HasSubstr("Prov.xml"));
}

// The folder of the real data: ORV_OSHB_DIR, else the shared data beside
// the work tree; "" when neither holds Gen.xml.
std::string RealDataDir() {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
  if (const char* env = std::getenv("ORV_OSHB_DIR"); env && *env) candidates.emplace_back(env);
  fs::path here = fs::path(__FILE__).parent_path();  // tests/import in the work tree
  candidates.push_back(here / "../../../shared/data/oshb");
  for (const fs::path& p : candidates) {
    if (fs::exists(p / "Gen.xml")) return p.string();
  }
  return "";
}

// Words per verse straight from the XML: <w> elements that are children of
// a <verse>, counted apart from the importer's reader.
using VerseKey = std::tuple<int, int, int>;
void CountXmlWords(const std::string& path, int book, std::map<VerseKey, int>& counts) {
  xmlTextReaderPtr r = xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NONET);
  ASSERT_NE(r, nullptr) << path;
  int verseDepth = -1;
  VerseKey key;
  while (xmlTextReaderRead(r) == 1) {
    if (xmlTextReaderNodeType(r) != XML_READER_TYPE_ELEMENT) {
      if (xmlTextReaderDepth(r) == verseDepth) verseDepth = -1;
      continue;
    }
    std::string name = reinterpret_cast<const char*>(xmlTextReaderConstLocalName(r));
    if (name == "verse") {
      xmlChar* id = xmlTextReaderGetAttribute(r, BAD_CAST "osisID");
      std::string s = reinterpret_cast<const char*>(id);
      xmlFree(id);
      size_t b = s.find('.'), c = s.rfind('.');
      key = {book, std::stoi(s.substr(b + 1, c - b - 1)), std::stoi(s.substr(c + 1))};
      counts[key];
      verseDepth = xmlTextReaderDepth(r);
    } else if (name == "w" && verseDepth >= 0 && xmlTextReaderDepth(r) == verseDepth + 1) {
      ++counts[key];
    }
  }
  xmlFreeTextReader(r);
}

TEST_F(HebrewImport, RealDataBuildsTheWholeOldTestament) {
  std::string data = RealDataDir();
  if (data.empty()) {
    GTEST_SKIP() << "Open Scriptures Hebrew Bible XML not found: set ORV_OSHB_DIR to the folder "
                    "of Gen.xml .. Mal.xml";
  }
  auto start = std::chrono::steady_clock::now();
  HebrewImportStats stats;
  ImportResult r = ImportHebrew(data, ProgramDir(), &stats);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                  start);
  ASSERT_TRUE(r.ok) << r.message;
  std::printf("[ import  ] 39 books, %ld words in %lld ms; %d undotted shin taken as shin\n",
              stats.words, static_cast<long long>(ms.count()), stats.undottedShin);
  EXPECT_EQ(stats.books, 39);
  // The written forms are unpointed, so a shin in them has no dot; the
  // snapshot holds 303 of them.
  EXPECT_GT(stats.undottedShin, 0);
  EXPECT_LT(stats.undottedShin, 1000);

  std::ifstream gen(dir_.File("Source/GEN.OLF"), std::ios::binary);
  std::string line;
  for (int i = 0; i < 7; ++i) std::getline(gen, line);
  EXPECT_EQ(line, "1 brasyt bra alhyM at hsmyM wat harU\r");

  BuildAndSetStrongs();
  EXPECT_EQ(ReadAll<BookRec>(set_.BookDS).size(), 929u);
  auto cites = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(cites.size(), 305507u);
  std::vector<int> gen11;
  std::map<VerseKey, int> built;
  for (const CiteRec& c : cites) {
    ++built[{c.cite.book, c.cite.chapter, c.cite.verse}];
    if (c.cite.book == 1 && c.cite.chapter == 1 && c.cite.verse == 1) gen11.push_back(c.strongs);
  }
  EXPECT_THAT(gen11, ElementsAre(7225, 1254, 430, 853, 8064, 853, 776));

  std::map<VerseKey, int> xml;
  for (int b = 1; b <= kBookCount; ++b) CountXmlWords(data + "/" + OshbFileName(b), b, xml);
  std::erase_if(xml, [](const auto& kv) { return kv.second == 0; });
  EXPECT_EQ(xml.size(), built.size());
  for (const auto& [key, n] : xml) {
    auto it = built.find(key);
    int got = it == built.end() ? 0 : it->second;
    ASSERT_EQ(got, n) << "words of " << std::get<0>(key) << " " << std::get<1>(key) << ":"
                      << std::get<2>(key);
  }
}

}  // namespace
}  // namespace orv
