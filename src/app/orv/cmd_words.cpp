// orv words.
#include "app/orv/cmd_words.h"

#include <ostream>
#include <sstream>

#include "app/cli/cli_page.h"
#include "app/cli/cli_session.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "model/letter_values.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_stores.h"
#include "page/page_words.h"

namespace orv::cli {
namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() && s.size() < 6 && s.find_first_not_of("0123456789") == std::string::npos;
}

std::string Join(const Args& args, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (!text.empty()) text += ' ';
    text += args[i];
  }
  return text;
}

}  // namespace

int CmdWords(const Args& args, std::ostream& out, std::ostream& err) {
  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  DatastoreSet& set = *session.set;
  CliPage cli(session);
  Page& page = cli.page;
  PageEnv& env = cli.env;
  WordReload& reload = cli.view.reloadWords;

  DatastoreCounts counts(set);
  Citation cite = kFirstCite;
  int wanted = kPageWanted;
  // A trailing number is the count when what stands before it is a citation
  // of its own ("Gen 1:1 20"); "Gen 1 20" alone is Genesis 1:20.
  bool parsed = false;
  if (args.size() > 1 && AllDigits(args.back()) &&
      ParseCitation(Join(args, args.size() - 1), cite, counts) == kCiteOk &&
      Join(args, args.size() - 1).find(':') != std::string::npos) {
    wanted = std::stoi(args.back());
    parsed = true;
  }
  if (!parsed &&
      (args.empty() || ParseCitation(Join(args, args.size()), cite, counts) != kCiteOk)) {
    err << "orv words: " << kInvalidCiteMessage << " (usage: orv words CITE [COUNT])\n";
    return 2;
  }
  if (wanted < 1 || wanted >= kPageSlots) {
    err << "orv words: COUNT must be 1 to " << kPageSlots - 1 << '\n';
    return 2;
  }
  FillResult r = FillBuffer(page, env, cite, wanted, reload);
  for (int k = r.first; k <= r.last; ++k) {
    const WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
    out << CitationText(e.cite) << '\t' << e.hebrew << '\t' << e.strongs << '\t' << e.thematic;
    for (int n = 1; n < kLineCount; ++n) out << '\t' << e.text[static_cast<size_t>(n)];
    out << '\n';
  }
  return 0;
}

}  // namespace orv::cli
