// The user interface of the command line: messages go to standard output,
// error messages (those beginning with "**") to standard error; questions are
// answered from fixed answers given on the command line (no prompt ever
// waits for input); dialogs are declined.
#pragma once

#include <iosfwd>
#include <string>

#include "platform/user_interface.h"

namespace orv::cli {

class ConsoleUserInterface final : public UserInterface {
 public:
  // `yes`: how Yes/No questions are answered; each question is printed with
  // its answer.
  ConsoleUserInterface(std::ostream& out, std::ostream& err, bool yes)
      : out_(out), err_(err), yes_(yes) {}

  // How many error messages were shown.
  int Failures() const { return failures_; }

  void Message(const std::string& text) override;
  bool YesNo(const std::string& text) override;
  int YesNoCancel(const std::string& text) override;
  bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool SaveFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool OpenFileDialog(const FileDialogRequest& request, std::string& path) override;
  bool SelectFolder(const std::string& caption, std::string& folder) override;
  bool FontDialog(FontChoice& font) override;
  // Prints the caption, then each line; nothing is chosen.
  int ShowList(const ListRequest& request) override;
  void SetWaitCursor(bool waiting) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool yes_;
  int failures_ = 0;
};

}  // namespace orv::cli
