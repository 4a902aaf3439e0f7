#include "ui/edit/orv_browse_db.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "config/settings.h"
#include "edit/db_browser.h"
#include "ui/platform/qt_surface.h"

namespace orv::ui {
namespace {

inline constexpr char kSyncOn[] = "Sync Edit";
inline constexpr char kSyncOff[] = "Close Edit";

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);  // Enter belongs to `Word`
  return b;
}

}  // namespace

TBrowseDB::TBrowseDB(DbBrowser& browser, BrowseHooks hooks, const FontSetting& hebrewFont,
                     QWidget* parent)
    : QDialog(parent), browser_(browser), hooks_(std::move(hooks)) {
  setObjectName("BrowseDB");
  setWindowTitle(kBrowseCaption);
  Hebrew = new QLabel("===", this);
  Word = new QLineEdit(this);
  Book = new QLabel("+++", this);
  Chap = new QLabel("+++", this);
  Chap->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Vers = new QLabel("+++", this);
  const std::pair<QWidget*, const char*> names[] = {
      {Hebrew, "Hebrew"}, {Word, "Word"}, {Book, "Book"}, {Chap, "Chap"}, {Vers, "Vers"}};
  for (const auto& [w, name] : names) w->setObjectName(name);
  // `FormCreate`: the HebrewFont setting's name and size.
  QFont font(ResolveFont(hebrewFont.name).family);
  if (hebrewFont.size > 0) font.setPointSize(hebrewFont.size);
  Hebrew->setFont(font);

  Previous = Button(this, "Previous", "Previous");
  Next = Button(this, "Next", "Next");
  Done = Button(this, "Done", "Close");
  Select = Button(this, "Select", "Select");
  Find = Button(this, "Find", "Find");
  SelectNext = Button(this, "SelectNext", "Select Next");
  SelectPrev = Button(this, "SelectPrev", "Select Prev");
  PrevWord = Button(this, "PrevWord", "Prev Word");
  NextWord = Button(this, "NextWord", "Next Word");
  Count = Button(this, "Count", "Count");
  SyncEdit = Button(this, "SyncEdit", kSyncOn);
  RadioGroup1 = new QGroupBox("Find next undefined word in", this);
  RadioGroup1->setObjectName("RadioGroup1");
  CBChap = new QRadioButton("Chapter", RadioGroup1);
  CBBook = new QRadioButton("Book", RadioGroup1);
  CBBible = new QRadioButton("Bible", RadioGroup1);
  CBUndefined = Button(RadioGroup1, "CBUndefined", "Find");
  auto* group = new QHBoxLayout(RadioGroup1);
  for (auto [b, name] : {std::pair{CBChap, "CBChap"}, {CBBook, "CBBook"}, {CBBible, "CBBible"}}) {
    b->setObjectName(name);
    group->addWidget(b);
  }
  group->addWidget(CBUndefined);
  CBChap->setChecked(true);

  auto* place = new QHBoxLayout();
  for (QWidget* w : std::initializer_list<QWidget*>{Book, Chap, Vers}) place->addWidget(w);
  place->addStretch();
  auto* grid = new QGridLayout();
  QPushButton* const rows[3][4] = {{Previous, Next, SelectPrev, SelectNext},
                                   {PrevWord, NextWord, Select, Find},
                                   {Count, SyncEdit, Done, nullptr}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (rows[r][c]) grid->addWidget(rows[r][c], r, c);
    }
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Hebrew, 0, Qt::AlignRight);
  layout->addWidget(Word);
  layout->addLayout(place);
  layout->addLayout(grid);
  layout->addWidget(RadioGroup1);

  const std::pair<QPushButton*, void (TBrowseDB::*)()> handlers[] = {
      {Previous, &TBrowseDB::PreviousClick},
      {Next, &TBrowseDB::NextClick},
      {Done, &TBrowseDB::DoneClick},
      {Select, &TBrowseDB::SelectClick},
      {Find, &TBrowseDB::FindClick},
      {SelectNext, &TBrowseDB::SelectNextClick},
      {SelectPrev, &TBrowseDB::SelectPrevClick},
      {PrevWord, &TBrowseDB::PrevWordClick},
      {NextWord, &TBrowseDB::NextWordClick},
      {Count, &TBrowseDB::CountClick},
      {SyncEdit, &TBrowseDB::SyncEditClick},
      {CBUndefined, &TBrowseDB::CBUndefinedClick}};
  for (const auto& [b, handler] : handlers) {
    connect(b, &QPushButton::clicked, this, [this, h = handler] { (this->*h)(); });
  }
  Word->installEventFilter(this);
}

bool TBrowseDB::FormShow() {
  for (QPushButton* b : {Next, SelectNext, Previous, SelectPrev}) b->setEnabled(true);
  Next->setFocus();
  Find->setEnabled(false);
  SetSyncControls(false);
  if (!browser_.Open()) return false;
  Show();
  return true;
}

void TBrowseDB::Show() {
  const BrowserView& v = browser_.View();
  Word->setText(QString::fromStdString(v.word));
  Hebrew->setText(DisplayText(v.hebrew, GlyphMapping::kStorageLetters));
  Book->setText(QString::fromStdString(v.book));
  Chap->setText(QString::fromStdString(v.chap));
  Vers->setText(QString::fromStdString(v.vers));
}

void TBrowseDB::PageMoved(bool moved) {
  if (moved && hooks_.pageChanged) hooks_.pageChanged();
}

void TBrowseDB::PreviousClick() {
  if (browser_.Previous()) Show();
}

void TBrowseDB::NextClick() {
  if (browser_.Next()) Show();
}

void TBrowseDB::SelectClick() {
  browser_.Select();
  PageMoved(true);
}

void TBrowseDB::SelectPrevClick() {
  const bool moved = browser_.SelectPrev();
  if (moved) Show();
  PageMoved(moved);
}

void TBrowseDB::SelectNextClick() {
  const bool moved = browser_.SelectNext();
  if (moved) Show();
  PageMoved(moved);
}

void TBrowseDB::PrevWordClick() {
  if (browser_.PrevWord(Word->text().toStdString())) Show();
}

void TBrowseDB::NextWordClick() {
  if (browser_.NextWord(Word->text().toStdString())) Show();
}

void TBrowseDB::FindClick() {
  Find->setEnabled(false);
  browser_.Find(Word->text().toStdString());
  Show();
}

void TBrowseDB::CountClick() {
  if (hooks_.count) hooks_.count(Word->text().toStdString(), browser_.State().record.cite);
}

void TBrowseDB::SetSyncControls(bool on) {
  SyncEdit->setText(on ? kSyncOff : kSyncOn);
  for (QWidget* w :
       std::initializer_list<QWidget*>{RadioGroup1, CBChap, CBBook, CBBible, CBUndefined}) {
    w->setEnabled(on);
  }
}

void TBrowseDB::SyncEditClick() {
  const bool on = !browser_.Sync();
  // The editor is there before the browser loads it, and goes after the
  // browser has let go of it.
  if (on && hooks_.syncEditor) hooks_.syncEditor(true);
  browser_.SetSync(on);
  if (!on && hooks_.syncEditor) hooks_.syncEditor(false);
  SetSyncControls(on);
}

void TBrowseDB::CBUndefinedClick() {
  if (!browser_.Sync()) return;
  const UndefinedScope scope = CBBook->isChecked()    ? UndefinedScope::kBook
                               : CBBible->isChecked() ? UndefinedScope::kBible
                                                      : UndefinedScope::kChapter;
  const bool found = browser_.FindUndefined(scope);
  if (found) Show();
  PageMoved(found);
}

void TBrowseDB::DoneClick() { accept(); }

void TBrowseDB::done(int result) {
  // Closing by any way leaves sync mode first, closing the editor with it.
  if (browser_.Sync()) SyncEditClick();
  QDialog::done(result);
}

bool TBrowseDB::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Word) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
      Find->setEnabled(true);
    }
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    if (key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      FindClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
