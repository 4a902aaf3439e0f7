// orv cite.
#include "app/orv/cmd_cite.h"

#include <ostream>
#include <sstream>
#include <string>

#include "app/cli/cli_session.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"

namespace orv::cli {

int CmdCite(const Args& args, std::ostream& out, std::ostream& err) {
  std::string text;
  std::string from;
  bool haveFrom = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--from") {
      if (i + 1 >= args.size()) {
        err << "usage: orv cite TEXT [--from CITE]\n";
        return 2;
      }
      from = args[++i];
      haveFrom = true;
    } else {
      if (!text.empty()) text += ' ';
      text += args[i];
    }
  }
  if (text.empty()) {
    err << "usage: orv cite TEXT [--from CITE]\n";
    return 2;
  }

  // The session's own messages would mix with the answer; keep them aside.
  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  DatastoreSet& set = *session.set;
  // Exists opens a present store read-only and never creates one, so asking
  // about a citation leaves the data folder as it was.
  if (!set.BookDS.Exists()) {
    err << "orv cite: no BOOK datastore (orv build --book makes it); default counts apply\n";
  }
  set.CiteDS.Exists();
  DatastoreCounts counts(set);

  Citation cite = session.settings.cite;
  if (haveFrom && ParseCitation(from, cite, counts) != kCiteOk) {
    err << "orv cite: --from " << from << ": " << kInvalidCiteMessage << '\n';
    return 2;
  }
  const int rc = ParseCitation(text, cite, counts);
  if (rc != kCiteOk) {
    out << rc << '\n';
    err << kInvalidCiteMessage << '\n';
    return 1;
  }
  out << rc << ' ' << CitationText(cite) << '\n';
  return 0;
}

}  // namespace orv::cli
