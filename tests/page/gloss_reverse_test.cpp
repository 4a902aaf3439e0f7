// Glosses and words turned around for drawing against their direction.
#include "page/gloss_reverse.h"

#include <gtest/gtest.h>

#include <utility>

namespace orv {
namespace {

TEST(GlossReverse, MirrorsPartsAndBrackets) {
  const std::pair<const char*, const char*> glosses[] = {
      {"the-(sons)-of", "of-(sons)-the"},
      {"(of-the", "the-of)"},
      {"in-the-beginning", "beginning-the-in"},
      {"word", "word"},
      {"", ""},
      {"a-", "-a"},
  };
  for (const auto& [gloss, reversed] : glosses) {
    EXPECT_EQ(ReverseHyphenatedGloss(gloss), reversed) << gloss;
  }
  EXPECT_EQ(ReverseWord("brawix"), "xiwarb");
}

}  // namespace
}  // namespace orv
