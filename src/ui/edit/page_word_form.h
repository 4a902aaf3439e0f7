// The form that the Strong's number editor (TStrongEdit) and the ILT
// editor (TILTEdit) share: the Hebrew word right to left, its citation, the
// value field, and Done, Prev and Next. The stepping and saving are the
// core's (edit/page_word_editor.h); the form shows what comes back.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {
class PageWordEditor;
}

namespace orv::ui {

class TPageWordForm : public QDialog {
 public:
  // Called whenever a step or the closing save changed the page: the main
  // window repaints.
  std::function<void()> pageChanged;

  // `FormActivate`: shows the word the (activated) editor stands on.
  void FormActivate();
  void DoneClick();
  void PrevClick();
  void NextClick();

  QLabel* HWord;
  QLabel* Cite;
  QLineEdit* Value;  // `SNum` or `ILTText`
  QPushButton* Done;
  QPushButton* Prev;
  QPushButton* Next;
  QPushButton* BUpdate;  // hidden and disabled; no part in the behaviour

 protected:
  // `finish` is the editor's own Done (true when it changed the page).
  // `hebrewFont` is the display Hebrew font's name.
  TPageWordForm(PageWordEditor& editor, std::function<bool(const std::string&)> finish,
                const char* caption, const char* valueName, const std::string& hebrewFont,
                QWidget* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show();
  void Changed(bool changed);
  std::string Typed() const;

  PageWordEditor& editor_;
  std::function<bool(const std::string&)> finish_;
  int mapping_ = 0;  // GlyphMapping of the Hebrew font
};

}  // namespace orv::ui
