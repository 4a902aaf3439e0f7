// The archive dialog (TArchive, caption "Archive"): writing and reading the
// text archive of the user's data, in full or the Strong's numbers only, and
// reading the default Strong's numbers. Each button runs the core
// (prefs/archive_actions.h) and closes the dialog when it has run.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "prefs/archive_actions.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace orv::ui {

class TArchive : public QDialog {
 public:
  TArchive(DatastoreSet& stores, UserInterface& ui, const Settings& settings, std::string dataRoot,
           std::string programDir, QWidget* parent = nullptr);

  // Called after a read ran (the datastores may have changed): the window
  // reads its page again.
  std::function<void()> afterRead;

  void WriteClick();
  void ReadClick();
  void WriteStrongsClick();
  void ReadStrongsClick();
  void StrDefClick();
  void BackupsClick();  // `Backups`: read one of the automatic backups
  void CancelClick();

  QLabel* Status;
  QPushButton* Write;
  QPushButton* Read;
  QPushButton* WriteStrongs;
  QPushButton* ReadStrongs;
  QCheckBox* CBStoreNonZeros;  // "Process only non-zero Strong's numbers"
  QPushButton* StrDef;
  QPushButton* Backups;
  QPushButton* Cancel;

 private:
  void Run(ArchiveAction action);

  ArchiveEnv env_;
};

}  // namespace orv::ui
