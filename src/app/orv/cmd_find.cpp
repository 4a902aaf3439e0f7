// orv find.
#include "app/orv/cmd_find.h"

#include <ostream>
#include <string>

#include "app/cli/cli_session.h"
#include "cite/citation_text.h"
#include "page/view_state.h"
#include "search/find.h"
#include "search/search_state.h"

namespace orv::cli {

int CmdFind(const Args& args, std::ostream& out, std::ostream& err) {
  std::string text;
  bool all = false;
  for (const std::string& a : args) {
    if (a == "--all") {
      all = true;
    } else {
      if (!text.empty()) text += ' ';
      text += a;
    }
  }
  if (text.empty()) {
    err << "usage: orv find TEXT [--all]\n";
    return 2;
  }
  CliSession session(out, err, false);
  DatastoreSet& set = *session.set;
  ViewState view;
  SearchState search;
  // No build is offered here: the stores are only read, never created.
  const auto ensure = [&] {
    if (set.WordDS.Exists()) return true;
    err << "orv find: no WORD datastore (orv build makes it)\n";
    return false;
  };
  SearchEnv env{set, search, view, session.ui, ensure, {}};
  const FindResult found = FindText(env, text);
  if (found != FindResult::kFound) return found == FindResult::kListed ? 0 : 1;
  out << CitationText(view.clickedCite) << '\n';
  while (all && search.mode != SearchMode::kNone && FindNext(env)) {
    out << CitationText(view.clickedCite) << '\n';
  }
  return 0;
}

}  // namespace orv::cli
