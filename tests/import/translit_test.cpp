#include "import/translit.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Transliterate, FollowsTheTableAndItsRules) {
  struct Case {
    const char* pointed;
    const char* latin;
  };
  const Case cases[] = {
      // Genesis 1:1 as the OSHB writes it (accents and morpheme dividers).
      {"בְּ/רֵאשִׁ֖ית", "bərēʾšît"},  // vocal shewa on the first letter, hiriq-yod
      {"בָּרָ֣א", "bārāʾ"},         // a dagesh on the first letter doubles nothing
      {"אֱלֹהִ֑ים", "ʾĕlōhîm"},
      {"הַ/שָּׁמַ֖יִם", "haššāmayim"},  // dagesh after a vowel doubles
      {"וְ/אֵ֥ת", "wəʾēt"},
      {"הָ/אָֽרֶץ", "hāʾāreṣ"},
      // Silent shewa, dagesh after it, furtive patah.
      {"מִזְבֵּחַ", "mizbēaḥ"},
      {"הַ/מִּזְבֵּֽחַ", "hammizbēaḥ"},
      {"רוּחַ", "rûaḥ"},  // shureq
      {"נֹחַ", "nōaḥ"},
      {"הַלְלוּ", "haləlû"},  // shewa before the same letter
      {"מִשְׁפָּט", "mišpāṭ"},
      {"עָוֹן", "ʿāwōn"},  // vav with holam after a vowel is a consonant
      {"תּוֹרָה", "tôrâ"},  // holam male, final he
      {"שָׂדֶה", "śādê"},
      {"בְּ/צַלְמ/וֹ", "bəṣalmô"},
      {"וַיִּבֶן", "wayyiben"},
      {"יְהוָה", "YHWH"},
      {"לַ/יהוָה", "laYHWH"},
      {"אֲדֹנָי", "ʾădōnāy"},
      // Nothing to read.
      {"", ""},
      {"abc/", ""},
      {"\xD7", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Transliterate(c.pointed), c.latin) << c.pointed;
}

}  // namespace
}  // namespace orv
