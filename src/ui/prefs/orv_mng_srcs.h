// The sources manager (TSources): one source table in a grid whose
// identifier and language cells are edited in place, with "Create", "Add
// Ref", "Del Ref" and "Done". The rows and every decision are the core's
// SourcesManager; the caller writes the rows back (SourcesManager::Close)
// once the dialog has returned.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace orv {
class SourcesManager;
class UserInterface;
}  // namespace orv

namespace orv::ui {

class TSources : public QDialog {
 public:
  // `manager` must outlive the dialog.
  TSources(SourcesManager& manager, UserInterface& ui, QWidget* parent = nullptr);

  void BtnNewClick();
  void BtnAddRefClick();
  void BtnDelRefClick();
  void BtnDoneClick();
  void SG1SelectCell(int row, int column);

  QTableWidget* SG1;
  QPushButton* BtnNew;
  QPushButton* BtnAddRef;
  QPushButton* BtnDelRef;
  QPushButton* BtnDone;

 private:
  // The grid and the buttons from the manager's rows.
  void ShowRows();
  void CellEdited(int row, int column);

  SourcesManager& m_;
  UserInterface& ui_;
  bool filling_ = false;
};

}  // namespace orv::ui
