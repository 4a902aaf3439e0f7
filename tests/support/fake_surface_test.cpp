#include "support/fake_surface.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

TEST(FakeSurface, DumpsEachDrawingCallWithStateOnlyWhenItChanges) {
  FakePrinterSurface s({0, 0, 200, 100});
  s.FillBackground({0, 0, 200, 100});
  s.SetFont({"Arial", 8, 0, kRed});
  s.TextOut(120, 40, "07225");
  s.SetFont({"Arial", 8, 0, kRed});  // the same font again: no new line
  s.TextOut(80, 40, "say \"hi\"\\\t");
  s.SetFontSize(20);
  s.SetFont({"Orvane Hebrew", 20, kFontBold | kFontItalic, kBlack});
  s.TextOut(0, 0, "brai\xd7\x90");
  s.SetPenColor(kBlue);
  s.MoveTo(10, 20);
  s.LineTo(30, 20);
  s.LineTo(30, 40);
  EXPECT_TRUE(s.NewPage());
  EXPECT_EQ(s.Dump(),
            "fill 0,0-200,100\n"
            "font Arial 8 #ff0000\n"
            "text 120,40 \"07225\"\n"
            "text 80,40 \"say \\\"hi\\\"\\\\\\x09\"\n"
            "font Orvane Hebrew 20 bi #000000\n"
            "text 0,0 \"brai\\xd7\\x90\"\n"
            "pen #0000ff\n"
            "line 10,20-30,20\n"
            "line 30,20-30,40\n"
            "newpage\n");
}

TEST(FakeSurface, MeasuresCodePointsTimesSizeAndRefusesTheChosenPage) {
  FakePrinterSurface s;
  s.SetFont({"Arial", 8, 0, kBlack});
  EXPECT_EQ(s.TextExtent("07225"), (Extent{40, 12}));
  EXPECT_EQ(s.TextExtent(""), (Extent{0, 12}));
  EXPECT_EQ(s.TextWidth("\xd7\x90\xd7\x91"), 16);  // two letters, four bytes
  EXPECT_EQ(s.extentCalls, 3);
  s.refusePage = 3;
  EXPECT_TRUE(s.NewPage());
  EXPECT_FALSE(s.NewPage());
  EXPECT_EQ(s.page, 2);
}

}  // namespace
}  // namespace orv::test
