// orv concordance and orv first-occurrences.
#include "app/orv/cmd_reports.h"

#include <ostream>
#include <string>

#include "app/cli/cli_session.h"
#include "app/cli/terminal_progress.h"
#include "app/orv/cli_word_stores.h"
#include "search/concordance.h"
#include "search/first_occurrences.h"

namespace orv::cli {
namespace {

using Writer = ReportOutcome (*)(DatastoreSet&, UserInterface&, const std::string&,
                                 const ReportProgress&);

int Report(const Args& args, std::ostream& out, std::ostream& err, const std::string& command,
           Writer write) {
  if (args.size() != 1 || args[0].empty()) {
    err << "usage: orv " << command << " FILE\n";
    return 2;
  }
  CliSession session(out, err, false);
  if (!WordStoresPresent(*session.set, command, err)) return 1;
  TerminalProgress shown(err, OnTerminal(err));
  const ReportOutcome outcome =
      write(*session.set, session.ui, args[0], [&](int64_t done, int64_t total) {
        shown.Show(command, static_cast<int>(done), static_cast<int>(total));
      });
  shown.Done();
  return outcome == ReportOutcome::kWritten ? 0 : 1;
}

}  // namespace

int CmdConcordance(const Args& args, std::ostream& out, std::ostream& err) {
  return Report(args, out, err, "concordance", WriteConcordance);
}

int CmdFirstOccurrences(const Args& args, std::ostream& out, std::ostream& err) {
  return Report(args, out, err, "first-occurrences", WriteFirstOccurrences);
}

}  // namespace orv::cli
