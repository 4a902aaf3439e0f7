// The preferences dialog (TPreferences, caption "Preferences"): four tabs,
// "General", "Layout", "Sources" and "Files", over the display settings.
// What the controls show and what OK does are the core's
// (prefs/preferences.h, prefs/prefs_fonts.h); the "Files" tab opens the
// sources manager (TSources).
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "prefs/preferences.h"
#include "prefs/sources_manager.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orv {
class UserInterface;
}  // namespace orv

namespace orv::ui {

// The "Layout" tab's spacing edits.
inline constexpr size_t kSpacingEdits = 7;

// What the dialog works on: the session's settings, page fonts,
// datastores and view state, and the window's ways of acting.
struct PrefsSession {
  Settings& settings;
  PageFonts& fonts;
  DatastoreSet& stores;
  ViewState& view;
  int currentBook = 1;
  std::string programDir;  // native
  std::string dataRoot;    // native
  std::function<void()> reassignSources;
  std::function<void()> invalidate;       // repaints the main window
  std::function<int(QDialog&)> runModal;  // shows the sources manager
};

class TPreferences : public QDialog {
 public:
  TPreferences(PrefsSession session, UserInterface& ui, QWidget* parent = nullptr);

  void FormShow();
  void CBMarkFOccClick();
  void CBTheomaticClick();
  void OKClick();
  void CancelClick();
  void HebrewFontClick();
  void ModernFontClick();
  // XFont1Click, ILFont2Click .. ILFont8Click: the font of line n (1..8).
  void LineFontClick(int n);
  void BtnILTClick();
  void BtnXlatClick();
  // Whether the sources manager changed a table since the dialog was shown.
  bool SourcesChanged() const { return sourcesChanged_; }

  QTabWidget* PageControl1;
  QCheckBox* CBHeader;
  QCheckBox* CBMarkFOcc;
  QGroupBox* RGFO;  // "Bible", "Book"
  QButtonGroup* RGFOItems;
  QCheckBox* XlatFlowWith;
  QCheckBox* CBShowStrongs;
  QCheckBox* CBTheomatic;
  QGroupBox* RGTheo;  // "Ordering": "Database", "Traditional"
  QButtonGroup* RGTheoItems;
  QLineEdit* TitleSz;
  QLineEdit* ChapSz;
  // HeadSp, WordSp, RowSp, Indent, Footer, XlatSp, TitlSp: hidden, disabled
  // and without effect.
  std::array<QLineEdit*, kSpacingEdits> SpacingEdit;
  QComboBox* CBHebrew;
  std::array<QComboBox*, kInterlinearLines> CBILTSelect;  // CBILTSelect1..8
  QPushButton* HebrewFont;
  QPushButton* ModernFont;
  QCheckBox* CBModern;
  std::array<QPushButton*, kInterlinearLines> LineFont;  // XFont1, ILFont2..ILFont8
  QPushButton* BtnILT;
  QPushButton* BtnXlat;
  QPushButton* BtnHeb;
  QPushButton* OK;
  QPushButton* Cancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* GeneralTab();
  QWidget* LayoutTab();
  QWidget* SourcesTab();
  QWidget* FilesTab();
  void ShowLineLists();
  void ManageSources(SourcesMode mode);

  PrefsSession s_;
  UserInterface& ui_;
  PrefsControls controls_;
  bool sourcesChanged_ = false;
};

}  // namespace orv::ui
