// The King James text read from files imported from the installed SWORD
// module, numbered as the Hebrew text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "kjv/kjv_line.h"
#include "kjv/kjv_text.h"
#include "support/real_kjv.h"

namespace orv {
namespace {

// The imported files are shared by the whole program: the import takes a
// second.
class KjvRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!data_.ok) GTEST_SKIP() << data_.why;
  }

  std::string ProgramDir() const { return data_.programDir; }
  std::string IndexFile() const { return data_.indexFile; }

  // The verse's tokens after its marker, joined by blanks.
  static std::string Verse(TKJV& kjv, int book, int chapter, int verse) {
    Citation cite{static_cast<uint8_t>(book), static_cast<uint8_t>(chapter),
                  static_cast<uint8_t>(verse), 1};
    int i = kjv.LoadVerse(cite);
    if (!kjv.VerseFound()) return "(not found)";
    std::string text;
    for (i = kjv.NextToken(); i != 0; i = kjv.NextToken()) {
      const std::string_view t = kjv.TokenText(i);
      if (IsKjvVerseMarker(t)) break;
      if (!text.empty()) text += ' ';
      text += t;
    }
    return text;
  }

  const test::RealKjv& data_ = test::RealKjv::Get();
};

TEST_F(KjvRealData, GenesisOne) {
  KjvIndex index(ProgramDir(), IndexFile());
  TKJV kjv(index);
  EXPECT_EQ(kjv.LoadVerse({1, 1, 1, 1}), 1);
  EXPECT_EQ(kjv.TokenText(1), "1)");
  EXPECT_EQ(Verse(kjv, 1, 1, 1), "In the beginning God created the heaven and the earth.");
  kjv.SetShowNumbers(true);
  EXPECT_EQ(Verse(kjv, 1, 1, 1),
            "In the beginning 7225 God 430 created 1254 the heaven 8064 and 853 the earth. 776");
  int verses = 0;
  for (int i = 1; i <= kjv.TokenCount(); ++i) verses += IsKjvVerseMarker(kjv.TokenText(i));
  EXPECT_EQ(verses, 31);
  EXPECT_EQ(kjv.TokenText(kjv.TokenCount()), "3117") << "Genesis 1:31 ends in 'day. 3117'";
  EXPECT_EQ(Verse(kjv, 1, 1, 32), "(not found)");
  EXPECT_EQ(Verse(kjv, 1, 2, 1).substr(0, 16), "Thus the heavens");
}

TEST_F(KjvRealData, JoelThreeOneIsTheKingJamesJoelTwoTwentyEight) {
  KjvIndex index(ProgramDir(), IndexFile());
  TKJV kjv(index);
  EXPECT_EQ(Verse(kjv, 29, 3, 1).substr(0, 64),
            "And it shall come to pass afterward, that I will pour out my spi");
  EXPECT_EQ(kjv.TokenText(1), "1)");
  int verses = 0;
  for (int i = 1; i <= kjv.TokenCount(); ++i) verses += IsKjvVerseMarker(kjv.TokenText(i));
  EXPECT_EQ(verses, 5) << "Hebrew Joel 3 is King James Joel 2:28-32";
  EXPECT_EQ(Verse(kjv, 29, 4, 1).substr(0, 21), "For, behold, in those");
}

TEST_F(KjvRealData, IndexHoldsEveryChapterOnce) {
  KjvIndex index(ProgramDir(), IndexFile());
  ASSERT_TRUE(index.Open());
  index.Close();
  DSHandle h;
  ASSERT_EQ(DSOpen(IndexFile(), h, 'r', DSSetParams(8, 0, 0, false)), kDSOk);
  EXPECT_EQ(DSCount(h.get()), 929);
  DSClose(h);
}

}  // namespace
}  // namespace orv
