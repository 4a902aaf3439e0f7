// The embedded word search dialog (TEmbedded, caption "Embedded Word
// Search"): the search term and the skip factor. The checks are the core's
// (search/embedded_checks.h); the search always starts at the page.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {
class UserInterface;
struct EmbeddedParams;
}  // namespace orv

namespace orv::ui {

// TEmbedded: made for each search and freed after it. Closes with
// Accepted (the parameters then hold the term and the skip factor),
// Rejected on Cancel or Escape, or kNotAccepted.
class TEmbedded : public QDialog {
 public:
  // The result of a refused field, and of Enter in a field or on the form.
  static constexpr int kNotAccepted = 3;

  // `params` (the search state's: the dialog starts from the last search's
  // term and skip factor, empty and 1 the first time) and `ui` must outlive
  // the dialog.
  TEmbedded(EmbeddedParams& params, UserInterface& ui, QWidget* parent = nullptr);

  // MatchWord shows the term, Skip the skip factor in decimal.
  void FormShow();
  // A refused skip factor or term: its message, and the dialog closes with
  // kNotAccepted; else the parameters take both and it closes with Accepted.
  void OKClick();

  QLabel* StaticText1;
  QLineEdit* MatchWord;
  QLabel* StaticText2;
  QLineEdit* Skip;
  QPushButton* OK;
  QPushButton* btCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  // Enter is swallowed and closes the dialog with kNotAccepted.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  EmbeddedParams& params_;
  UserInterface& ui_;
};

}  // namespace orv::ui
