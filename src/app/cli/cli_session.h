// What every data command of `orv` works with: the settings read from the
// data root, the datastore set they name, the program folder with the
// supplied data, and the console user interface.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "app/cli/console_ui.h"
#include "config/settings.h"
#include "model/datastore_set.h"

namespace orv::cli {

class CliSession {
 public:
  // Reads the settings (a missing file gives the defaults) and sets up the
  // supplied interlinear lines as a first start of the desktop program does
  // (in memory; a command that saves the settings keeps them), makes the
  // data root and the datastore folders, and creates the datastore set.
  // `yes` answers the questions the commands may ask.
  CliSession(std::ostream& out, std::ostream& err, bool yes);
  ~CliSession();
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  Settings settings;
  std::string programDir;  // native, with a trailing slash
  std::string sourceDir;   // native folder of the Hebrew source files
  ConsoleUserInterface ui;
  std::unique_ptr<DatastoreSet> set;
};

}  // namespace orv::cli
