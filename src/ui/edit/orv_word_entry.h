// The word definition editor's form (TWordEdit, caption "Word Definition
// Edit"): the Hebrew word right to left, its six definitions and Mark Word;
// for one occurrence also its Strong's number, use number and Mark Use; the
// Remove Prefix buttons, "<--" and "<==", the prefix row and the occurrence
// list. Everything it decides is the core's (edit/word_editor.h); the form
// reads its fields into the editor and shows what the editor holds.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "edit/word_editor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {
class DatastoreSet;
class UserInterface;
struct ViewState;
}  // namespace orv

namespace orv::ui {

// TWordEdit: the form over the session's WordEditor. The caller loads the
// editor (WordEditor::Load) before showing the form.
class TWordEdit : public QDialog {
 public:
  TWordEdit(WordEditor& editor, DatastoreSet& stores, ViewState& view, UserInterface& ui,
            QWidget* parent = nullptr);

  // Called after a save that changed the page, and after the occurrence
  // list went to a place: the main window repaints.
  std::function<void()> pageChanged;

  void FormShow();
  // Shows what the editor holds (the refresh).
  void Refresh();
  void OKClick();
  void CancelClick();
  void FormClose();
  void ShowOccClick();
  void BRemPreClick(QPushButton* button);
  void BBackClick();
  void BTakeBackClick();
  // The prefix row: -1 is its "<--", 0..9 the prefixes of kPrefixTable.
  void PrefixRowClick(int i);

  QLineEdit* HebrewWord;
  QLabel* Arabic;
  QLabel* StaticText9;  // "Remove Prefix"
  QPushButton* BRemPre1;
  QPushButton* BRemPre2;
  QPushButton* BBack;
  QPushButton* BTakeBack;
  QLabel* StaticText1;  // "Strong's #"
  QLineEdit* Strong;
  QLabel* StaticText8;  // "Use"
  QLineEdit* XNum;
  QLabel* CurrCite;
  QCheckBox* CBMarkWord;
  QCheckBox* CBMarkUse;
  std::array<QLineEdit*, kDefinitionCount> Def{};  // Def0..Def5
  QPushButton* ShowOcc;
  QPushButton* OK;
  QPushButton* Cancel;
  std::vector<QPushButton*> prefixRow;  // "<--", then one per prefix

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void ReadFields();
  void BuildPrefixRow(QWidget* holder);

  WordEditor& editor_;
  DatastoreSet& stores_;
  ViewState& view_;
  UserInterface& ui_;
};

}  // namespace orv::ui
