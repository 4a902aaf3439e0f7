// orv embedded.
#include "app/orv/cmd_embedded.h"

#include <ostream>
#include <sstream>

#include "app/cli/cli_session.h"
#include "app/orv/cli_runs.h"
#include "search/embedded_checks.h"
#include "search/embedded_filter.h"
#include "search/run_search.h"

namespace orv::cli {

int CmdEmbedded(const Args& args, std::ostream& out, std::ostream& err) {
  RunArgs a;
  std::string why;
  if (!ParseRunArgs(args, {"--skip", "--from", "--limit"}, a, why) || a.words.size() != 1) {
    err << "orv embedded: " << (why.empty() ? "one TERM" : why) << '\n'
        << "usage: orv embedded TERM [--skip S] [--from CITE] [--limit K]\n";
    return 2;
  }
  // An empty term ("") is accepted, as in the dialog, and finds nothing.
  const std::string& term = a.words[0];
  auto skip = a.options.find("--skip");
  EmbeddedParams params;
  const std::string refused =
      CheckEmbeddedFields(term, skip == a.options.end() ? "1" : skip->second, params);
  if (!refused.empty()) {
    err << refused << '\n';
    return 1;
  }
  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  EmbeddedFilter filter(params.term, params.skip);
  return ListRuns(session, a, filter, kNoEmbeddedMatches, "embedded", out, err);
}

}  // namespace orv::cli
