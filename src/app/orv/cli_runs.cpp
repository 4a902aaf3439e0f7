#include "app/orv/cli_runs.h"

#include <algorithm>
#include <limits>
#include <ostream>

#include "app/cli/cli_session.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "search/run_scan.h"
#include "search/store_scan.h"
#include "search/whole_number.h"

namespace orv::cli {

bool ParseRunArgs(const Args& args, const std::vector<std::string>& known, RunArgs& out,
                  std::string& why) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      out.words.push_back(a);
      continue;
    }
    if (std::find(known.begin(), known.end(), a) == known.end()) {
      why = "unknown option " + a;
      return false;
    }
    if (i + 1 >= args.size()) {
      why = a + " needs a value";
      return false;
    }
    if (!out.options.emplace(a, args[++i]).second) {
      why = a + " given twice";
      return false;
    }
  }
  return true;
}

int ListRuns(CliSession& session, const RunArgs& args, RunFilter& filter, const char* noMatch,
             const char* command, std::ostream& out, std::ostream& err) {
  DatastoreSet& set = *session.set;
  int32_t limit = std::numeric_limits<int32_t>::max();
  if (auto it = args.options.find("--limit"); it != args.options.end()) {
    if (!ReadWholeNumber(it->second, limit) || limit < 1) {
      err << "orv " << command << ": --limit must be a whole number of 1 or more\n";
      return 2;
    }
  }
  // Exists opens a present store read-only and never creates one.
  if (!set.CiteDS.Exists() || !set.FOc2DS.Exists()) {
    err << "orv " << command << ": no CITE or FOC2 datastore (orv build makes them)\n";
    return 1;
  }
  set.BookDS.Exists();
  Citation from = kFirstCite;
  if (auto it = args.options.find("--from"); it != args.options.end()) {
    DatastoreCounts counts(set);
    if (ParseCitation(it->second, from, counts) != kCiteOk) {
      err << "orv " << command << ": --from " << it->second << ": " << kInvalidCiteMessage << '\n';
      return 2;
    }
  }
  int32_t after = PositionBefore(set, from);
  int32_t listed = 0;
  RunScan r;
  while (listed < limit) {
    r = ScanForRun(set, filter, after);
    if (!r.found) break;
    out << CitationText(r.start) << '\t' << r.words << '\n';
    after = r.last;
    ++listed;
  }
  if (!r.found && IsReadError(r.code)) {
    err << kErrorAccessingDatastore << '\n';
    return 1;
  }
  if (listed == 0) {
    out << noMatch << '\n';
    return 1;
  }
  return 0;
}

}  // namespace orv::cli
