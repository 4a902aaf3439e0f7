#include "app/cli/terminal_progress.h"

#include <unistd.h>

#include <iostream>
#include <ostream>

namespace orv::cli {

bool OnTerminal(const std::ostream& out) { return &out == &std::cerr && ::isatty(STDERR_FILENO); }

TerminalProgress::TerminalProgress(std::ostream& out, bool isTerminal)
    : out_(out), on_(isTerminal) {}

TerminalProgress::~TerminalProgress() { Done(); }

void TerminalProgress::Show(const std::string& label, int done, int total) {
  if (!on_) return;
  std::string line = label;
  if (total > 0) {
    const long percent = 100L * done / total;
    line.append(": ")
        .append(std::to_string(done))
        .append("/")
        .append(std::to_string(total))
        .append(" (")
        .append(std::to_string(percent))
        .append("%)");
  }
  // Blanks over the rest of a longer line shown before.
  const std::size_t width = line.size();
  if (shown_ > width) line.append(shown_ - width, ' ');
  out_ << '\r' << line << std::flush;
  shown_ = width;
}

void TerminalProgress::Done() {
  if (!on_ || shown_ == 0) return;
  out_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
  shown_ = 0;
}

}  // namespace orv::cli
