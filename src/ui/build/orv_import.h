// TImport, the import dialog ("Import"): says what the program folder
// lacks and where the Hebrew text comes from, lets the user choose the
// folder of the Open Scriptures Hebrew Bible, and runs the import with a
// progress bar and a Cancel button. The main window shows it from File >
// Import... and at a start that finds no Hebrew text.
//
// The import runs on a thread of its own while the dialog keeps taking
// events; Cancel (or Escape, or closing the window) during the import asks
// it to stop at its next step and waits for it. A finished import closes
// the dialog as accepted; a failed one keeps it open; a cancelled one
// closes it as rejected. Each outcome is reported through UserInterface.
// A program folder that cannot be written (an installed program's) is
// named at once in the explanation, and again when Import is pressed.
#pragma once

#include <QDialog>
#include <atomic>
#include <mutex>
#include <string>

#include "ui/build/import_function.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace orv {
class UserInterface;
}

namespace orv::ui {

inline constexpr const char kImportCancelledMessage[] =
    "Import cancelled: the program folder was left as it was.";

// The message for a chosen folder that lacks `file` of the Hebrew Bible.
std::string NotOshbMessage(const std::string& folder, const std::string& file);
// The message for a program folder that cannot be written.
std::string ProgramFolderLockedMessage(const std::string& programDir);

// TImport: the import dialog (File > Import...).
class TImport : public QDialog {
 public:
  // `run` does the import; `programDir` (native) receives it; `ui` must
  // outlive the dialog. The folder field starts with $ORV_OSHB_DIR.
  TImport(ImportFunction run, const std::string& programDir, UserInterface& ui,
          QWidget* parent = nullptr);
  ~TImport() override;

  // True while the import runs.
  bool Running() const { return running_; }

  // Handlers, named after the controls.
  void BrowseClick();  // the folder chooser
  void StartClick();   // checks both folders, then imports
  void CancelClick();  // stops a running import, else closes the dialog

  // The controls (parented to the dialog).
  QLabel* Explain;    // what is missing and where to get it
  QLineEdit* Folder;  // the folder of the Hebrew Bible's XML files
  QPushButton* Browse;
  QProgressBar* Progress;
  QLabel* Status;  // the part being imported
  QPushButton* Start;
  QPushButton* Cancel;

 protected:
  void reject() override;

 private:
  // Runs the import on a worker thread, keeping the dialog alive, until
  // it ends.
  ImportOutcome RunWorker(const std::string& oshbDir);
  // Shows the progress the worker last reported.
  void ShowProgress();

  ImportFunction run_;
  std::string programDir_;
  UserInterface& ui_;
  bool running_ = false;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;  // guards the three fields below, written by the worker
  std::string part_;
  int done_ = 0;
  int total_ = 0;
};

}  // namespace orv::ui
