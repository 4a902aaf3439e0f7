// orv import: writes the supplied data into the program folder.
#include "app/orv-import/cmd_import.h"

#include <cstdlib>
#include <iostream>
#include <ostream>

#include "app/cli/terminal_progress.h"
#include "import/import_driver.h"
#include "platform/program_dir.h"

namespace orv::cli {

int CmdImport(const Args& args, std::ostream& out, std::ostream& err) {
  ImportOptions options;
  options.programDir = ProgramDir();
  if (const char* env = std::getenv("ORV_OSHB_DIR")) options.hebrewDir = env;
  for (size_t i = 0; i < args.size(); ++i) {
    bool hasValue = i + 1 < args.size();
    if (args[i] == "--hebrew" && hasValue) {
      options.hebrewDir = args[++i];
    } else if (args[i] == "--only" && hasValue) {
      std::string bad;
      if (!ParseImportParts(args[++i], options, bad)) {
        err << "orv import: unknown part " << bad
            << " (hebrew, kjv, dictionary, docs, interlinear)\n";
        return 2;
      }
    } else {
      err << "orv import: unknown option " << args[i] << '\n';
      return 2;
    }
  }
  if ((options.hebrew || options.kjv) && options.hebrewDir.empty()) {
    err << "orv import: name the folder of the Hebrew XML files with --hebrew DIR "
           "or ORV_OSHB_DIR\n";
    return 1;
  }
  out << "Importing into " << options.programDir << '\n';
  TerminalProgress bar(err, OnTerminal(err));
  ImportResult r = RunImport(
      options,
      [&](const std::string& line) {
        bar.Done();
        out << line << std::endl;
      },
      [&bar](const std::string& part, int done, int total) {
        bar.Show(part, done, total);
        return true;
      });
  bar.Done();
  if (!r.ok) {
    err << "orv import: " << r.message << '\n';
    return 1;
  }
  return 0;
}

}  // namespace orv::cli
