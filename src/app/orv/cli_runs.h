// What `orv thematic` and `orv embedded` share: their options, where the
// scan starts, and the listing of the runs a filter finds.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "app/orv/commands.h"

namespace orv {
class RunFilter;
}

namespace orv::cli {

class CliSession;

struct RunArgs {
  std::vector<std::string> words;              // the arguments that are no option
  std::map<std::string, std::string> options;  // option name ("--window") -> its value
};

// Splits `args` into words and the options named in `known`, each of which
// takes the next argument as its value. False with the reason in `why` for
// an unknown option ("--..."), one without its value, or one given twice.
bool ParseRunArgs(const Args& args, const std::vector<std::string>& known, RunArgs& out,
                  std::string& why);

// Lists the runs `filter` finds, one line "<citation text>\t<words>" each,
// from the --from citation (default Genesis 1:1), each scan going on after
// the last run's last word, at most --limit runs (default all). Prints
// `noMatch` when there is none. Returns 0 when runs were listed; 1 when
// none, when CITE or FOC2 is missing (nothing is created), or when CITE
// could not be read ("Error accessing datastore" after the runs so far);
// 2 for a --from or --limit that cannot be read (`command` names the
// command in those messages).
int ListRuns(CliSession& session, const RunArgs& args, RunFilter& filter, const char* noMatch,
             const char* command, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
