// orv kjv.
#include "app/orv/cmd_kjv.h"

#include <ostream>
#include <sstream>
#include <string_view>

#include "app/cli/cli_session.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "kjv/kjv_line.h"
#include "kjv/kjv_text.h"
#include "model/books.h"
#include "platform/program_dir.h"

namespace orv::cli {

int CmdKjv(const Args& args, std::ostream& out, std::ostream& err) {
  bool numbers = false;
  std::string text;
  for (const std::string& a : args) {
    if (a == "--numbers") {
      numbers = true;
    } else {
      // "GEN 1:1" unquoted arrives as two arguments.
      if (!text.empty()) text += ' ';
      text += a;
    }
  }
  // The session's own messages would mix with the text; keep them aside.
  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  DatastoreSet& set = *session.set;
  // Exists opens a present store read-only and never creates one.
  set.BookDS.Exists();
  set.CiteDS.Exists();
  DatastoreCounts counts(set);
  Citation cite = kFirstCite;
  if (text.empty() || ParseCitation(text, cite, counts) != kCiteOk) {
    err << "orv kjv: " << kInvalidCiteMessage << " (usage: orv kjv CITE [--numbers])\n";
    return 2;
  }
  KjvIndex index(ProgramDir());
  TKJV kjv(index);
  kjv.SetShowNumbers(numbers);
  int i;
  try {
    i = kjv.LoadVerse(cite);
  } catch (const KjvError& e) {
    err << "orv kjv: " << e.what() << '\n';
    return 1;
  }
  if (!kjv.VerseFound()) {
    err << "orv kjv: no King James text for " << BookCode(cite.book) << ' ' << int{cite.chapter}
        << ':' << int{cite.verse} << '\n';
    return 1;
  }
  std::ostringstream line;
  for (; i != 0; i = kjv.NextToken()) {
    const std::string_view token = kjv.TokenText(i);
    if (IsKjvVerseMarker(token) && line.tellp() > 0) {
      out << line.str() << '\n';
      line.str("");
    }
    if (line.tellp() > 0) line << ' ';
    line << token;
  }
  out << line.str() << '\n';
  return 0;
}

}  // namespace orv::cli
