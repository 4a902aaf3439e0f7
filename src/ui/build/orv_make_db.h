// TMakeDB, the build dialog ("Build Database"): builds the WORD, FOCC, FOC2,
// CITE and BOOK datastores from the source text and offers to load the
// default Strong's numbers. The main window keeps one for the whole run and
// shows it modally: at the first paint when BOOK is missing (BOOK only,
// automatic, auto close), when a command needs the datastores (auto close),
// and from the "Build DB" command.
//
// The build runs inside the handler that starts it, once the dialog stands
// drawn on the screen; the dialog repaints and takes a click on Cancel while
// it runs (the core's refresh hook processes events), and Cancel, Escape or
// closing the window then stop the reading; the stores built so far are
// still packed and closed, and the dialog closes when the handler ends.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "build/build_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::ui {

// TMakeDB: the build dialog (Tools > Build DB), which builds the datastores.
class TMakeDB : public QDialog {
 public:
  // `set`, `ui` must outlive the dialog; `sourceDir` is the native folder of
  // the source files (may be changed later through SetSourceDir).
  TMakeDB(DatastoreSet& set, const std::string& sourceDir, UserInterface& ui,
          QWidget* parent = nullptr);
  ~TMakeDB() override;

  // Inputs, set by the caller before each show.
  // None: decide on show what to build; else these stores (WORD with FOCC
  // and FOC2), built at once without pressing Start.
  BuildFlags buildOptions;
  // Close by itself when the build has finished.
  bool autoClose = false;
  // Reads the default Strong's numbers (after Yes to the question); may be
  // empty.
  std::function<void()> loadDefaultStrongs;
  // Called after every build: the settings are to be written at close.
  std::function<void()> settingsChanged;
  // Whether WORD and CITE may be built together in one pass.
  std::function<bool()> memoryProbe;

  void SetSourceDir(const std::string& dir) { ctx_.sourceDir = dir; }
  // The stores the current show is to build.
  BuildFlags Flags() const { return flags_; }
  // Whether the last build ran to its end (cancelled or not).
  bool Done() const { return ctx_.done; }
  // True while a build runs. The build lets events through, so other
  // windows may repaint meanwhile: their paint must not touch the
  // datastores then (the engine is not reentrant).
  bool Building() const { return building_; }

  // Showing the dialog runs FormShow, which may warn the user, before the
  // dialog appears.
  void setVisible(bool visible) override;

  // Handlers, named after the controls and events.
  void FormShow();
  void FormActivate();
  void StartClick();
  void CancelClick();

  // The controls (parented to the dialog).
  QLabel* Label1;
  QLineEdit* BookName;
  QPushButton* Start;
  QPushButton* Cancel;
  QLineEdit* NumEntries;
  QLineEdit* TStart;
  QLineEdit* TStop;

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void SetStatus(const std::string& text);
  // Draws the dialog, complete, on the screen before the work it shows:
  // waits (a bounded time) for the window system to show it, then paints.
  void DrawNow();
  // Runs the build of `flags` with the Start button hidden and the times
  // shown; afterwards the dialog shows "Done".
  void Build(BuildFlags flags);

  BuildContext ctx_;
  BuildFlags flags_;
  bool building_ = false;
  bool closeWhenBuilt_ = false;  // Cancel was pressed during the build
  bool activatePending_ = false;
};

}  // namespace orv::ui
