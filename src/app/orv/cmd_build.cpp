// orv build and orv verify.
#include <algorithm>
#include <ostream>

#include "app/cli/cli_session.h"
#include "app/cli/terminal_progress.h"
#include "app/orv/commands.h"
#include "archive/archive_reader.h"
#include "archive/backups.h"
#include "build/build_context.h"
#include "build/db_build.h"
#include "build/db_verify.h"
#include "model/books.h"
#include "platform/path_map.h"

namespace orv::cli {

int CmdBuild(const Args& args, std::ostream& out, std::ostream& err) {
  BuildFlags flags;
  bool strongs = false;
  for (const std::string& a : args) {
    if (a == "--word") {
      flags.word = true;
    } else if (a == "--cite") {
      flags.cite = true;
    } else if (a == "--book") {
      flags.book = true;
    } else if (a == "--strongs") {
      strongs = true;
    } else {
      err << "orv build: unknown option " << a << '\n';
      return 2;
    }
  }
  if (!flags.Any()) flags = {true, true, true};

  CliSession session(out, err, strongs);
  BuildContext ctx(*session.set, session.sourceDir, session.ui);
  // The status lines go to the output as always; on a terminal, the book
  // being read shows on one line of the error stream beside them.
  TerminalProgress shown(err, OnTerminal(err));
  std::string phase;
  int books = 0;
  ctx.progress.status = [&](const std::string& text) {
    shown.Done();
    out << text << '\n' << std::flush;
    phase = text;
    books = 0;
  };
  ctx.progress.book = [&](const std::string& title) {
    books = std::min(books + 1, kBookCount);
    shown.Show(std::string(phase).append(": ").append(title), books, kBookCount);
  };
  ctx.beforeCiteRebuild = [](DatastoreSet& ds, UserInterface& ui) {
    return BackupBeforeCiteRebuild(ds, ui, DataRoot());
  };
  // WORD and CITE build together; BOOK is a build of its own.
  if (flags.word || flags.cite) RunBuild(ctx, {flags.word, flags.cite, false});
  if (flags.book) RunBuild(ctx, {false, false, true});
  if (strongs && (flags.word || flags.cite)) {
    out << "Setting Strong's numbers..." << '\n';
    int32_t rc = SetStrDef(*session.set, session.programDir);
    session.ui.Message(ArchiveReadMessage(rc, true));
  }

  shown.Done();
  DatastoreSet& ds = *session.set;
  for (TXRDataStore* s : {&ds.WordDS, &ds.FOccDS, &ds.FOc2DS, &ds.CiteDS, &ds.BookDS}) {
    s->ForceClose();
    out << s->Tag() << ' ' << s->RecordCount() << '\n';
  }
  return session.ui.Failures() == 0 ? 0 : 1;
}

int CmdVerify(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "orv verify: takes no arguments\n";
    return 2;
  }
  CliSession session(out, err, false);
  std::vector<std::string> messages = VerifyDatastores(*session.set, session.ui, [] {});
  for (const std::string& m : messages) {
    if (m.rfind("Error(s)", 0) == 0 || m.rfind("Could not", 0) == 0 || m.rfind("No ", 0) == 0) {
      return 1;
    }
  }
  return messages.empty() ? 1 : 0;
}

}  // namespace orv::cli
