// orv-page: `orv page`, in a program of its own because it alone needs Qt.
// `orv` runs it with the same arguments (orv-page page ...).
#include <map>
#include <string>

#include "app/cli/command_line.h"
#include "app/orv-page/cmd_page.h"

int main(int argc, char** argv) {
  using namespace orv::cli;
  return RunCommandLine(argc, argv, {{"page", CmdPage}},
                        "usage: orv page CITE --png FILE [--size WIDTHxHEIGHT] [--pages N]\n");
}
