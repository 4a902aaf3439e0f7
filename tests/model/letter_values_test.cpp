#include "model/letter_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/letters.h"

namespace orv {
namespace {

// The letter table: storage letter, its source-spelling characters (final
// form second), database place, Original value, traditional place,
// Traditional value.
struct LetterRow {
  char storage;
  const char* source;
  int dbPlace;
  int32_t original;
  int tradPlace;
  int32_t traditional;
};

// clang-format off
constexpr LetterRow kLetterTable[] = {
    {'a', "a",   1,   1,  1,   1},  // aleph
    {'b', "b",   2,   2,  2,   2},  // bayth
    {'g', "g",  15,  60,  3,   3},  // gimel
    {'d', "d",   6,   6,  4,   4},  // daleth
    {'e', "h",   7,   7,  5,   5},  // he
    {'v', "w",   8,   8,  6,   6},  // vau
    {'z', "z",   4,   4,  7,   7},  // zayin
    {'h', "x",  10,  10,  8,   8},  // cheth
    {'t', "j",   9,   9,  9,   9},  // teyth
    {'i', "y",   5,   5, 10,  10},  // yode
    {'k', "kK", 13,  40, 11,  20},  // kaph
    {'l', "l",  12,  30, 12,  30},  // lamed
    {'m', "mM", 21, 300, 13,  40},  // mem
    {'n', "nN", 14,  50, 14,  50},  // nun
    {'s', "o",  11,  20, 15,  60},  // sameck
    {'o', "e",  16,  70, 16,  70},  // oyin
    {'p', "pP", 17,  80, 17,  80},  // pe
    {'c', "uU", 18,  90, 18,  90},  // tsade
    {'q', "q",  19, 100, 19, 100},  // qowph
    {'r', "r",  20, 200, 20, 200},  // resh
    {'w', "sv",  3,   3, 21, 300},  // shiyn
    {'x', "t",  22, 400, 22, 400},  // tau
};
// clang-format on

TEST(LetterValues, EveryLetterMatchesTheTable) {
  for (const LetterRow& row : kLetterTable) {
    SCOPED_TRACE(std::string(1, row.storage));
    const auto s = static_cast<uint8_t>(row.storage);
    EXPECT_EQ(LetterRank(s), row.dbPlace);
    EXPECT_EQ(std::string(kTraditionalOrder).find(row.storage) + 1, size_t(row.tradPlace));
    EXPECT_EQ(StorageLetterValue(s, kOriginalValue), row.original);
    EXPECT_EQ(StorageLetterValue(s, kTraditionalValue), row.traditional);
    EXPECT_EQ(PositionWeight(row.dbPlace), row.original);
    EXPECT_EQ(PositionWeight(row.tradPlace), row.traditional);
    for (const char* p = row.source; *p; ++p) {
      SCOPED_TRACE(std::string("source ") + *p);
      const auto c = static_cast<uint8_t>(*p);
      EXPECT_EQ(SourceLetterValue(c, kOriginalValue), row.original);
      EXPECT_EQ(SourceLetterValue(c, kTraditionalValue), row.traditional);
    }
  }
}

// Only the 22 storage letters and the 28 source characters carry a value;
// upper case storage letters, the storage-only 'c' and 'i' in source
// spelling, and bytes outside 65..127 count nothing.
TEST(LetterValues, NoOtherByteHasAValue) {
  std::string storage, source;
  for (const LetterRow& row : kLetterTable) {
    storage += row.storage;
    source += row.source;
  }
  for (int c = 0; c < 256; ++c) {
    const auto b = static_cast<uint8_t>(c);
    const bool isStorage = storage.find(static_cast<char>(c)) != std::string::npos;
    const bool isSource = source.find(static_cast<char>(c)) != std::string::npos;
    for (int32_t mode : {kOriginalValue, kTraditionalValue}) {
      EXPECT_EQ(StorageLetterValue(b, mode) != 0, isStorage) << c;
      EXPECT_EQ(SourceLetterValue(b, mode) != 0, isSource) << c;
    }
    for (int32_t mode : {0, 3, -1}) {
      EXPECT_EQ(StorageLetterValue(b, mode), 0) << c;
      EXPECT_EQ(SourceLetterValue(b, mode), 0) << c;
    }
  }
}

TEST(LetterValues, PositionWeightIsZeroOutsideTheAlphabet) {
  for (int place : {-1, 0, 23, 256}) EXPECT_EQ(PositionWeight(place), 0) << place;
}

struct TextCase {
  const char* text;
  int32_t original;
  int32_t traditional;
  const char* message;  // nullptr when the values are shown
};

TEST(ComputeTextValues, TypedTexts) {
  const TextCase cases[] = {
      {"ab", 3, 3, nullptr},
      {"g", 60, 3, nullptr},
      {"w", 3, 300, nullptr},
      {"x", 400, 400, nullptr},
      {"a-b", 3, 3, nullptr},
      {" a  b ", 3, 3, nullptr},
      {"-a-", 1, 1, nullptr},
      {"AB", 3, 3, nullptr},
      {"BrAwIx", 611, 913, nullptr},  // the first word of Genesis
      {"a1", 0, 0, kIllegalCharacters},
      {"f", 0, 0, kIllegalCharacters},
      {"abf", 0, 0, kIllegalCharacters},  // a bad letter after good ones
      {"a\tb", 0, 0, kIllegalCharacters},
      {"a_b", 0, 0, kIllegalCharacters},
      {"\xd7\x90", 1, 1, nullptr},              // a Hebrew letter in UTF-8 is its storage letter
      {"a\xc3\xa9", 0, 0, kIllegalCharacters},  // any other UTF-8 letter is not
      {" - -", 0, 0, kIllegalCharacters},       // no letter at all
      {"", 0, 0, kNoTextEntered},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    const TextValues v = ComputeTextValues(c.text);
    EXPECT_EQ(v.message, c.message ? c.message : "");
    EXPECT_EQ(v.Ok(), c.message == nullptr);
    EXPECT_EQ(v.original, c.original);
    EXPECT_EQ(v.traditional, c.traditional);
  }
  // A NUL inside the text is a character like any other.
  EXPECT_EQ(ComputeTextValues(std::string_view("a\0b", 3)).message, kIllegalCharacters);
}

TEST(TextThematicValue, TakesStorageLettersAsTheyAre) {
  EXPECT_EQ(TextThematicValue("AB", kOriginalValue), 0) << "lowering is the caller's";
  EXPECT_EQ(TextThematicValue("ab", 0), 0);
  EXPECT_EQ(TextThematicValue("ab", 3), 0);
  EXPECT_EQ(TextThematicValue("", kOriginalValue), 0);
  EXPECT_EQ(TextThematicValue("m-m m", kOriginalValue), 900);
  EXPECT_EQ(TextThematicValue("m-m m", kTraditionalValue), 120);
}

TEST(WordThematicValue, SourceSpellingWithFinalForms) {
  // K and k both count 20 Traditional and 40 Original; the same for every
  // final form.
  const std::pair<const char*, const char*> finals[] = {
      {"K", "k"}, {"M", "m"}, {"N", "n"}, {"P", "p"}, {"U", "u"}};
  for (auto [final, plain] : finals) {
    for (int32_t mode : {kOriginalValue, kTraditionalValue}) {
      EXPECT_EQ(WordThematicValue(final, mode), WordThematicValue(plain, mode)) << final;
    }
  }
  EXPECT_EQ(WordThematicValue("K", kTraditionalValue), 20);
  EXPECT_EQ(WordThematicValue("K", kOriginalValue), 40);
  // Shin and sin (s, v) are one letter; bereshit both ways.
  EXPECT_EQ(WordThematicValue("brasyt", kTraditionalValue), 913);
  EXPECT_EQ(WordThematicValue("bravyt", kTraditionalValue), 913);
  EXPECT_EQ(WordThematicValue("brasyt", kOriginalValue), 611);
  EXPECT_EQ(WordThematicValue("mlK", kTraditionalValue), 90);
}

TEST(WordThematicValue, CharactersWithoutValueAddNothing) {
  EXPECT_EQ(WordThematicValue("bra-", kTraditionalValue), 203);
  EXPECT_EQ(WordThematicValue("<b>1r a\xd7", kTraditionalValue), 203);
  // Storage-only letters mean nothing in source spelling.
  EXPECT_EQ(WordThematicValue("ci", kOriginalValue), 0);
  EXPECT_EQ(WordThematicValue("", kOriginalValue), 0);
}

TEST(WordThematicValue, ModeZeroTakesTheSettingsNumbering) {
  struct ModeCase {
    int32_t mode;
    int32_t settings;
    int32_t expected;  // of "g": Original 60, Traditional 3
  };
  const ModeCase cases[] = {
      {1, 2, 60}, {2, 1, 3},  {0, 1, 60},      {0, -1, 60}, {0, 2, 3},  {0, -2, 3}, {0, 0, 0},
      {0, 3, 0},  {0, -3, 0}, {0, INT_MIN, 0}, {3, 1, 0},   {-1, 1, 0}, {-2, 2, 0},
  };
  for (const ModeCase& c : cases) {
    EXPECT_EQ(WordThematicValue("g", c.mode, c.settings), c.expected)
        << "mode " << c.mode << " settings " << c.settings;
  }
}

TEST(ThematicValues, HugeInputsStopAtTheLargestValue) {
  const std::string many(6'000'000, 'x');  // 6,000,000 * 400 passes 2^31
  EXPECT_EQ(TextThematicValue(many, kOriginalValue), INT32_MAX);
  EXPECT_EQ(WordThematicValue(std::string(many.size(), 't'), kOriginalValue), INT32_MAX);
}

}  // namespace
}  // namespace orv
