// The document viewer (TFScrollRich): shows a rich-text file, such as the
// release notes or the getting-started text, read-only and scrollable.
#pragma once

#include <QDialog>
#include <string>

class QTextEdit;

namespace orv {
class UserInterface;
}

namespace orv::ui {

// TFScrollRich: the document viewer for the supplied rich-text files
// (README.RTF, HELP.RTF).
class TFScrollRich : public QDialog {
 public:
  // The caption is "Information" until the caller sets another. `ui` shows
  // the message when the file cannot be read; it must outlive the form.
  explicit TFScrollRich(UserInterface& ui, QWidget* parent = nullptr);

  // The native path of the document that showing the form loads.
  void SetFileName(const std::string& nativePath) { fileName_ = nativePath; }

  // Clears Memo1 and loads the file into it; a file that cannot be read
  // leaves it empty and says so.
  void FormShow();

  QTextEdit* Memo1;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  UserInterface& ui_;
  std::string fileName_;
};

}  // namespace orv::ui
