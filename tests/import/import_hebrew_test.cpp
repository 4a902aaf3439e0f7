// The Hebrew import: small books through the build with their Strong's
// numbers, a missing book, and the whole real text against its XML.
#include "import/import_hebrew.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/xmlreader.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "archive/archive_reader.h"
#include "build/build_fixture.h"
#include "build/db_build.h"
#include "import/oshb_samples.h"
#include "model/books.h"
#include "model/records.h"
#include "support/real_hebrew.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A book of the real data: 39 files must be there, so tests that need a
// whole import write this small book under every name.
std::string TinyBook(int book) {
  using test::W;
  return test::Osis("<chapter osisID=\"B.1\"><verse osisID=\"B.1.1\">" +
                    W("b/7225", test::kBereshit) + test::Seg("x-maqqef", "־") +
                    W(std::to_string(book), test::kBara) +
                    "</verse></chapter><chapter osisID=\"B.2\"><verse osisID=\"B.2.1\">" +
                    W("l", test::kEretz) + W("c/d/776", test::kEretz) + "</verse></chapter>");
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
  const std::string data = test::RealHebrew::OshbDir();
  if (!std::filesystem::exists(data + "/Gen.xml")) {
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
