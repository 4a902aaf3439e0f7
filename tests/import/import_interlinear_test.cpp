#include "import/import_interlinear.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "import/import_driver.h"
#include "import/oshb_samples.h"
#include "interlinear/ilt_file.h"
#include "support/real_kjv.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The three real sources, imported once for the tests below.
struct RealLines {
  std::string why;  // empty when imported
  std::string dir;  // native, ends in "/"

  static const RealLines& Get() {
    static const RealLines lines = [] {
      static test::TempDir tmp;
      RealLines r;
      const test::RealKjv& kjv = test::RealKjv::Get();
      if (!kjv.ok) {
        r.why = kjv.why;
        return r;
      }
      r.dir = tmp.File("");
      ImportResult made =
          ImportInterlinear(test::RealHebrew::OshbDir(), kjv.programDir + "/KJV/", r.dir);
      if (!made.ok) r.why = made.message;
      return r;
    }();
    return lines;
  }
  // The glosses of one verse of a source's Genesis file, as the page reads them.
  std::vector<std::string> Verse(size_t source, uint8_t chapter, uint8_t verse) const {
    const std::string text = test::ReadText(dir + kSuppliedSources[source].folder + "/GEN.ILT");
    for (const IltVerse& v : ReadIltChapter(text, chapter)) {
      if (v.verse == verse) return v.glosses;
    }
    return {};
  }
};

constexpr size_t kKjv = 0, kMorph = 1, kTranslit = 2;

TEST(ImportInterlinear, RealGenesisReadsAsTheKingJamesVersionAndTheOshbGiveIt) {
  const RealLines& lines = RealLines::Get();
  if (!lines.why.empty()) GTEST_SKIP() << lines.why;
  // KJV Genesis 1:1, "In the beginning God created the heaven and the
  // earth": the Hebrew has את twice, the English tags it once ("and").
  EXPECT_THAT(lines.Verse(kKjv, 1, 1), ElementsAre("In-the-beginning", "created", "God", "",
                                                   "the-heaven", "and", "the-earth"));
  // Genesis 1:27: ברא three times and צלם twice, given out in order.
  const std::vector<std::string> gen127 = lines.Verse(kKjv, 1, 27);
  ASSERT_EQ(gen127.size(), 13u);
  EXPECT_EQ(gen127[0], "created");
  EXPECT_EQ(gen127[4], "in-his-own-image");
  EXPECT_EQ(gen127[5], "in-the-image");
  EXPECT_THAT(gen127[7], StartsWith("created"));
  EXPECT_THAT(gen127[11], StartsWith("created"));
  // The OSHB codes of Genesis 1:1 ("HR/Ncfsa", "HVqp3ms", ...) and of
  // בְּצַלְמוֹ in 1:27 ("HR/Ncmsc/Sp3ms": a prefix and a suffix).
  EXPECT_THAT(lines.Verse(kMorph, 1, 1),
              ElementsAre("prep+noun.fs.abs", "qal.perf.3ms", "noun.mp.abs", "obj",
                          "art+noun.mp.abs", "conj+obj", "art+noun.bs.abs"));
  EXPECT_EQ(lines.Verse(kMorph, 1, 27).at(4), "prep+noun.ms.cstr+sfx.3ms");
  EXPECT_THAT(lines.Verse(kTranslit, 1, 1),
              ElementsAre("bərēʾšît", "bārāʾ", "ʾĕlōhîm", "ʾēt", "haššāmayim", "wəʾēt", "hāʾāreṣ"));
  // Genesis 8:20, "Noah builded an altar": מִזְבֵּחַ has a silent shewa, a
  // dagesh after it and a furtive patah.
  const std::vector<std::string> gen820 = lines.Verse(kTranslit, 8, 20);
  ASSERT_GE(gen820.size(), 3u);
  EXPECT_EQ(gen820[1], "nōaḥ");
  EXPECT_EQ(gen820[2], "mizbēaḥ");
}

TEST(ImportInterlinear, EveryBookHasItsHeaderAndEveryWordItsGloss) {
  const RealLines& lines = RealLines::Get();
  if (!lines.why.empty()) GTEST_SKIP() << lines.why;
  for (const SuppliedSource& s : kSuppliedSources) {
    const std::string mal = test::ReadText(lines.dir + s.folder + "/MAL.ILT");
    EXPECT_THAT(mal, StartsWith("*BOOK Malachi\r\n*CITE Mal\r\n*LANG " + std::string(s.language) +
                                "\r\n*WHAT "));
    EXPECT_THAT(mal, HasSubstr("\r\n*L-R\r\n*1\r\n1  "));
    // Malachi 3:24 is the book's last verse in the Hebrew numbering (KJV 4:6).
    std::vector<IltVerse> ch3 = ReadIltChapter(mal, 3);
    ASSERT_FALSE(ch3.empty());
    EXPECT_EQ(ch3.back().verse, 24);
  }
}

TEST(ImportInterlinear, WithoutTheKingJamesTextFailsAndLeavesTheProgramFolderAsItWas) {
  const std::string oshb = test::RealHebrew::OshbDir();
  if (!std::filesystem::exists(oshb + "/Gen.xml")) GTEST_SKIP() << "No Hebrew text at " << oshb;
  test::TempDir dir;
  ImportOptions options;
  options.programDir = dir.path();
  options.hebrewDir = oshb;
  std::string bad;
  ASSERT_TRUE(ParseImportParts("interlinear", options, bad));
  EXPECT_TRUE(options.interlinear && !options.hebrew && !options.kjv);
  const ImportResult r = RunImport(options, nullptr);
  EXPECT_FALSE(r.ok);
  EXPECT_THAT(r.message, HasSubstr("GEN.str"));
  EXPECT_THAT(r.message, HasSubstr("the King James text is imported first (--only kjv)"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  // Without the Hebrew XML's folder the part says where to name it.
  options.hebrewDir.clear();
  EXPECT_THAT(RunImport(options, nullptr).message, HasSubstr("--hebrew DIR or ORV_OSHB_DIR"));
}

// A tiny Genesis: the verses the King James text lacks or has untagged.
TEST(InterlinearBookTexts, MissingOrUntaggedKingJamesVersesAndUnknownCodesStayVisible) {
  test::TempDir dir;
  test::WriteText(
      dir.File("Gen.xml"),
      test::Osis("<chapter osisID=\"Gen.1\"><verse osisID=\"Gen.1.1\">"
                 "<w lemma=\"b/7225\" morph=\"HR/Ncfsa\">" +
                 test::kBereshit + "</w><w lemma=\"1254 a\" morph=\"HQq\">" + test::kBara +
                 "</w></verse><verse osisID=\"Gen.1.2\"><w lemma=\"1254\">" + test::kBara +
                 "</w></verse><verse osisID=\"Gen.1.3\"><w lemma=\"1254\">" + test::kBara +
                 "</w></verse></chapter>"));
  OshbBook book;
  ASSERT_TRUE(ReadOshbBook(dir.File("Gen.xml"), book).ok);
  const std::map<VerseRef, std::string> kjv = {{{1, 1}, " In the beginning God created"},
                                               {{1, 2}, " created 1254"}};
  const auto texts = InterlinearBookTexts(1, book, kjv);
  auto verse = [&](size_t source, uint8_t v) {
    return ReadIltChapter(texts[source], 1).at(v - 1).glosses;
  };
  EXPECT_THAT(verse(kKjv, 1), ElementsAre("", ""));  // no tags: "..." under each word
  EXPECT_THAT(verse(kKjv, 2), ElementsAre("created"));
  EXPECT_THAT(verse(kKjv, 3), ElementsAre(""));  // no King James verse at all
  EXPECT_THAT(verse(kMorph, 1), ElementsAre("prep+noun.fs.abs", "HQq"));
  EXPECT_THAT(verse(kMorph, 2), ElementsAre(""));  // no code
  EXPECT_THAT(texts[kKjv], HasSubstr("\r\n1  ... ...\r\n2  created\r\n3  ...\r\n"));
}

}  // namespace
}  // namespace orv
