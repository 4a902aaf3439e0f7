// The list dialog (TAList): the common modal list through which searches,
// counts, occurrence lists and reports present their results.
//
// The caller creates it, sets the caption, fills and pre-selects the list,
// enables `Select` when the user is to pick an entry, runs it modally and
// then reads SelectedIndex (-1 for none). Select, Enter in the list and a
// left double-click in it close keeping the selection; Close and Escape
// clear it. Save writes the items to a text file chosen through `ui`.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace orv {
class UserInterface;
}

namespace orv::ui {

// TAList: the list dialog that searches, counts and reports show their
// results in; it returns the chosen line and can save the lines to a file.
class TAList : public QDialog {
 public:
  // `ui` must outlive the dialog.
  explicit TAList(UserInterface& ui, QWidget* parent = nullptr);

  void AddItem(const std::string& item);
  void SetItems(const std::vector<std::string>& items);
  std::vector<std::string> Items() const;
  // The selected row, -1 for none.
  int SelectedIndex() const;
  void SetSelectedIndex(int index);

  void FormShow();
  void SelectClick();
  void CancelClick();
  void SaveClick();
  // The list's keys: Enter selects, Escape cancels; true when handled.
  bool ListBox1KeyDown(int key);
  // A left double-click at `pos` (viewport coordinates) selects the row
  // there and closes.
  void ListBox1DblClick(const QPoint& pos);

  QListWidget* ListBox1;
  QPushButton* Save;
  QPushButton* Select;
  QPushButton* Cancel;

  // Escape anywhere in the dialog counts as Close.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  UserInterface& ui_;
};

}  // namespace orv::ui
