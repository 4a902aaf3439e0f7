#include "ui/main/edit_commands.h"

#include <QDialog>

#include "platform/user_interface.h"
#include "ui/edit/orv_word_entry.h"
#include "ui/main/orv_main.h"

namespace orv::ui {

void ShowWordEditor(TForm1& form, const std::string& word, Citation cite) {
  Session& s = form.GetSession();
  // By name, then checked: TWordEdit declares no Q_OBJECT of its own, so
  // findChild<TWordEdit*> would match any dialog of the window.
  auto* open = dynamic_cast<TWordEdit*>(form.findChild<QDialog*>("WordEdit"));
  if (open && open->isVisible()) {
    s.wordEditor.Load(*s.stores, word, cite);
    open->Refresh();
    return;
  }
  if (!s.wordEditor.Load(*s.stores, word, cite, true)) {
    form.Ui().Message(kNoWordToEdit);
    s.wordEditor.End(*s.stores);
    return;
  }
  TWordEdit dialog(s.wordEditor, *s.stores, s.view, form.Ui(), &form);
  dialog.pageChanged = [&form] { form.Repaint(); };
  form.runModal(dialog);
  // A dialog that was never shown (a test's runModal) still balances the
  // editor's opens.
  s.wordEditor.End(*s.stores);
  form.Repaint();
}

void WireEditCommands(TForm1& form) {
  TForm1* f = &form;
  form.GetSession().hooks.showWordEditor = [f](const std::string& word, Citation cite) {
    ShowWordEditor(*f, word, cite);
  };
  form.Wire("Define1", [f] {
    const ViewState& v = f->GetSession().view;
    ShowWordEditor(*f, v.popupWord, v.clickedCite);
  });
}

}  // namespace orv::ui
