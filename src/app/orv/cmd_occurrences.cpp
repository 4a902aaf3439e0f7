// orv occurrences.
#include "app/orv/cmd_occurrences.h"

#include <ostream>
#include <string>

#include "app/cli/cli_session.h"
#include "app/orv/cli_word_stores.h"
#include "cite/cite_parse.h"
#include "model/typed_input.h"
#include "page/view_state.h"
#include "search/occurrences.h"
#include "search/store_scan.h"
#include "session/main_input.h"

namespace orv::cli {
namespace {

constexpr const char kUsage[] = "usage: orv occurrences WORD|NUMBER [--at CITE]\n";

}  // namespace

int CmdOccurrences(const Args& args, std::ostream& out, std::ostream& err) {
  std::string text;
  std::string at;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--at" && i + 1 < args.size()) {
      at = args[++i];
    } else if (text.empty() && args[i] != "--at") {
      text = args[i];
    } else {
      err << kUsage;
      return 2;
    }
  }
  if (TypedWord(text).empty()) {
    err << kUsage;
    return 2;
  }
  CliSession session(out, err, false);
  DatastoreSet& set = *session.set;
  ViewState view;
  if (!at.empty() && !ReadAtCite(set, at, view.clickedCite)) {
    err << "orv occurrences: --at " << at << ": " << kInvalidCiteMessage << '\n';
    return 2;
  }
  if (!WordStoresPresent(set, "occurrences", err)) return 1;
  const StrongsReading number = ReadStrongsNumber(text);
  if (number.reading == NumberReading::kOutOfRange) {
    session.ui.Message(kStrongsOutOfRange);
    return 1;
  }
  OccurrenceOutcome outcome;
  if (number.reading == NumberReading::kNumber) {
    view.popupWord = std::to_string(number.number);
    outcome = ListNumberOccurrences(set, session.ui, view);
  } else {
    view.popupWord = TypedWord(text);
    outcome = ListWordOccurrences(set, session.ui, view);
  }
  return outcome == OccurrenceOutcome::kListed || outcome == OccurrenceOutcome::kJumped ? 0 : 1;
}

}  // namespace orv::cli
