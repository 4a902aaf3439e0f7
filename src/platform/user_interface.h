// Everything the core asks of the person at the screen goes through this
// interface: message boxes, confirmations, the input box, file and folder
// choosers, the font dialog and the wait cursor. The Qt layer implements it
// over the standard dialogs; tests use a scripted implementation that
// answers from queues and records what was shown, so no call ever blocks.
//
// Every call is modal: it returns once the user has answered. Texts are
// UTF-8 and are shown exactly as given.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace orv {

// One entry of a file dialog's type list, e.g. {"Text files", "*.txt"}.
// `patterns` may hold several patterns separated by ";" ("*.txt;*.lst").
struct FileFilter {
  std::string description;
  std::string patterns;
};

// What a file dialog starts from. `defaultName` is the name proposed in the
// name field; `extension` (without the dot, may be empty) is appended to a
// typed name that has none; `folder` is a native folder to start in (empty:
// the current directory).
struct FileDialogRequest {
  std::string title;
  std::string defaultName;
  std::string extension;
  std::vector<FileFilter> filters;
  std::string folder;
};

// What the list dialog shows: its caption, its lines, the line selected at
// first (-1: none), and whether the user is to pick a line (the dialog's
// Select button) or only to read, and perhaps save, the lines.
struct ListRequest {
  std::string caption;
  std::vector<std::string> lines;
  int selected = -1;
  bool pick = false;
};

// A font as the font dialog shows and returns it. The dialog always
// returns the style; the colour only when `withColor` asks it to offer one
// (otherwise `color` comes back as it went in).
struct FontChoice {
  std::string name;
  int size = 0;   // points
  int style = 0;  // kFontBold | kFontItalic
  Rgb color = kBlack;
  bool withColor = false;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Shows `text` in a message box with an OK button.
  virtual void Message(const std::string& text) = 0;

  // Asks a Yes/No question; true for Yes. Closing the box counts as No.
  virtual bool YesNo(const std::string& text) = 0;

  // Asks a Yes/No/Cancel question: 1 for Yes, 0 for No, -1 for Cancel
  // (closing the box counts as Cancel).
  virtual int YesNoCancel(const std::string& text) = 0;

  // Asks for one line of text. `value` holds the proposed text on entry and
  // the entered text when the result is true; on Cancel the result is false
  // and `value` is left unchanged.
  virtual bool InputBox(const std::string& caption, const std::string& prompt,
                        std::string& value) = 0;

  // Lets the user choose a file name to write. True with the chosen native
  // path in `path`; false (path unchanged) when cancelled. Does not create
  // the file; asking before overwriting is the implementation's part.
  virtual bool SaveFileDialog(const FileDialogRequest& request, std::string& path) = 0;

  // Lets the user choose an existing file to read. As SaveFileDialog.
  virtual bool OpenFileDialog(const FileDialogRequest& request, std::string& path) = 0;

  // Lets the user choose a folder. `folder` holds the native starting folder
  // on entry and the chosen one when the result is true.
  virtual bool SelectFolder(const std::string& caption, std::string& folder) = 0;

  // Lets the user choose a font, starting from `font`; true with the choice
  // in `font`, false (font unchanged) when cancelled.
  virtual bool FontDialog(FontChoice& font) = 0;

  // Shows the list dialog; returns the line the user chose, -1 for none
  // (always -1 when `request.pick` is false). The dialog saves its lines to
  // a text file on its own when asked.
  virtual int ShowList(const ListRequest& request) = 0;

  // Shows (true) or restores (false) the wait cursor. Calls nest: the
  // cursor returns once every `true` has been balanced by a `false`.
  virtual void SetWaitCursor(bool waiting) = 0;
};

// Restores the cursor when the scope ends, also on an exception.
class WaitCursor {
 public:
  explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.SetWaitCursor(true); }
  ~WaitCursor() { ui_.SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace orv
