#include "app/cli/console_ui.h"

#include <ostream>

namespace orv::cli {

void ConsoleUserInterface::Message(const std::string& text) {
  if (text.rfind("**", 0) == 0) {
    ++failures_;
    err_ << text << '\n';
  } else {
    out_ << text << '\n';
  }
}

bool ConsoleUserInterface::YesNo(const std::string& text) {
  out_ << text << (yes_ ? " Yes" : " No") << '\n';
  return yes_;
}

int ConsoleUserInterface::YesNoCancel(const std::string& text) { return YesNo(text) ? 1 : 0; }

bool ConsoleUserInterface::InputBox(const std::string&, const std::string&, std::string&) {
  return false;
}
bool ConsoleUserInterface::SaveFileDialog(const FileDialogRequest&, std::string&) { return false; }
bool ConsoleUserInterface::OpenFileDialog(const FileDialogRequest&, std::string&) { return false; }
bool ConsoleUserInterface::SelectFolder(const std::string&, std::string&) { return false; }
bool ConsoleUserInterface::FontDialog(FontChoice&) { return false; }
void ConsoleUserInterface::SetWaitCursor(bool) {}

int ConsoleUserInterface::ShowList(const ListRequest& request) {
  out_ << request.caption << '\n';
  for (const std::string& line : request.lines) out_ << line << '\n';
  return -1;
}

}  // namespace orv::cli
