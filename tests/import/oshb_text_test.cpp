// Hebrew letters to the source spelling, and Strong's numbers from lemmas.
#include "import/oshb_text.h"

#include <gtest/gtest.h>

#include <string>

#include "import/oshb_samples.h"

namespace orv {
namespace {

using test::kBereshit;
using test::kEretz;
using test::kShinNoDot;
using test::kSin;

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

}  // namespace
}  // namespace orv
