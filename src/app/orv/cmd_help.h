// orv help [COMMAND] and orv --version.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/cli/command_line.h"

namespace orv::cli {

// The lines of `usage` that describe `command`: each line that begins with
// two blanks and the command's name (followed by a blank or the line's
// end), with the lines after it that begin with more blanks. "" when the
// usage names no such command.
std::string CommandUsage(std::string_view usage, std::string_view command);

// orv help [COMMAND]: without a command the whole `usage`, else the
// command's lines; 0. A command the usage does not name: a line saying so
// on `err`, then the usage, kUsageError.
int CmdHelp(const Args& args, std::string_view usage, std::ostream& out, std::ostream& err);

// orv --version: "orv " and the program's version, one line.
std::string VersionLine();

}  // namespace orv::cli
