#include "reference/alphabet_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "config/settings.h"
#include "model/letters.h"
#include "support/fake_surface.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

// The storage letters of an order, as one text.
std::string OrderText(bool databaseOrder) {
  std::string s;
  for (int entry : AlphabetOrder(databaseOrder)) s += AlphabetLetters()[entry - 1].storage;
  return s;
}

// The texts drawn in `font`, in drawing order.
std::vector<std::string> TextsIn(const test::FakeSurface& s, const std::string& font) {
  std::vector<std::string> out;
  bool in = false;
  for (const std::string& c : s.calls) {
    if (c.rfind("font ", 0) == 0) in = c.rfind("font " + font + " ", 0) == 0;
    if (in && c.rfind("text ", 0) == 0) out.push_back(c);
  }
  return out;
}

TEST(AlphabetTables, OrdersListEveryLetterOnceAndAgreeWithTheLetterTables) {
  EXPECT_EQ(OrderText(false), "abgdevzhtiklmnsopcqrwx");
  EXPECT_EQ(OrderText(true), "abwzidevthslkngopcqrmx");
  EXPECT_EQ(OrderText(true), kStorageLetters);
  std::string sorted = OrderText(false);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, "abcdeghiklmnopqrstvwxz");
  // Every source letter reads back as its storage letter, finals included.
  for (const AlphabetLetter& l : AlphabetLetters()) {
    EXPECT_EQ(MapSourceLetter(static_cast<uint8_t>(SourceLetter(l.storage))), l.storage);
    if (char f = FinalForm(l.storage)) {
      EXPECT_EQ(MapSourceLetter(static_cast<uint8_t>(f)), l.storage);
    }
    EXPECT_LE(l.name.size(), 7u);
  }
}

class AlphabetChartTest : public ::testing::Test {
 protected:
  AlphabetChartTest() {
    settings.ilFont[0].name = "Times";
    settings.ilFont[1].name = "Courier";
    settings.modernFont.name = "OLBHEB";
  }
  Settings settings;
  // Orvane Hebrew 24: "0" is 24 x 28; Times 12: 16 high.
  test::FakeSurface s{Rect{0, 0, 600, 400}};
};

TEST_F(AlphabetChartTest, DrawsEachLetterLargeThenStorageLetterAndNameThenSourceLetters) {
  PaintAlphabetChart(s, settings, false);
  ASSERT_GE(s.calls.size(), 12u);
  EXPECT_THAT(
      std::vector<std::string>(s.calls.begin(), s.calls.begin() + 12),
      ElementsAre("fill 0,0-600,400", "pen #000000", "line 300,10-300,390",
                  "font Orvane Hebrew 24 #000000", "text 10,10 \"a\"", "font Times 12 #000000",
                  "text 82,10 \"a\"", "text 82,26 \"aleph\"", "font OLBHEB 18 #000000",
                  "text 178,18 \"a\"", "font Orvane Hebrew 24 #000000", "text 10,38 \"b\""));
}

TEST_F(AlphabetChartTest, TraditionalOrderFillsTheLeftColumnThenTheRightOne) {
  PaintAlphabetChart(s, settings, false);
  std::vector<std::string> large = TextsIn(s, "Orvane Hebrew");
  ASSERT_EQ(large.size(), 22u);
  EXPECT_EQ(large[2], "text 10,66 \"g\"");
  // 13 rows of 28 fit above 400 - 28; the 14th letter starts the column at
  // half the width.
  EXPECT_EQ(large[12], "text 10,346 \"m\"");
  EXPECT_EQ(large[13], "text 310,10 \"n\"");
  EXPECT_EQ(large[21], "text 310,234 \"x\"");
}

TEST_F(AlphabetChartTest, DatabaseOrderPutsShiynThirdWithItsSourceLetter) {
  PaintAlphabetChart(s, settings, true);
  EXPECT_EQ(TextsIn(s, "Orvane Hebrew")[2], "text 10,66 \"w\"");
  std::vector<std::string> names = TextsIn(s, "Times");
  EXPECT_EQ(names[5], "text 82,82 \"shiyn\"");
  EXPECT_EQ(TextsIn(s, "OLBHEB")[2], "text 178,74 \"s\"");
  // Interlinear font 2 is not the chart's.
  EXPECT_TRUE(TextsIn(s, "Courier").empty());
}

TEST_F(AlphabetChartTest, FiveLettersShowAFinalFormBesideTheirSourceLetter) {
  PaintAlphabetChart(s, settings, false);
  std::vector<std::string> finals;
  for (const std::string& t : TextsIn(s, "OLBHEB")) {
    // Source letters stand at x2 + 4W, finals at x2 + 5W.
    if (t.rfind("text 202,", 0) == 0 || t.rfind("text 502,", 0) == 0) finals.push_back(t);
  }
  EXPECT_THAT(finals, ElementsAre("text 202,298 \"K\"", "text 202,354 \"M\"", "text 502,18 \"N\"",
                                  "text 502,102 \"P\"", "text 502,130 \"U\""));
}

TEST_F(AlphabetChartTest, PaintsWithinAnOffsetArea) {
  s.SetClipRect({100, 50, 500, 650});
  PaintAlphabetChart(s, settings, false);
  EXPECT_EQ(s.calls[0], "fill 100,50-500,650");
  EXPECT_EQ(s.calls[2], "line 300,60-300,640");
  std::vector<std::string> large = TextsIn(s, "Orvane Hebrew");
  EXPECT_EQ(large[0], "text 110,60 \"a\"");
  // 600 high: 21 rows fit, the last letter goes to the second column.
  EXPECT_EQ(large[20], "text 110,620 \"w\"");
  EXPECT_EQ(large[21], "text 310,60 \"x\"");
}

TEST_F(AlphabetChartTest, ChartSizeHoldsAllLettersInTwoColumns) {
  // Columns of 10 + 3 x 24 + the widest of 6 x 24 and "sameck" in Times 12
  // (72) + 10; twelve rows of 28 and the margins.
  const Extent size = AlphabetChartSize(s, settings);
  EXPECT_EQ(size, (Extent{2 * 236, 356}));
  s.SetClipRect({0, 0, size.width, size.height});
  s.Clear();
  PaintAlphabetChart(s, settings, true);
  std::vector<std::string> large = TextsIn(s, "Orvane Hebrew");
  ASSERT_EQ(large.size(), 22u);
  EXPECT_EQ(large[11], "text 10,318 \"l\"");
  EXPECT_EQ(large[12], "text 246,10 \"k\"");
  EXPECT_EQ(large[21], "text 246,262 \"x\"");
}

}  // namespace
}  // namespace orv
