#include "ui/main/count_commands.h"

#include "search/concordance.h"
#include "search/first_occurrences.h"
#include "search/occurrences.h"
#include "ui/main/orv_main.h"
#include "ui/search/orv_count.h"

namespace orv::ui {
namespace {

// An occurrence list; a chosen line moved the page.
void Occurrences(TForm1& form,
                 OccurrenceOutcome (*list)(DatastoreSet&, UserInterface&, ViewState&)) {
  Session& s = form.GetSession();
  if (list(*s.stores, form.Ui(), s.view) == OccurrenceOutcome::kJumped) form.Repaint();
}

// A report, once the word datastores are there.
void Report(TForm1& form, ReportOutcome (*run)(DatastoreSet&, UserInterface&)) {
  if (form.EnsureDatastores()) run(*form.GetSession().stores, form.Ui());
}

}  // namespace

TWordCount& WordCountDialog(TForm1& form) {
  if (auto* dialog = form.findChild<TWordCount*>("WordCount", Qt::FindDirectChildrenOnly)) {
    return *dialog;
  }
  return *new TWordCount(*form.GetSession().stores, form.Ui(), &form);
}

void ShowWordCount(TForm1& form, const std::string& preset, Citation where) {
  TWordCount& dialog = WordCountDialog(form);
  dialog.place = {where.book, where.chapter};
  dialog.presetWord = preset;
  form.runModal(dialog);
}

void WireCountCommands(TForm1& form) {
  TForm1* f = &form;
  form.Wire("CountWord1", [f] {
    if (!f->EnsureDatastores()) return;
    Session& s = f->GetSession();
    s.view.popupFromPage = false;
    ShowWordCount(*f, "", s.view.currentCite);
  });
  // The pop-up menus count the right-clicked word or number in its chapter.
  const auto countPopup = [f] {
    const ViewState& v = f->GetSession().view;
    ShowWordCount(*f, v.popupWord, v.clickedCite);
  };
  form.Wire("Count1", countPopup);
  form.Wire("CountS", countPopup);
  form.Wire("OccurW", [f] { Occurrences(*f, ListWordOccurrences); });
  form.Wire("OccurS", [f] { Occurrences(*f, ListNumberOccurrences); });
  form.Wire("Concordance1", [f] { Report(*f, RunConcordance); });
  form.Wire("Firstoccurance1", [f] { Report(*f, RunFirstOccurrences); });
}

}  // namespace orv::ui
