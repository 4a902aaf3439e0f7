#include "app/cli/cli_session.h"

#include "build/focc_build.h"
#include "config/first_start.h"
#include "model/source_reader.h"
#include "platform/path_map.h"
#include "platform/program_dir.h"

namespace orv::cli {

CliSession::CliSession(std::ostream& out, std::ostream& err, bool yes) : ui(out, err, yes) {
  const bool hadSettings = ReadSettings(settings, SettingsPath());
  programDir = ProgramDir();
  // The lines the desktop program shows at its first start, so that every
  // command sees the page as it would.
  SetUpSuppliedSources(settings, hadSettings, programDir, DataRoot());
  if (!programDir.empty() && programDir.back() != '/') programDir += '/';
  sourceDir = SourceFolder(programDir, settings.DataDir());
  MakeDirectory(DataRoot());
  MakeDirectory(NativePath(settings.HebrewDatastoreDir()));
  MakeDirectory(NativePath(settings.XlatDatastoreDir()));
  set = std::make_unique<DatastoreSet>(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  InstallBookFOccBuilder(*set, sourceDir, ui);
}

// Closing every store writes what the command changed.
CliSession::~CliSession() {
  set->SetFOccView(set->CurrentFOccView(), FOccView::kNone, 0);
  for (TXRDataStore* s : {&set->WordDS, &set->FOccDS, &set->FOc2DS, &set->CiteDS, &set->XlatDS,
                          &set->BookDS, static_cast<TXRDataStore*>(&set->BookFOccDS)}) {
    s->ForceClose();
  }
}

}  // namespace orv::cli
