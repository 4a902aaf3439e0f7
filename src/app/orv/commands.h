// The commands of `orv`. Each takes its arguments (after the command name)
// and returns the process exit code: 0 on success, 1 when something failed
// (the message then went to `err`), 2 for a usage error.
#pragma once

#include <iosfwd>

#include "app/cli/command_line.h"

namespace orv::cli {

int CmdBuild(const Args& args, std::ostream& out, std::ostream& err);
int CmdVerify(const Args& args, std::ostream& out, std::ostream& err);
int CmdArchive(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
