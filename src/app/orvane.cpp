// orvane: the desktop program. Takes no arguments; the settings come from
// ORV.INI in the data root ($ORV_ROOT), the supplied data from the program
// folder ($ORV_PROGRAM_DIR).
#include <QApplication>
#include <QScreen>

#include "archive/backups.h"
#include "build/build_context.h"
#include "config/settings.h"
#include "import/import_driver.h"
#include "model/letter_values.h"
#include "platform/path_map.h"
#include "platform/program_dir.h"
#include "session/session.h"
#include "ui/main/import_commands.h"
#include "ui/main/orv_main.h"
#include "ui/platform/qt_user_interface.h"

namespace {

// File > Import...: every part, as `orv import` with no --only.
orv::ui::ImportOutcome ImportAll(const std::string& oshbDir, const std::string& programDir,
                                 const orv::ui::ImportProgressFn& progress) {
  orv::ImportOptions options;
  options.programDir = programDir;
  options.hebrewDir = oshbDir;
  const orv::ImportResult r = orv::RunImport(options, nullptr, progress);
  return {r.ok, r.message};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orv::ui::SetApplicationTitle(orv::kApplicationTitle);
  // The letter tables are built before the first page needs them.
  orv::BuildLetterValueTables();
  orv::ui::QtUserInterface ui;
  // A rebuild of CITE first keeps an archive of the user's data.
  orv::SetCiteRebuildGuard([](orv::DatastoreSet& ds, orv::UserInterface& u) {
    return orv::BackupBeforeCiteRebuild(ds, u, orv::DataRoot());
  });
  orv::ui::TForm1 form(ui, orv::ProgramDir(), orv::SettingsPath());
  ui.SetParent(&form);
  orv::ui::WireImportCommand(form, ImportAll);
  // Without a window manager a maximize request is not carried out; the
  // window then still opens at the screen's size.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    form.resize(screen->availableGeometry().size());
  }
  form.showMaximized();
  return app.exec();
}
