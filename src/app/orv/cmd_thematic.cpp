// orv thematic.
#include "app/orv/cmd_thematic.h"

#include <ostream>
#include <sstream>

#include "app/cli/cli_session.h"
#include "app/orv/cli_runs.h"
#include "model/letter_values.h"
#include "search/run_search.h"
#include "search/thematic_checks.h"
#include "search/thematic_filter.h"

namespace orv::cli {
namespace {

constexpr const char kUsage[] =
    "usage: orv thematic VALUE [--window W] [--min A] [--max B] [--from CITE]\n"
    "                    [--order original|traditional] [--limit K]\n";

std::string Option(const RunArgs& a, const std::string& name, const std::string& otherwise) {
  auto it = a.options.find(name);
  return it == a.options.end() ? otherwise : it->second;
}

}  // namespace

int CmdThematic(const Args& args, std::ostream& out, std::ostream& err) {
  RunArgs a;
  std::string why;
  if (!ParseRunArgs(args, {"--window", "--min", "--max", "--from", "--order", "--limit"}, a, why) ||
      a.words.size() != 1) {
    err << "orv thematic: " << (why.empty() ? "one VALUE" : why) << '\n' << kUsage;
    return 2;
  }
  const std::string order = Option(a, "--order", "");
  if (!order.empty() && order != "original" && order != "traditional") {
    err << "orv thematic: --order is original or traditional\n" << kUsage;
    return 2;
  }
  ThematicFields typed{a.words[0], Option(a, "--window", "0"), Option(a, "--min", "0"),
                       Option(a, "--max", "0"), true};
  ThematicParams params;
  const std::vector<std::string> refused = CheckThematicFields(typed, params);
  for (const std::string& message : refused) err << message << '\n';
  if (!refused.empty()) return 1;

  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  const int32_t numbering = order.empty()         ? SettingsNumbering(session.settings.thematic)
                            : order == "original" ? kOriginalValue
                                                  : kTraditionalValue;
  ThematicFilter filter(params, numbering);
  return ListRuns(session, a, filter, kNoThematicMatches, "thematic", out, err);
}

}  // namespace orv::cli
