// The core's UserInterface over Qt's standard dialogs: QMessageBox (captioned
// with the application title), QInputDialog, QFileDialog, QFontDialog and the
// application's override cursor. Every dialog is modal to the parent window,
// if one is set.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/user_interface.h"

namespace orv::ui {

// Sets the application title ("Hebrew Orvane" for the desktop program): the
// caption of every message box, and the program's name to the window system.
// It is kept as Qt's application name, never as its display name, which the
// window system plug-ins append to every window title; the forms' captions
// are shown as they are. Requires: the QApplication exists.
void SetApplicationTitle(const std::string& title);

class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
  ~QtUserInterface() override;
  QtUserInterface(const QtUserInterface&) = delete;
  QtUserInterface& operator=(const QtUserInterface&) = delete;

  // The window the dialogs belong to (may change once the main window
  // exists; null: none).
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const std::string& text) override;
  bool YesNo(const std::string& text) override;
  int YesNoCancel(const std::string& text) override;
  bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
  // The dialogs ask before overwriting, append `extension` to a name typed
  // without one, and match the filter patterns without regard to case.
  bool SaveFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool OpenFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool SelectFolder(const std::string& caption, std::string& folder) override;
  // Starts from the installed font that `font.name` stands for, in its
  // style; when the user keeps that font (changing only size or style),
  // the name stays as it was, so "Orvane Hebrew" does not turn into the
  // family drawn for it. Offers a colour when `font.withColor` asks for one
  // (FontColorDialog).
  bool FontDialog(FontChoice& font) override;
  // The list dialog TAList, modal to the parent window.
  int ShowList(const ListRequest& request) override;
  // Nests; a `false` without a matching `true` is ignored. Restores the
  // cursor when the object goes.
  void SetWaitCursor(bool waiting) override;

  int WaitDepth() const { return waitDepth_; }

 private:
  bool FileDialog(const FileDialogRequest& request, bool save, std::string& path);

  QPointer<QWidget> parent_;
  int waitDepth_ = 0;
};

}  // namespace orv::ui
