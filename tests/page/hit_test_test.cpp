// What lies under the mouse on a page painted on the fake surface.
#include "page/hit_test.h"

#include <gtest/gtest.h>

#include <string>

#include "kjv/kjv_index.h"
#include "kjv/kjv_test_util.h"
#include "kjv/kjv_text.h"
#include "page/page_fixture.h"

namespace orv {
namespace {

using PageHitTest = test::PageFixture;

TEST_F(PageHitTest, FindsWordsLinesAndNumbers) {
  AddStrongs();
  settings_.showStrongs = true;
  settings_.thematic = 1;
  settings_.il.SetSelection(1, 1);
  Paint({1, 1, 1, 1}, 600, 230);
  const WordBox& b = layout_.box[3];  // "aleim", God, 430
  const int mid = b.x + b.width / 2;
  Hit h = HitWord(layout_, page_, settings_, mid, b.y + layout_.lines[0].offset + 1);
  EXPECT_TRUE(h.found);
  EXPECT_EQ(h.line, 0);
  EXPECT_EQ(h.text, "aleim");
  EXPECT_EQ(h.cite, (Citation{1, 1, 1, 3}));
  h = HitWord(layout_, page_, settings_, mid, b.y + layout_.lines[1].offset);
  EXPECT_EQ(h.line, 1);
  EXPECT_EQ(h.text, "aleim");
  h = HitWord(layout_, page_, settings_, mid + 2, b.y + 1);  // the Strong's half
  EXPECT_EQ(h.line, kHitNumberRow);
  EXPECT_EQ(h.text, "430");
  h = HitWord(layout_, page_, settings_, mid - 2, b.y + 1);  // the value's half
  EXPECT_EQ(h.line, kHitNothing);
  EXPECT_FALSE(HitWord(layout_, page_, settings_, b.x - 3, b.y + 20).found);  // the gap
  EXPECT_FALSE(HitWord(layout_, page_, settings_, mid, 2).found);             // the header
  // Every placed word is found at its box's middle, on every line.
  for (int k = layout_.firstPlaced; k <= layout_.lastPlaced; ++k) {
    const WordBox& w = layout_.box[static_cast<size_t>(k)];
    for (int line = 0; line <= 1; ++line) {
      h = HitWord(layout_, page_, settings_, w.x + w.slot / 2,
                  w.y + layout_.lines[static_cast<size_t>(line)].offset + 1);
      EXPECT_EQ(h.cite, Entry(k).cite) << k;
      EXPECT_EQ(h.line, line) << k;
    }
  }
  // A hidden number row gives nothing usable.
  settings_.showStrongs = false;
  EXPECT_EQ(HitWord(layout_, page_, settings_, mid + 2, b.y + 1).line, kHitNothing);
}

TEST_F(PageHitTest, FindsTheKingJamesNumbers) {
  test::KjvFolder kjvFolder;
  kjvFolder.Write(1, test::CrLf({"1:1 In the beginning 7225 God 430 created 1254"}));
  KjvIndex index(kjvFolder.ProgramDir(), kjvFolder.IndexFile());
  TKJV kjv(index);
  settings_.showKJV = true;
  settings_.showStrongs = true;
  Paint({1, 1, 1, 1}, 700, 200, &kjv);
  ASSERT_EQ(layout_.kjvHits.size(), 3u);
  for (const KjvHit& k : layout_.kjvHits) {
    Hit h = HitKJV(layout_, kjv, k.x + 1, k.y + 1);
    EXPECT_TRUE(h.found);
    EXPECT_EQ(h.line, kHitNumberRow);
    EXPECT_EQ(h.text, std::string(kjv.TokenText(k.token)));
  }
  EXPECT_EQ(HitKJV(layout_, kjv, layout_.kjvHits[1].x + 1, layout_.kjvHits[1].y + 1).text, "430");
  EXPECT_FALSE(HitKJV(layout_, kjv, 1, 1).found);
}

}  // namespace
}  // namespace orv
