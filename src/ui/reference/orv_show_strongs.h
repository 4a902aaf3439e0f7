// The Strong's definitions window (TShowStrongs): a small window that stays
// on top of the main window and shows one dictionary entry at a time.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace orv {
class StrongsLookup;
class UserInterface;
}  // namespace orv

namespace orv::ui {

// TShowStrongs: the Strong's dictionary window, one entry at a time. Each
// line of the entry is a paragraph written left to right (with Hebrew words
// in it), whatever letter it begins with.
class TShowStrongs : public QDialog {
 public:
  // `lookup` finds the entries, `ui` shows the messages; both must outlive
  // the window. The window is not modal.
  TShowStrongs(StrongsLookup& lookup, UserInterface& ui, QWidget* parent = nullptr);

  // Looks up `text` (a Strong's number, optionally "-" and a supplement
  // number): sets the caption, clears Memo1 and fills it with the entry,
  // widening the window (up to its screen's width) until the entry's widest
  // line fits without being broken again. When there is none the message is
  // shown through `ui` and the result is false. The caller shows the window
  // (without waiting) on true; while it is visible, later calls replace its
  // content.
  bool ShowDefinition(const std::string& text);

  QPlainTextEdit* Memo1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  StrongsLookup& lookup_;
  UserInterface& ui_;
};

}  // namespace orv::ui
