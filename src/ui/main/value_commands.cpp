#include "ui/main/value_commands.h"

#include <memory>

#include "search/embedded_filter.h"
#include "search/run_search.h"
#include "search/thematic_filter.h"
#include "ui/main/orv_main.h"
#include "ui/main/search_commands.h"
#include "ui/search/orv_embed.h"
#include "ui/search/orv_them_val.h"
#include "ui/search/orv_theo_search.h"

namespace orv::ui {
namespace {

void StartRun(TForm1& form, std::unique_ptr<RunFilter> filter, bool fromHere, SearchMode mode) {
  SearchEnv env = SearchEnvOf(form);
  StartRunSearch(env, std::move(filter), fromHere, mode);
  form.Repaint();
}

}  // namespace

TThemVal& ThemValDialog(TForm1& form) {
  if (auto* dialog = form.findChild<TThemVal*>("ThemVal", Qt::FindDirectChildrenOnly)) {
    return *dialog;
  }
  Session& s = form.GetSession();
  return *new TThemVal(*s.stores, form.Ui(), s.settings, &form);
}

void SearchThematicValue(TForm1& form) {
  if (!form.EnsureDatastores()) return;
  Session& s = form.GetSession();
  ThematicParams& params = s.search.thematic;
  {
    TTheoSearch dialog(params, form.Ui(), &form);
    if (form.runModal(dialog) != QDialog::Accepted) return;
  }
  StartRun(form, std::make_unique<ThematicFilter>(params, SettingsNumbering(s.settings.thematic)),
           params.fromHere, SearchMode::kThematic);
}

void SearchEmbeddedWord(TForm1& form) {
  if (!form.EnsureDatastores()) return;
  EmbeddedParams& params = form.GetSession().search.embedded;
  {
    TEmbedded dialog(params, form.Ui(), &form);
    if (form.runModal(dialog) != QDialog::Accepted) return;
  }
  StartRun(form, std::make_unique<EmbeddedFilter>(params.term, params.skip), params.fromHere,
           SearchMode::kEmbedded);
}

void WireValueCommands(TForm1& form) {
  TForm1* f = &form;
  // Made at start, as the window's other lasting dialogs are.
  ThemValDialog(form);
  form.Wire("Thematicvalue2", [f] { f->runModal(ThemValDialog(*f)); });
  form.Wire("ThematicValue1", [f] { SearchThematicValue(*f); });
  form.Wire("Embeddedword1", [f] { SearchEmbeddedWord(*f); });
}

}  // namespace orv::ui
