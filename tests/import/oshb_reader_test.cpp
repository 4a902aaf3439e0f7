// An Open Scriptures book file read into chapters, verses, words and
// Strong's numbers, and the files it refuses.
#include "import/oshb_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "import/oshb_samples.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::kBara;
using test::kBereshit;
using test::kEretz;
using test::kLarge;
using test::kShinNoDot;
using test::kSin;
using test::Osis;
using test::Seg;
using test::W;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class OshbFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& xml, const std::string& name = "Gen.xml") {
    std::string path = dir_.File(name);
    test::WriteText(path, xml);
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

}  // namespace
}  // namespace orv
