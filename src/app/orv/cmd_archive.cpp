// orv archive: writing and reading the text archive of the user's data.
#include <ostream>

#include "app/cli/cli_session.h"
#include "app/cli/terminal_progress.h"
#include "app/orv/commands.h"
#include "archive/archive_reader.h"
#include "archive/archive_writer.h"

namespace orv::cli {

int CmdArchive(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "orv archive: write|write-strongs|read|read-strongs FILE [--all] | default-strongs\n";
    return 2;
  }
  const std::string& action = args[0];
  bool all = false;
  std::string file;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--all") {
      all = true;
    } else if (file.empty()) {
      file = args[i];
    } else {
      err << "orv archive: unexpected argument " << args[i] << '\n';
      return 2;
    }
  }
  bool needsFile = action != "default-strongs";
  if (needsFile == file.empty()) {
    err << "orv archive " << action << (needsFile ? ": FILE missing\n" : ": takes no FILE\n");
    return 2;
  }

  CliSession session(out, err, false);
  // The per-book status texts ("Scan Genesis") show on a terminal only, on
  // one line of the error stream: in the output they would only clutter.
  TerminalProgress shown(err, OnTerminal(err));
  ArchiveStatus status = [&shown](const std::string& text) { shown.Show(text, 0, 0); };
  if (action == "write" || action == "write-strongs") {
    int32_t rc = action == "write" ? WriteFullArchive(*session.set, file, status)
                                   : WriteStrongsArchive(*session.set, file, !all, status);
    shown.Done();
    if (rc != 0) {
      err << "** Error writing archive " << file << " (" << rc << ") **\n";
      return 1;
    }
    out << "Archive written to " << file << '\n';
    return 0;
  }
  int32_t rc;
  bool defaults = action == "default-strongs";
  if (defaults) {
    rc = SetStrDef(*session.set, session.programDir, !all, status);
  } else if (action == "read" || action == "read-strongs") {
    ArchiveReadOptions options;
    options.strongsOnly = action == "read-strongs";
    options.nonZeroOnly = !all;
    rc = ReadArchive(*session.set, file, options, status);
  } else {
    err << "orv archive: unknown action " << action << '\n';
    return 2;
  }
  shown.Done();
  session.ui.Message(ArchiveReadMessage(rc, defaults));
  return session.ui.Failures() == 0 ? 0 : 1;
}

}  // namespace orv::cli
