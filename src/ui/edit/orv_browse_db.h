// The database browser's form (TBrowseDB, caption "Browse Database"): one
// occurrence of a word at a time, in word order, with the steps, Find,
// Select, Count, and Sync Edit with the undefined-word search. The walk
// and the search are the core's (edit/db_browser.h).
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "model/citation.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {
class DbBrowser;
struct FontSetting;
}  // namespace orv

namespace orv::ui {

// What the browser asks of the main window.
struct BrowseHooks {
  // The word count dialog, modal, for a word in a book and chapter.
  std::function<void(const std::string& word, Citation where)> count;
  // The page moved (Select, a find): the main window repaints.
  std::function<void()> pageChanged;
  // Opens (true) or closes (false) the word definition editor beside the
  // browser; the core's loadEditor loads it.
  std::function<void(bool open)> syncEditor;
};

class TBrowseDB : public QDialog {
 public:
  // `hebrewFont` is the HebrewFont setting.
  TBrowseDB(DbBrowser& browser, BrowseHooks hooks, const FontSetting& hebrewFont,
            QWidget* parent = nullptr);

  // `FormShow`: false when there is no WORD datastore to browse (the
  // message is shown and the browser must not be).
  bool FormShow();
  void PreviousClick();
  void NextClick();
  void DoneClick();
  void SelectClick();
  void SelectPrevClick();
  void SelectNextClick();
  void PrevWordClick();
  void NextWordClick();
  void FindClick();
  void CountClick();
  void SyncEditClick();
  void CBUndefinedClick();

  QLabel* Hebrew;
  QLineEdit* Word;
  QLabel* Book;
  QLabel* Chap;
  QLabel* Vers;
  QPushButton* Previous;
  QPushButton* Next;
  QPushButton* Done;  // "Close"
  QPushButton* Select;
  QPushButton* Find;
  QPushButton* SelectNext;
  QPushButton* SelectPrev;
  QPushButton* PrevWord;
  QPushButton* NextWord;
  QPushButton* Count;
  QPushButton* SyncEdit;
  QGroupBox* RadioGroup1;  // "Find next undefined word in"
  QRadioButton* CBChap;
  QRadioButton* CBBook;
  QRadioButton* CBBible;
  QPushButton* CBUndefined;  // "Find"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void Show();
  void SetSyncControls(bool on);
  void PageMoved(bool moved);

  DbBrowser& browser_;
  BrowseHooks hooks_;
};

}  // namespace orv::ui
