// The thematic value search dialog (TTheoSearch, caption "Theomatic value
// search"): the target value, the window around it, the least and most
// words of a run, and where the search starts. The checks are the core's
// (search/thematic_checks.h); the parameters live in the search state for
// the whole run.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orv {
class UserInterface;
struct ThematicParams;
}  // namespace orv

namespace orv::ui {

// TTheoSearch: made for each search and freed after it. Closes with
// Accepted when every field is valid (the parameters then hold them), with
// Rejected on Cancel or Escape.
class TTheoSearch : public QDialog {
 public:
  // `params` (the search state's) and `ui` must outlive the dialog.
  TTheoSearch(ThematicParams& params, UserInterface& ui, QWidget* parent = nullptr);

  // Fills the fields from the parameters; CBFromBegin is checked when the
  // search does not start at the page.
  void FormShow();
  // "Search" (and Enter in any field): each failing field's message in a
  // message box of its own; the dialog closes only when none failed.
  void StartClick();

  QLineEdit* SValue;
  QLineEdit* SWindow;
  QLineEdit* MinWords;
  QLineEdit* MaxWords;
  QCheckBox* CBFromBegin;
  QPushButton* Start;
  QPushButton* Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
  // `FormKeyPress`: Enter anywhere on the form starts the search.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ThematicParams& params_;
  UserInterface& ui_;
};

}  // namespace orv::ui
