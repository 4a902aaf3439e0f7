// Preferences, the sources manager and the archive dialog driven offscreen
// from the main window's menus over a small built text.
#include "ui/main/prefs_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "built_window_fixture.h"
#include "ui/prefs/orv_archive.h"
#include "ui/prefs/orv_mng_srcs.h"
#include "ui/prefs/orv_prefs.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class PrefsCommandsTest : public test::BuiltWindowTest {
 protected:
  PrefsCommandsTest() {
    modal = [this](QDialog& d) {
      d.show();
      if (auto* p = dynamic_cast<TPreferences*>(&d); p && prefs) prefs(*p);
      if (auto* s = dynamic_cast<TSources*>(&d); s && sources) sources(*s);
      if (auto* a = dynamic_cast<TArchive*>(&d); a && archive) archive(*a);
      return d.result();
    };
  }
  Settings& S() { return form_->GetSession().settings; }

  std::function<void(TPreferences&)> prefs;
  std::function<void(TSources&)> sources;
  std::function<void(TArchive&)> archive;
};

TEST_F(PrefsCommandsTest, ItemsAreEnabled) {
  for (const char* name : {"Preferences1", "Preferences2", "Archive1"}) {
    EXPECT_TRUE(form_->Item(name)->isEnabled()) << name;
  }
}

TEST_F(PrefsCommandsTest, OkAppliesTheControlsAndTheFirstOccurrenceView) {
  bool markEnabled = false;
  QString shownTitle;
  prefs = [&](TPreferences& p) {
    markEnabled = p.CBMarkFOcc->isEnabled();
    shownTitle = p.TitleSz->text();
    EXPECT_FALSE(p.CBHeader->isEnabled());
    EXPECT_FALSE(p.BtnHeb->isEnabled());
    EXPECT_EQ(p.CBILTSelect[2]->count(), 3);  // "(none)" and the two defaults
    p.CBShowStrongs->setChecked(true);
    p.CBILTSelect[2]->setCurrentIndex(2);
    p.TitleSz->setText("9");
    p.ChapSz->setText("12");
    p.RGFOItems->button(1)->setChecked(true);
    p.OK->click();
  };
  Run("Preferences1");
  EXPECT_TRUE(markEnabled);
  EXPECT_EQ(shownTitle, "30");
  EXPECT_TRUE(S().showStrongs);
  EXPECT_EQ(S().il.Selection(3), 2);
  EXPECT_EQ(S().titleSize, 30);
  EXPECT_EQ(S().chapterSize, 12);
  EXPECT_EQ(S().markFOcc, 2);
  EXPECT_EQ(form_->GetSession().stores->CurrentFOccView(), FOccView::kBook);
  EXPECT_FALSE(form_->GetSession().view.relayoutNeeded);  // laid out by the paint
}

TEST_F(PrefsCommandsTest, ConfirmedFontStaysAfterCancelAndThematicKeepsItsOrdering) {
  ui_.font.push_back(FontChoice{"Ezra SIL", 22});
  bool theoEnabled = true;
  prefs = [&](TPreferences& p) {
    theoEnabled = p.RGTheo->isEnabled();
    EXPECT_EQ(p.RGTheoItems->checkedId(), 1);  // -2: traditional, hidden
    p.HebrewFont->click();
    p.CBShowStrongs->setChecked(true);
    p.Cancel->click();
  };
  Run("Preferences2");
  EXPECT_FALSE(theoEnabled);
  EXPECT_EQ(S().hebrewFont, (FontSetting{22, "Ezra SIL"}));
  EXPECT_EQ(S().displayFont.name, "Orvane Hebrew");
  EXPECT_FALSE(S().showStrongs);
}

TEST_F(PrefsCommandsTest, SourcesManagerAddsARowThatTheLineListsShow) {
  const std::string folder = dir_.File("root/Greek");
  std::filesystem::create_directories(folder);
  ui_.folder.push_back(folder);
  std::vector<bool> delRef;
  sources = [&](TSources& s) {
    EXPECT_EQ(s.windowTitle(), "Manage Interliner Text File Sources");
    s.BtnAddRef->click();
    ASSERT_EQ(s.SG1->rowCount(), 2);
    s.SG1->item(1, 1)->setText("Greek");
    s.SG1->setCurrentCell(0, 0);
    delRef.push_back(s.BtnDelRef->isEnabled());
    s.SG1->setCurrentCell(1, 0);
    delRef.push_back(s.BtnDelRef->isEnabled());
    s.BtnDone->click();
  };
  QStringList listed;
  prefs = [&](TPreferences& p) {
    p.BtnILT->click();
    for (int i = 0; i < p.CBILTSelect[0]->count(); ++i) listed << p.CBILTSelect[0]->itemText(i);
    p.Cancel->click();
  };
  Run("Preferences1");
  EXPECT_THAT(delRef, ElementsAre(false, true));
  EXPECT_EQ(listed, (QStringList{"(none)", "ILT Translation", "Greek", "Translation DB"}));
  ASSERT_EQ(S().il.InterlinearCount(), 2);
  EXPECT_EQ(S().il.InterlinearTexts()[1].path, "Greek\\");
  EXPECT_EQ(S().il.InterlinearTexts()[1].language, "Greek");
}

TEST_F(PrefsCommandsTest, LineFontTakesStyleAndColourAndTheSpacingEditsStayHidden) {
  const Rgb teal{0, 128, 128};
  ui_.font.push_back(FontChoice{"DejaVu Serif", 14, kFontBold | kFontItalic, teal});
  PageFonts& fonts = form_->GetSession().layout.fonts;
  fonts.line[6].color = kGreen;
  const PageFonts before = fonts;
  const FontSetting setting = S().ilFont[5];
  prefs = [&](TPreferences& p) {
    for (const char* name : {"HeadSp", "WordSp", "RowSp", "Indent", "Footer", "XlatSp", "TitlSp"}) {
      auto* edit = p.findChild<QLineEdit*>(name);
      ASSERT_NE(edit, nullptr) << name;
      EXPECT_TRUE(edit->isHidden() && !edit->isEnabled()) << name;
    }
    EXPECT_EQ(p.LineFont[5]->text(), "IL6 Font");
    p.LineFont[5]->click();
    p.Cancel->click();
  };
  Run("Preferences1");
  ASSERT_EQ(ui_.fontsAsked.size(), 1u);
  EXPECT_EQ(ui_.fontsAsked[0].color, kGreen);  // started from line 6's page font
  EXPECT_TRUE(ui_.fontsAsked[0].withColor);
  for (size_t n = 1; n <= kInterlinearLines; ++n) {
    if (n != 6) {
      EXPECT_EQ(fonts.line[n], before.line[n]) << n;
    }
  }
  EXPECT_EQ(fonts.line[6], (FontSpec{"DejaVu Serif", 14, kFontBold | kFontItalic, teal}));
  EXPECT_EQ(S().ilFont[5], setting);  // the setting waits for OK
}

TEST_F(PrefsCommandsTest, DelRefOfASourceLinesShowTellsWhichLinesLostIt) {
  S().il.AddInterlinearText("Greek", "Greek", "Greek\\");
  S().il.SetSelection(2, 2);
  S().il.SetSelection(5, 2);
  S().il.SetSelection(3, 3);  // the database, behind the two texts
  sources = [](TSources& s) {
    s.SG1->setCurrentCell(1, 0);
    s.BtnDelRef->click();
    s.BtnDone->click();
  };
  prefs = [](TPreferences& p) {
    p.BtnILT->click();
    EXPECT_EQ(p.CBILTSelect[2]->currentText(), "Translation DB");
    EXPECT_EQ(p.CBILTSelect[4]->currentText(), "(none)");
    p.OK->click();
  };
  Run("Preferences1");
  EXPECT_THAT(
      ui_.messages,
      ElementsAre("Lines 2 and 5 showed the deleted source \"Greek\" and now show nothing."));
  EXPECT_EQ(S().il.Selection(2), 0);
  EXPECT_EQ(S().il.Selection(5), 0);
  EXPECT_EQ(S().il.Selection(3), 2);
}

TEST_F(PrefsCommandsTest, ArchiveWrittenFromTheDialogReadsBack) {
  const std::string file = dir_.File("root/all.TXT");
  ui_.saveFile.push_back(file);
  ui_.openFile.push_back(file);
  archive = [](TArchive& a) { a.Write->click(); };
  Run("Archive1");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_TRUE(ui_.messages.empty());
  TArchive* first = &ArchiveDialog(*form_);
  archive = [](TArchive& a) {
    EXPECT_TRUE(a.CBStoreNonZeros->isChecked());
    a.Read->click();
  };
  Run("Archive1");
  EXPECT_EQ(&ArchiveDialog(*form_), first);
  EXPECT_THAT(ui_.messages, ElementsAre("Archive successfully read"));
  EXPECT_EQ(ui_.lastFileRequest.folder, dir_.File("root"));
  EXPECT_EQ(form_->GetSession().view.reloadWords, WordReload::kValid);  // read again and painted
}

}  // namespace
}  // namespace orv::ui
