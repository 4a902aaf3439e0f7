// orv strongs: one lookup of the Strong's definitions viewer.
#include "app/orv/cmd_strongs.h"

#include <ostream>
#include <string>
#include <utility>

#include "platform/path_map.h"
#include "platform/program_dir.h"
#include "reference/strongs_lookup.h"
#include "reference/supplement_list.h"

namespace orv::cli {

int CmdStrongs(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: orv strongs NUMBER[-SUPPLEMENT]\n";
    return 2;
  }
  const std::string programDir = ProgramDir();
  // A missing supplement list only means no suffix adds anything.
  SupplementList supplements;
  supplements.Load(JoinPath(programDir, kSupplementFile));
  // The index lives with the other record files; without the data root it
  // cannot be made and every lookup reads the dictionary from the start.
  MakeDirectory(DataRoot());
  StrongsLookup lookup(JoinPath(programDir, kDictionaryFile), NativePath(kStrongsIndexStored),
                       std::move(supplements));
  StrongsDefinition d = lookup.Show(args[0]);
  if (!d.shown) {
    err << d.message << '\n';
    return 1;
  }
  out << d.caption << '\n';
  for (const std::string& line : d.lines) out << line << '\n';
  return 0;
}

}  // namespace orv::cli
