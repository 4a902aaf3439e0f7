#include "app/orv/cmd_help.h"

#include <ostream>

#include "model/version.h"

namespace orv::cli {

std::string CommandUsage(std::string_view usage, std::string_view command) {
  std::string out;
  bool inCommand = false;
  while (!usage.empty()) {
    const size_t nl = usage.find('\n');
    const std::string_view line = usage.substr(0, nl);
    usage.remove_prefix(nl == std::string_view::npos ? usage.size() : nl + 1);
    const bool named = line.size() >= 2 + command.size() && line.substr(0, 2) == "  " &&
                       line.substr(2, command.size()) == command &&
                       (line.size() == 2 + command.size() || line[2 + command.size()] == ' ');
    // A continuation line is indented further than a command's line.
    const bool continued = line.size() > 2 && line.substr(0, 3) == "   ";
    inCommand = named || (inCommand && continued);
    if (inCommand) out.append(line).append("\n");
  }
  return out;
}

int CmdHelp(const Args& args, std::string_view usage, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    out << usage;
    return 0;
  }
  const std::string lines = args.size() == 1 ? CommandUsage(usage, args[0]) : std::string();
  if (lines.empty()) {
    err << "orv help: no command " << args[0] << '\n' << usage;
    return kUsageError;
  }
  out << lines;
  return 0;
}

std::string VersionLine() { return std::string("orv ").append(kProgramVersion).append("\n"); }

}  // namespace orv::cli
