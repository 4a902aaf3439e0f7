// What the command-line programs (orv, orv-page, orv-import) share: the
// arguments of a command and the loop that runs one command by its name.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace orv::cli {

// A command's arguments, after its name.
using Args = std::vector<std::string>;

// A command: returns the process exit code, 0 on success, 1 when something
// failed (the message then went to `err`), 2 for a usage error.
using Command = int (*)(const Args& args, std::ostream& out, std::ostream& err);

// Exit code of a usage error.
inline constexpr int kUsageError = 2;

// Runs the command named by argv[1] with argv[2..] on standard output and
// error. No command: `usage` on standard output, exit code 2; "--help" or
// "-h": `usage`, 0; an unknown name: a line naming it and `usage` on standard
// error, 2. An exception a command lets through is printed as "orv: WHAT"
// and gives 1.
// Requires: argc >= 1; argv holds argc arguments.
int RunCommandLine(int argc, char** argv, const std::map<std::string, Command>& commands,
                   const char* usage);

}  // namespace orv::cli
