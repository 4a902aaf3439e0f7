// orv value.
#include "app/orv/cmd_value.h"

#include <ostream>
#include <sstream>
#include <string>

#include "app/cli/cli_session.h"
#include "cite/cite_counts.h"
#include "model/letter_values.h"
#include "search/range_value.h"

namespace orv::cli {
namespace {

int PrintValues(int64_t original, int64_t traditional, std::ostream& out) {
  out << "Original " << original << " Traditional " << traditional << '\n';
  return 0;
}

int RangeCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) {
    err << "usage: orv value --range START END  (quote citations with blanks: \"Gen 1:1\")\n";
    return 2;
  }
  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  DatastoreSet& set = *session.set;
  // Exists opens a present store read-only and never creates one; a
  // missing one gives the dialog's "Error in datastores".
  for (TXRDataStore* s : {&set.BookDS, &set.CiteDS, &set.FOc2DS}) s->Exists();
  DatastoreCounts counts(set);
  const RangeValues values = RangeValue(set, counts, args[1], args[2]);
  if (!values.Ok()) {
    out << values.message << '\n';
    return 1;
  }
  return PrintValues(values.original, values.traditional, out);
}

}  // namespace

int CmdValue(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: orv value TEXT | orv value --range START END\n";
    return 2;
  }
  if (args[0] == "--range") return RangeCommand(args, out, err);
  // An unquoted phrase arrives as several arguments; blanks between its
  // words are skipped like any blank inside the text.
  std::string text;
  for (const std::string& a : args) {
    if (!text.empty()) text += ' ';
    text += a;
  }
  const TextValues values = ComputeTextValues(text);
  if (!values.Ok()) {
    out << values.message << '\n';
    return 1;
  }
  return PrintValues(values.original, values.traditional, out);
}

}  // namespace orv::cli
