#include "config/il_sources.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orv {
namespace {

// An object holding `ilt` interlinear texts I1.. and `db` databases D1..,
// with the given line selections. (Names are appended: GCC 12 at -O3
// reports a false -Wrestrict for "I" + std::to_string(i), GCC bug 105651.)
TILObject Make(int ilt, int db, std::array<int32_t, 8> sel = {}) {
  TILObject o;
  for (int i = 1; i <= ilt; ++i)
    o.AddInterlinearText(std::string("I").append(std::to_string(i)), "L", "ILT\\");
  for (int i = 1; i <= db; ++i)
    o.AddTranslationDatabase(std::string("D").append(std::to_string(i)), "L", "DB\\");
  for (int n = 1; n <= 8; ++n) o.SetSelection(n, sel[n - 1]);
  return o;
}

std::array<int32_t, 8> Selections(const TILObject& o) {
  std::array<int32_t, 8> a{};
  for (int n = 1; n <= 8; ++n) a[n - 1] = o.Selection(n);
  return a;
}

TEST(SourceNumbering, InterlinearTextsComeFirstThenDatabases) {
  TILObject o = Make(2, 1, {1, 2, 3, 4, 0, -1, 0, 0});
  EXPECT_EQ(o.SourceCount(), 3);
  EXPECT_EQ(o.SourceName(1), "I1");
  EXPECT_EQ(o.SourceName(2), "I2");
  EXPECT_EQ(o.SourceName(3), "D1");
  EXPECT_EQ(o.SourceName(4), "") << "beyond the total";
  EXPECT_EQ(o.SourceName(0), "");
  EXPECT_EQ(o.LineKindOf(1), SourceKind::kText);
  EXPECT_EQ(o.LineKindOf(2), SourceKind::kText);
  EXPECT_EQ(o.LineKindOf(3), SourceKind::kDatabase);
  EXPECT_EQ(o.LineKindOf(4), SourceKind::kNone) << "selection past the total";
  EXPECT_EQ(o.LineKindOf(5), SourceKind::kNone) << "line not shown";
  EXPECT_EQ(o.LineKindOf(6), SourceKind::kNone) << "a negative selection names no source";
  EXPECT_EQ(o.LinePath(3), "DB\\");
  EXPECT_EQ(o.LineLanguage(1), "L");
  EXPECT_EQ(o.LineName(6), "");
}

TEST(SourceNumbering, LinesOutsideOneToEightAreIgnored) {
  TILObject o = Make(1, 1);
  o.SetSelection(0, 1);
  o.SetSelection(9, 1);
  EXPECT_EQ(o.Selection(0), 0);
  EXPECT_EQ(o.Selection(9), 0);
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{}));
}

TEST(SourceAdd, NewInterlinearTextMovesDatabasesUpOneNumber) {
  TILObject o = Make(2, 1, {3, 2, 1, 0, 3, -3, 0, 0});
  o.AddInterlinearText("I3", "L", "X\\");
  EXPECT_EQ(o.SourceName(3), "I3");
  EXPECT_EQ(o.SourceName(4), "D1");
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{4, 2, 1, 0, 4, -3, 0, 0}));
}

TEST(SourceAdd, NewDatabaseKeepsEveryNumber) {
  TILObject o = Make(1, 1, {1, 2, 0, 0, 0, 0, 0, 0});
  o.AddTranslationDatabase("D2", "L", "DB2\\");
  EXPECT_EQ(o.SourceName(3), "D2");
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{1, 2, 0, 0, 0, 0, 0, 0}));
}

TEST(SourceAdd, FullTablesIgnoreFurtherEntries) {
  TILObject o = Make(10, 10, {11, 10, 0, 0, 0, 0, 0, 0});
  o.AddInterlinearText("I11", "L", "X\\");
  o.AddTranslationDatabase("D11", "L", "X\\");
  EXPECT_EQ(o.InterlinearCount(), 10);
  EXPECT_EQ(o.DatabaseCount(), 10);
  EXPECT_EQ(o.Selection(1), 11) << "a refused add renumbers nothing";
  EXPECT_EQ(o.SourceName(20), "D10");
}

TEST(SourceAdd, NamesAndLanguagesAreCutToTheirCapacity) {
  TILObject o;
  o.AddInterlinearText(std::string(30, 'n'), std::string(25, 'l'), std::string(300, 'p'));
  EXPECT_EQ(o.SourceName(1), std::string(20, 'n'));
  EXPECT_EQ(o.LineLanguage(0), "");
  EXPECT_EQ(o.InterlinearTexts()[0].language, std::string(20, 'l'));
  EXPECT_EQ(o.InterlinearTexts()[0].path.size(), 300u) << "paths have no capacity";
}

TEST(SourceDelete, FirstOfTwoInterlinearTexts) {
  TILObject o = Make(2, 1, {1, 2, 3, 0, 1, -2, 0, 0});
  o.DeleteInterlinearText(1);
  EXPECT_EQ(o.SourceName(1), "I2");
  EXPECT_EQ(o.SourceName(2), "D1");
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{0, 1, 2, 0, 0, -2, 0, 0}));
}

TEST(SourceDelete, DatabaseNumberCountsTheInterlinearTexts) {
  TILObject o = Make(2, 3, {3, 4, 5, 2, 0, 0, 0, 0});
  o.DeleteTranslationDatabase(2);  // source number 4
  EXPECT_EQ(o.DatabaseCount(), 2);
  EXPECT_EQ(o.SourceName(4), "D3");
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{3, 0, 4, 2, 0, 0, 0, 0}));
}

TEST(SourceDelete, EmptyTablesAndPositionsOutsideTheTableAreIgnored) {
  TILObject empty;
  empty.SetSelection(1, 1);
  empty.DeleteInterlinearText(1);
  empty.DeleteTranslationDatabase(1);
  EXPECT_EQ(empty.Selection(1), 1);

  TILObject o = Make(1, 1, {1, 2, 0, 0, 0, 0, 0, 0});
  for (int i : {0, -1, 2, 1000}) {
    o.DeleteInterlinearText(i);
    o.DeleteTranslationDatabase(i);
  }
  EXPECT_EQ(o.SourceCount(), 2);
  EXPECT_EQ(Selections(o), (std::array<int32_t, 8>{1, 2, 0, 0, 0, 0, 0, 0}));
}

TEST(SourceDelete, AddThenDeleteRestoresTheSelections) {
  const std::array<int32_t, 8> sel{1, 2, 3, 4, 5, 0, 0, 0};
  TILObject o = Make(2, 3, sel);
  o.AddInterlinearText("I3", "L", "X\\");
  o.DeleteInterlinearText(3);
  EXPECT_EQ(Selections(o), sel);
  EXPECT_EQ(o, Make(2, 3, sel));
}

TEST(HebrewSourceTable, HoldsFiveAndResetRestoresThePresetPath) {
  HebrewSources h;
  EXPECT_EQ(h.count, 0);
  EXPECT_EQ(h.entry[0].path, "Source\\");
  for (int i = 0; i < 5; ++i)
    EXPECT_TRUE(h.Append(std::string("H").append(std::to_string(i)), "P\\"));
  EXPECT_FALSE(h.Append("H5", "P\\"));
  EXPECT_EQ(h.count, 5);
  EXPECT_EQ(h.entry[0].path, "P\\");
  h.Reset();
  EXPECT_EQ(h, HebrewSources{});
  EXPECT_EQ(h.entry[0].path, "Source\\");
}

}  // namespace
}  // namespace orv
