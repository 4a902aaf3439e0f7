// orv value.
#include "app/orv/cmd_value.h"

#include <ostream>
#include <string>

#include "model/letter_values.h"

namespace orv::cli {

int CmdValue(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: orv value TEXT\n";
    return 2;
  }
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
  out << "Original " << values.original << " Traditional " << values.traditional << '\n';
  return 0;
}

}  // namespace orv::cli
