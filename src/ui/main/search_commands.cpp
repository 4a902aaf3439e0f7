#include "ui/main/search_commands.h"

#include <functional>

#include "search/find.h"
#include "search/marked_search.h"
#include "ui/main/orv_main.h"

namespace orv::ui {

SearchEnv SearchEnvOf(TForm1& form) {
  Session& s = form.GetSession();
  return SearchEnv{*s.stores,
                   s.search,
                   s.view,
                   s.ui,
                   [&form] { return form.EnsureDatastores(); },
                   s.hooks.showWordEditor};
}

void WireSearchCommands(TForm1& form) {
  // `ensure`: the command needs WORD before it asks anything.
  const auto wire = [&form](const char* item, bool ensure, std::function<void(SearchEnv&)> search) {
    form.Wire(item, [&form, ensure, search = std::move(search)] {
      if (ensure && !form.EnsureDatastores()) return;
      SearchEnv env = SearchEnvOf(form);
      search(env);
      form.Repaint();
    });
  };
  wire("Find1", true, [](SearchEnv& env) { FindWordOrNumber(env); });
  wire("FindNext1", false, [](SearchEnv& env) { FindNext(env); });
  wire("MarkedWords1", false, [](SearchEnv& env) { SearchMarkedWords(env); });
  wire("WordDefs", false, [](SearchEnv& env) { SearchWordDefinitions(env); });
  wire("MarkedUses1", false, [](SearchEnv& env) { SearchMarkedUses(env); });
}

}  // namespace orv::ui
