#include "ui/main/prefs_commands.h"

#include "platform/path_map.h"
#include "ui/main/orv_main.h"
#include "ui/prefs/orv_archive.h"
#include "ui/prefs/orv_prefs.h"

namespace orv::ui {

void OpenPreferences(TForm1& form) {
  Session& s = form.GetSession();
  TForm1* f = &form;
  PrefsSession ps{s.settings,
                  s.layout.fonts,
                  *s.stores,
                  s.view,
                  s.view.currentCite.book,
                  s.programDir,
                  DataRoot(),
                  [&s] { s.ReassignSources(); },
                  [f] { f->Repaint(); },
                  form.runModal};
  TPreferences dialog(std::move(ps), form.Ui(), &form);
  const int result = form.runModal(dialog);
  // A table the sources manager changed is in effect at once; the line
  // sources must follow it even when the dialog was cancelled.
  if (result != QDialog::Accepted && dialog.SourcesChanged()) s.ReassignSources();
  s.Relayout();
  form.Repaint();
}

TArchive& ArchiveDialog(TForm1& form) {
  if (auto* dialog = form.findChild<TArchive*>("Archive", Qt::FindDirectChildrenOnly)) {
    return *dialog;
  }
  Session& s = form.GetSession();
  auto* dialog = new TArchive(*s.stores, form.Ui(), s.settings, DataRoot(), s.programDir, &form);
  TForm1* f = &form;
  dialog->afterRead = [f] {
    f->GetSession().Relayout(true);
    f->Repaint();
  };
  return *dialog;
}

void WirePrefsCommands(TForm1& form) {
  TForm1* f = &form;
  form.Wire("Preferences1", [f] { OpenPreferences(*f); });
  form.Wire("Preferences2", [f] { OpenPreferences(*f); });
  form.Wire("Archive1", [f] { f->runModal(ArchiveDialog(*f)); });
}

}  // namespace orv::ui
