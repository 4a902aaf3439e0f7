#include "ui/main/import_commands.h"

#include <QDialog>
#include <filesystem>

#include "build/build_plan.h"
#include "config/first_start.h"
#include "model/source_reader.h"
#include "platform/path_map.h"
#include "ui/build/orv_import.h"
#include "ui/main/orv_main.h"

namespace orv::ui {
namespace {

// Shows the import dialog; true when the import finished.
bool ShowImport(TForm1& form, const ImportFunction& run) {
  TImport dialog(run, form.GetSession().programDir, form.Ui(), &form);
  return form.runModal(dialog) == QDialog::Accepted;
}

bool HasHebrewText(Session& s) {
  const std::string dir = SourceFolder(s.programDir, s.settings.DataDir());
  return std::filesystem::exists(SourceFilePath(dir, 1));
}

}  // namespace

void LoadImportedText(TForm1& form) {
  Session& s = form.GetSession();
  // The supplied lines were missing when the session started; a user who
  // has chosen lines keeps them (see SetUpSuppliedSources).
  SetUpSuppliedSources(s.settings, std::filesystem::exists(SettingsPath()), s.programDir,
                       DataRoot());
  // A line whose files were missing at the start does not look for them
  // again in the same book: forgetting its folder makes it open them anew.
  for (auto& line : s.page.lines.source) line.directory.clear();
  s.ReassignSources();
  if (s.settings.showKJV) {  // the King James index was read from the old folder
    s.SetShowKJV(false);
    s.SetShowKJV(true);
  }
  DatastoreSet& set = *s.stores;
  if (s.hooks.showBuild) {
    const BuildFlags missing{!set.WordDS.ReadOnly() && StoreNeedsBuild(set.WordDS),
                             !set.CiteDS.ReadOnly() && StoreNeedsBuild(set.CiteDS), false};
    if (missing.Any()) s.hooks.showBuild(missing, true);
    // At the start BOOK follows in the session's own start.
    if (!s.firstPaintPending && !set.BookDS.Exists() && !set.BookDS.ReadOnly())
      s.hooks.showBuild(BuildFlags{false, false, true}, true);
  }
  s.Relayout(true);
  form.Repaint();
}

void WireImportCommand(TForm1& form, ImportFunction run) {
  form.Wire("Import1", [&form, run] {
    if (ShowImport(form, run)) LoadImportedText(form);
  });
  form.startHook = [&form, run] {
    if (!HasHebrewText(form.GetSession()) && ShowImport(form, run)) LoadImportedText(form);
  };
}

}  // namespace orv::ui
