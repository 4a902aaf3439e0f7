// A long task's progress on a terminal: one line ("Label: 12/39 (30%)")
// rewritten in place with a carriage return. When the stream is not a
// terminal (a pipe, a file, a test), nothing at all is written, so output
// that is read by programs stays as it was.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace orv::cli {

// Whether `out` is the process's standard error shown on a terminal. A
// stream given by a caller (a test, a file) is never drawn on.
bool OnTerminal(const std::ostream& out);

class TerminalProgress {
 public:
  // Requires: `out` outlives the printer. `isTerminal` says whether `out`
  // is shown on a terminal (OnTerminal).
  TerminalProgress(std::ostream& out, bool isTerminal);
  ~TerminalProgress();
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  // Shows `label` with `done` of `total` steps in place of the line shown
  // before; a `total` of 0 or less shows the label alone.
  void Show(const std::string& label, int done, int total);
  // Erases the line, so that other output can follow on a clean line; a
  // later Show draws it again. Also done when the printer goes away.
  void Done();

 private:
  std::ostream& out_;
  bool on_;
  std::size_t shown_ = 0;  // length of the line on the screen, 0: none
};

}  // namespace orv::cli
