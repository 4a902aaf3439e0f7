#include "config/first_start.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/supplied_sources.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::WriteText;

class FirstStart : public ::testing::Test {
 protected:
  // The program folder with the three sources, as the import leaves them.
  void Supply() {
    for (const SuppliedSource& s : kSuppliedSources) {
      fs::create_directories(Prog(s.folder));
      WriteText(Prog(s.folder) + "/GEN.ILT", std::string("*BOOK Genesis\r\n*WHAT ") + s.name);
      WriteText(Prog(s.folder) + "/EX.ILT", "*BOOK Exodus\r\n");
    }
  }
  std::string Prog(const std::string& folder) const { return dir_.File("prog/" + folder); }
  std::string Root(const std::string& folder) const { return dir_.File("root/" + folder); }
  // Settings as read from no file: the defaults reading adds.
  static Settings Read() {
    Settings s;
    ReadSettingsText(s, "");
    return s;
  }
  FirstStartResult Start(Settings& s, bool hadFile) {
    return SetUpSuppliedSources(s, hadFile, dir_.File("prog"), dir_.File("root"));
  }

  test::TempDir dir_;
};

TEST_F(FirstStart, WithoutSettingsRegistersCopiesAndShowsTheSuppliedSources) {
  Supply();
  fs::create_directories(Root("Interlinear/KJV-Gloss"));
  WriteText(Root("Interlinear/KJV-Gloss/GEN.ILT"), "the user's edits");
  Settings s = Read();
  ASSERT_TRUE(IsFirstStart(s, false));
  FirstStartResult r = Start(s, false);
  EXPECT_EQ(r.registered, 3);
  EXPECT_EQ(r.missing, "");
  // After the default entry, in table order, on lines 1 to 3.
  ASSERT_EQ(s.il.InterlinearCount(), 4);
  const char* paths[] = {"Interlinear\\KJV-Gloss\\", "Interlinear\\Morphology\\",
                         "Interlinear\\Transliteration\\"};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(s.il.Selection(n), n + 1);
    EXPECT_EQ(s.il.LineName(n), kSuppliedSources[static_cast<size_t>(n - 1)].name);
    EXPECT_EQ(s.il.LinePath(n), paths[n - 1]);
    EXPECT_EQ(s.il.LineKindOf(n), SourceKind::kText);
  }
  EXPECT_EQ(s.il.Selection(4), 0);
  // The translation database moved up past the three.
  EXPECT_EQ(s.il.KindOf(5), SourceKind::kDatabase);
  EXPECT_TRUE(s.showStrongs);
  EXPECT_GT(s.thematic, 0);
  // Copied into the data root, where a file already there is kept.
  EXPECT_EQ(ReadText(Root("Interlinear/KJV-Gloss/GEN.ILT")), "the user's edits");
  EXPECT_EQ(ReadText(Root("Interlinear/KJV-Gloss/EX.ILT")), "*BOOK Exodus\r\n");
  EXPECT_EQ(ReadText(Root("Interlinear/Transliteration/GEN.ILT")),
            "*BOOK Genesis\r\n*WHAT Transliteration");
  // The next start is no first start: nothing is added twice.
  EXPECT_FALSE(IsFirstStart(s, true));
  EXPECT_EQ(Start(s, true).registered, 0);
  EXPECT_EQ(s.il.InterlinearCount(), 4);
}

TEST_F(FirstStart, AUserWhoChoseSettingsKeepsThem) {
  Supply();
  // Their own interlinear text on line 2: nothing changes at all.
  Settings own = Read();
  own.il.AddInterlinearText("Mine", "Deutsch", "ILT_D\\");
  own.il.SetSelection(2, 2);
  const Settings before = own;
  EXPECT_EQ(Start(own, true).registered, 0);
  EXPECT_EQ(own, before);
  EXPECT_FALSE(fs::exists(Root("Interlinear")));
  // No interlinear text of their own, but the translation database on
  // line 1: the three are registered for them to choose, the lines and the
  // display stay as they were.
  Settings dbOnly = Read();
  dbOnly.il.SetSelection(1, 2);
  const Settings dbBefore = dbOnly;
  ASSERT_EQ(dbOnly.il.LineKindOf(1), SourceKind::kDatabase);
  EXPECT_EQ(Start(dbOnly, true).registered, 3);
  EXPECT_EQ(dbOnly.il.InterlinearCount(), 4);
  EXPECT_EQ(dbOnly.il.LineKindOf(1), SourceKind::kDatabase);  // renumbered, still the database
  for (int n = 2; n <= kInterlinearLines; ++n) EXPECT_EQ(dbOnly.il.Selection(n), 0) << n;
  EXPECT_EQ(dbOnly.showStrongs, dbBefore.showStrongs);
  EXPECT_EQ(dbOnly.thematic, dbBefore.thematic);
  // They remove the three again: a later start does not bring them back.
  for (int i = 4; i >= 2; --i) dbOnly.il.DeleteInterlinearText(i);
  ASSERT_TRUE(IsFirstStart(dbOnly, true));
  EXPECT_EQ(Start(dbOnly, true).registered, 0);
  EXPECT_EQ(dbOnly.il.InterlinearCount(), 1);
}

TEST_F(FirstStart, SourcesTheProgramFolderLacksAreNamedAndLeftOut) {
  // Only the morphology was imported; the KJV gloss folder holds no book file.
  Supply();
  fs::remove_all(Prog("Interlinear/Transliteration"));
  fs::remove(Prog("Interlinear/KJV-Gloss/GEN.ILT"));
  fs::remove(Prog("Interlinear/KJV-Gloss/EX.ILT"));
  Settings s = Read();
  FirstStartResult r = Start(s, false);
  EXPECT_EQ(r.registered, 1);
  EXPECT_EQ(r.missing, "KJV gloss, Transliteration");
  EXPECT_EQ(s.il.LineName(1), "Morphology");
  EXPECT_EQ(s.il.Selection(2), 0);
  EXPECT_TRUE(s.showStrongs);
  // None at all: the start is the one an older program folder always had.
  fs::remove_all(Prog("Interlinear"));
  Settings bare = Read();
  const Settings before = bare;
  EXPECT_EQ(Start(bare, false).missing, "KJV gloss, Morphology, Transliteration");
  EXPECT_EQ(bare, before);
}

}  // namespace
}  // namespace orv
