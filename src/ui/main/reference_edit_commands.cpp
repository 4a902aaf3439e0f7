#include "ui/main/reference_edit_commands.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <memory>

#include "edit/db_browser.h"
#include "edit/ilt_editor.h"
#include "edit/strongs_editor.h"
#include "ui/edit/orv_browse_db.h"
#include "ui/edit/orv_ilt_edit.h"
#include "ui/edit/orv_stng_edit.h"
#include "ui/edit/orv_word_entry.h"
#include "ui/main/count_commands.h"
#include "ui/main/orv_main.h"

namespace orv::ui {
namespace {

// The editors' previous-page step: the window's Prev Page, then the page
// laid out at once (painted off the screen), so that the buffer and the
// placed words are the new page's before the editor looks for its word.
bool PreviousPage(TForm1& form) {
  Session& s = form.GetSession();
  const Citation before = s.view.currentCite;
  form.Item("PrevPage1")->trigger();
  if (s.view.currentCite == before) return false;
  const QRect r = form.centralWidget()->rect();
  QImage image(std::max(r.width(), 1), std::max(r.height(), 1), QImage::Format_RGB32);
  QPainter painter(&image);
  form.FormPaint(painter, image.rect());
  return true;
}

// Runs a page word editor's form modally once its core found the clicked
// word; the page is repainted after it.
template <typename Form, typename Editor>
void RunPageEditor(TForm1& form, Editor& editor) {
  if (!editor.Activate()) return;
  Form dialog(editor, form.GetSession().settings.displayFont.name, &form);
  dialog.pageChanged = [&form] { form.Repaint(); };
  dialog.FormActivate();
  form.runModal(dialog);
  form.Repaint();
}

void StrongsEntry(TForm1& form) {
  Session& s = form.GetSession();
  StrongsEditor editor(s.page, s.layout, s.view, s.pageEditors, *s.stores, form.Ui(),
                       [&form] { return PreviousPage(form); });
  RunPageEditor<TStrongEdit>(form, editor);
}

void IltEntry(TForm1& form) {
  Session& s = form.GetSession();
  IltEditor editor(s.page, *s.env, s.layout, s.view, s.pageEditors,
                   [&form] { return PreviousPage(form); });
  RunPageEditor<TILTEdit>(form, editor);
}

// The word definition editor that Sync Edit keeps open beside the browser.
class SyncEditor {
 public:
  explicit SyncEditor(TForm1& form) : form_(form) {}
  ~SyncEditor() { Open(false); }

  void Open(bool open) {
    Session& s = form_.GetSession();
    if (open == static_cast<bool>(form_dialog_)) return;
    s.wordEditor.stayOpen = open;
    if (!open) {
      form_dialog_->close();
      form_dialog_.reset();
      return;
    }
    s.wordEditor.Load(*s.stores, s.browser.record.word.Str(), kNullCite);
    form_dialog_ = std::make_unique<TWordEdit>(s.wordEditor, *s.stores, s.view, form_.Ui(), &form_);
    // No close box: the browser's Close Edit closes it.
    form_dialog_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    form_dialog_->pageChanged = [this] { form_.Repaint(); };
    form_dialog_->show();
  }

  void Load(const std::string& word, Citation cite) {
    Session& s = form_.GetSession();
    s.wordEditor.Load(*s.stores, word, cite);
    if (form_dialog_) form_dialog_->Refresh();
  }

 private:
  TForm1& form_;
  std::unique_ptr<TWordEdit> form_dialog_;
};

// Enables the word menu's editors where they can work, each time it opens
// (the right-click has set up the page and the clicked word by then).
void EnableWordMenuEditors(TForm1& form) {
  const Session& s = form.GetSession();
  form.Item("StrongsEntry1")->setEnabled(s.settings.showStrongs);
  form.Item("ILTEntry1")->setEnabled(s.page.lines.firstIltLine != 0);
}

}  // namespace

void ShowBrowser(TForm1& form, bool fromMenu) {
  Session& s = form.GetSession();
  if (fromMenu) s.view.popupFromPage = false;
  SyncEditor editor(form);
  DbBrowser browser(*s.stores, form.Ui(), s.view, s.browser);
  browser.loadEditor = [&editor](const std::string& word, Citation cite) {
    editor.Load(word, cite);
  };
  BrowseHooks hooks;
  hooks.count = [&form](const std::string& word, Citation where) {
    ShowWordCount(form, word, where);
  };
  hooks.pageChanged = [&form] { form.Repaint(); };
  hooks.syncEditor = [&editor](bool open) { editor.Open(open); };
  TBrowseDB dialog(browser, std::move(hooks), s.settings.hebrewFont, &form);
  if (!dialog.FormShow()) return;
  form.runModal(dialog);
  form.Repaint();
}

void WireReferenceEditCommands(TForm1& form) {
  TForm1* f = &form;
  form.Wire("StrongsEntry1", [f] { StrongsEntry(*f); });
  form.Wire("ILTEntry1", [f] { IltEntry(*f); });
  form.Wire("BrowseDB1", [f] {
    if (f->EnsureDatastores()) ShowBrowser(*f, true);
  });
  form.Wire("BrowseDB2", [f] { ShowBrowser(*f, false); });
  // Disabled until a right-click opens the word menu.
  form.Item("StrongsEntry1")->setEnabled(false);
  form.Item("ILTEntry1")->setEnabled(false);
  QObject::connect(form.PopupMenuW(), &QMenu::aboutToShow, &form,
                   [f] { EnableWordMenuEditors(*f); });
}

}  // namespace orv::ui
