// The commands of `orv` that run in programs of their own, so that `orv`
// itself loads neither Qt (only painting needs it) nor the SWORD library and
// libxml2 (only the import needs them), and starts in a few milliseconds:
// `orv page` runs `orv-page`, `orv import` runs `orv-import`, each found
// beside the `orv` executable.
#pragma once

#include <iosfwd>
#include <string>

namespace orv::cli {

// The program that runs `command` ("orv-page" for "page"), or "" when
// `orv` runs it itself.
std::string SiblingFor(const std::string& command);

// Replaces this process by `sibling` from the folder of this executable,
// with the same arguments (argv[0] becomes the sibling's path). Returns only
// when it cannot: after a line on `err` naming the missing program, with
// exit code 1.
// Requires: argv ends with a null pointer.
int RunSibling(const std::string& sibling, char** argv, std::ostream& err);

}  // namespace orv::cli
