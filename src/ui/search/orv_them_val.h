// The thematic value dialog (TThemVal, caption "Thematic Value"): the
// thematic value of a typed text or of a range of the text, in both
// numberings. Every result and every message goes into Orig and Trad,
// never into a message box. The computations are the core's
// (search/value_fields.h).
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {
class DatastoreSet;
class UserInterface;
struct Settings;
}  // namespace orv

namespace orv::ui {

// TThemVal: made once by the main window and shown again for each use, so
// the fields keep what was typed.
class TThemVal : public QDialog {
 public:
  // The range computation reads `stores` as the main window holds them
  // open; `settings` names the display Hebrew font. All must outlive the
  // dialog.
  TThemVal(DatastoreSet& stores, UserInterface& ui, const Settings& settings,
           QWidget* parent = nullptr);

  void FormCreate();
  // The text computation with "Text" selected, else the range computation.
  void ComputeClick();
  void DoneClick();
  void TextCompute();
  void RangeCompute();

  QGroupBox* GroupBox1;  // "Scan Type"
  QRadioButton* RBVRange;
  QRadioButton* RBText;
  QLineEdit* VStart;
  QLineEdit* VStop;
  QLineEdit* Ltrs;
  QLineEdit* Paleo;  // the text in Hebrew letters, right to left
  QLineEdit* Orig;
  QLineEdit* Trad;
  QPushButton* Compute;
  QPushButton* Done;

 protected:
  // Enter in VStart moves to VStop; in VStop it computes the range, in
  // Ltrs the text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowValues(const std::string& orig, const std::string& trad);

  DatastoreSet& stores_;
  UserInterface& ui_;
  const Settings& settings_;
};

}  // namespace orv::ui
