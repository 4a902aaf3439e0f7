// orv count.
#include "app/orv/cmd_count.h"

#include <map>
#include <ostream>
#include <string>

#include "app/cli/cli_session.h"
#include "app/orv/cli_word_stores.h"
#include "cite/cite_parse.h"
#include "search/count_dialog.h"

namespace orv::cli {
namespace {

constexpr const char kUsage[] =
    "usage: orv count WORD|NUMBER [--chapter|--book|--bible|--all-counts|--match N] "
    "[--at CITE]\n";

}  // namespace

int CmdCount(const Args& args, std::ostream& out, std::ostream& err) {
  static const std::map<std::string, CountChoice> kChoices = {
      {"--chapter", CountChoice::kChapter},
      {"--book", CountChoice::kBook},
      {"--bible", CountChoice::kBible},
      {"--all-counts", CountChoice::kAllCounts},
      {"--match", CountChoice::kMatch}};
  CountRequest request;
  std::string at;
  bool haveWord = false;
  bool haveChoice = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto choice = kChoices.find(a);
    const bool takesValue = a == "--at" || a == "--match";
    if (takesValue && i + 1 >= args.size()) {
      err << kUsage;
      return 2;
    }
    if (a == "--at") {
      at = args[++i];
    } else if (choice != kChoices.end() && !haveChoice) {
      request.choice = choice->second;
      haveChoice = true;
      if (takesValue) request.matchCount = args[++i];
    } else if (choice == kChoices.end() && !haveWord && a.rfind("--", 0) != 0) {
      request.word = a;
      haveWord = true;
    } else {
      err << kUsage;
      return 2;
    }
  }
  CliSession session(out, err, false);
  DatastoreSet& set = *session.set;
  if (!at.empty()) {
    Citation cite;
    if (!ReadAtCite(set, at, cite)) {
      err << "orv count: --at " << at << ": " << kInvalidCiteMessage << '\n';
      return 2;
    }
    request.place = {cite.book, cite.chapter};
  }
  if (!WordStoresPresent(set, "count", err)) return 1;
  return RunWordCount(set, session.ui, request) == CountOutcome::kAnswered ? 0 : 1;
}

}  // namespace orv::cli
