#include "model/hebrew_glyphs.h"

#include <gtest/gtest.h>

#include "model/letters.h"

namespace orv {
namespace {

struct LetterRow {
  const char* name;
  char storage;
  char source;
  char sourceFinal;  // 0: none
  const char* hebrew;
  const char* hebrewFinal;
};

// The 22 letters with both spellings and their Unicode letters.
constexpr LetterRow kLetters[] = {
    {"aleph", 'a', 'a', 0, "א", ""},   {"bayth", 'b', 'b', 0, "ב", ""},
    {"gimel", 'g', 'g', 0, "ג", ""},   {"daleth", 'd', 'd', 0, "ד", ""},
    {"he", 'e', 'h', 0, "ה", ""},      {"vau", 'v', 'w', 0, "ו", ""},
    {"zayin", 'z', 'z', 0, "ז", ""},   {"cheth", 'h', 'x', 0, "ח", ""},
    {"teyth", 't', 'j', 0, "ט", ""},   {"yode", 'i', 'y', 0, "י", ""},
    {"kaph", 'k', 'k', 'K', "כ", "ך"}, {"lamed", 'l', 'l', 0, "ל", ""},
    {"mem", 'm', 'm', 'M', "מ", "ם"},  {"nun", 'n', 'n', 'N', "נ", "ן"},
    {"sameck", 's', 'o', 0, "ס", ""},  {"oyin", 'o', 'e', 0, "ע", ""},
    {"pe", 'p', 'p', 'P', "פ", "ף"},   {"tsade", 'c', 'u', 'U', "צ", "ץ"},
    {"qowph", 'q', 'q', 0, "ק", ""},   {"resh", 'r', 'r', 0, "ר", ""},
    {"shiyn", 'w', 's', 0, "ש", ""},   {"tau", 'x', 't', 0, "ת", ""},
};

TEST(HebrewGlyphs, EveryLetterInBothSpellingsAgreesWithTheLetterMapping) {
  for (const LetterRow& row : kLetters) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(StorageToHebrew(std::string(1, row.storage)), row.hebrew);
    EXPECT_EQ(SourceToHebrew(std::string(1, row.source)), row.hebrew);
    // The letter the database keys a source letter under is the same
    // Hebrew letter: the two tables cannot drift apart.
    EXPECT_EQ(MapSourceLetter(static_cast<uint8_t>(row.source)), static_cast<uint8_t>(row.storage));
    if (row.sourceFinal) {
      EXPECT_EQ(SourceToHebrew(std::string(1, row.sourceFinal)), row.hebrewFinal);
      EXPECT_EQ(MapSourceLetter(static_cast<uint8_t>(row.sourceFinal)),
                static_cast<uint8_t>(row.storage));
    }
  }
  EXPECT_EQ(SourceToHebrew("v"), "ש");  // sin shares the letter with shin
}

TEST(HebrewGlyphs, KeepsTheByteOrderAndPassesOtherBytesThrough) {
  struct Case {
    const char* in;
    const char* storage;
    const char* source;
  };
  const Case cases[] = {
      {"", "", ""},
      {"brawit", "בראשיט", "בראוiת"},
      // e and i are different letters in the two spellings; i and y are
      // letters in one spelling only; M is final mem in both.
      {"aleim", "אלהימ", "אלעiמ"},
      {"alhyM", "אלחyם", "אלהים"},
      {"07225 (3)-1:2", "07225 (3)-1:2", "07225 (3)-1:2"},
      {"f A\xd7", "f A\xd7", "f A\xd7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(StorageToHebrew(c.in), c.storage);
    EXPECT_EQ(SourceToHebrew(c.in), c.source);
  }
  EXPECT_EQ(StorageLetterGlyph('K'), "ך");  // the display mark of a final kaph
  EXPECT_EQ(StorageLetterGlyph('U'), "");
  EXPECT_EQ(SourceLetterGlyph('K'), "ך");
  EXPECT_EQ(StorageLetterGlyph('y'), "");
  EXPECT_EQ(SourceLetterGlyph('i'), "");
}

TEST(HebrewGlyphs, FinalFormsAtWordEndsOnly) {
  struct Row {
    const char* word;
    const char* marked;
  };
  const Row rows[] = {
      {"aleim", "aleiM"},
      {"earc", "earC"},
      {"kl-arc", "kl-arC"},
      {"al-pni", "al-pni"},
      {"drk mlk", "drK mlK"},
      {"mn", "mN"},
      {"", ""},
      {"k", "k"},  // no letter before it
  };
  for (const Row& r : rows) EXPECT_EQ(MarkFinalForms(r.word), r.marked) << r.word;
  // The marks draw as the final letters: mem sofit, tsade sofit.
  EXPECT_EQ(StorageToHebrew("M"), "\u05DD");
  EXPECT_EQ(StorageToHebrew("C"), "\u05E5");
  EXPECT_EQ(StorageToHebrew(MarkFinalForms("ewmim")), "\u05D4\u05E9\u05DE\u05D9\u05DD");
}

}  // namespace
}  // namespace orv
