// orv-import: `orv import`, in a program of its own because it alone needs
// the SWORD library and libxml2. `orv` runs it with the same arguments
// (orv-import import ...).
#include <map>
#include <string>

#include "app/cli/command_line.h"
#include "app/orv-import/cmd_import.h"

int main(int argc, char** argv) {
  using namespace orv::cli;
  return RunCommandLine(
      argc, argv, {{"import", CmdImport}},
      "usage: orv import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs,interlinear]\n");
}
