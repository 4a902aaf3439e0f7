// The word count dialog (TWordCount, caption "Word Count"): a word or
// Strong's number counted in the current chapter, the current book or the
// whole text, or listed with all its counts or the counts equal to a match
// count; with the word left empty and a match count, every word with that
// count. The checks and the counting are the core's (search/count_dialog.h).
#pragma once

#include <QDialog>
#include <string>

#include "search/word_count.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {
class DatastoreSet;
class UserInterface;
}  // namespace orv

namespace orv::ui {

// TWordCount: the word count dialog, made once and shown again for each
// count command.
class TWordCount : public QDialog {
 public:
  TWordCount(DatastoreSet& stores, UserInterface& ui, QWidget* parent = nullptr);

  // Set by the caller before showing the dialog: the book and chapter that
  // "Occurences in chapter" and "Occurences in book" count in, and the
  // preset word, which the next show puts into SWord and clears.
  CountPlace place;
  std::string presetWord;

  void FormCreate();
  void FormShow();
  // Every radio button's click and the form's activation: MatchCount only
  // with RBMatch (then "1" when empty); SWord takes the focus for the
  // listings.
  void RadioButton1Click();
  void BCountClick();
  void BCancelClick();
  // Releases WORD (it stays open for the main window).
  void FormClose();

  QLabel* StaticText1;
  QLineEdit* SWord;
  QRadioButton* RadioButton1;  // "Occurences in chapter"
  QRadioButton* RadioButton2;  // "Occurences in book"
  QRadioButton* RadioButton3;  // "Whole Bible"
  QRadioButton* RadioButton4;  // "Show all counts"
  QRadioButton* RBMatch;       // "Match Count"
  QLabel* StaticText2;
  QLineEdit* MatchCount;
  QPushButton* BCount;
  QPushButton* BCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DatastoreSet& stores_;
  UserInterface& ui_;
};

}  // namespace orv::ui
