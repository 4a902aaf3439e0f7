#include "ui/edit/page_word_form.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "edit/page_word_editor.h"
#include "ui/platform/qt_surface.h"

namespace orv::ui {
namespace {

inline constexpr int kHebrewSize = 10;

}  // namespace

TPageWordForm::TPageWordForm(PageWordEditor& editor, std::function<bool(const std::string&)> finish,
                             const char* caption, const char* valueName,
                             const std::string& hebrewFont, QWidget* parent)
    : QDialog(parent), editor_(editor), finish_(std::move(finish)) {
  setWindowTitle(caption);
  HWord = new QLabel("aleim", this);
  const ResolvedFont font = ResolveFont(hebrewFont);
  mapping_ = static_cast<int>(font.mapping);
  HWord->setFont(QFont(font.family, kHebrewSize));
  Cite = new QLabel(this);
  Value = new QLineEdit(this);
  Done = new QPushButton("Done", this);
  Prev = new QPushButton("Prev", this);
  Next = new QPushButton("Next", this);
  BUpdate = new QPushButton("Update", this);
  const std::pair<QWidget*, const char*> names[] = {
      {HWord, "HWord"}, {Cite, "Cite"}, {Value, valueName},  {Done, "Done"},
      {Prev, "Prev"},   {Next, "Next"}, {BUpdate, "BUpdate"}};
  for (const auto& [w, name] : names) w->setObjectName(name);
  BUpdate->setEnabled(false);
  BUpdate->hide();
  // Enter in the value field steps on; it is no default button's.
  for (QPushButton* b : {Done, Prev, Next, BUpdate}) b->setAutoDefault(false);

  auto* grid = new QGridLayout();
  grid->addWidget(HWord, 0, 0);
  grid->addWidget(Cite, 0, 1);
  grid->addWidget(Value, 1, 0, 1, 2);
  auto* buttons = new QHBoxLayout();
  for (QPushButton* b : {Prev, Next, Done}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(Done, &QPushButton::clicked, this, [this] { DoneClick(); });
  connect(Prev, &QPushButton::clicked, this, [this] { PrevClick(); });
  connect(Next, &QPushButton::clicked, this, [this] { NextClick(); });
  Value->installEventFilter(this);
}

std::string TPageWordForm::Typed() const { return Value->text().toStdString(); }

void TPageWordForm::FormActivate() { Show(); }

void TPageWordForm::Show() {
  const PageWordView v = editor_.View();
  Cite->setText(QString::fromStdString(v.cite));
  HWord->setText(DisplayText(v.hebrew, static_cast<GlyphMapping>(mapping_)));
  Value->setText(QString::fromStdString(v.value));
  Prev->setEnabled(v.prevEnabled);
  Next->setEnabled(v.nextEnabled);
  Value->setFocus();
  Value->selectAll();
}

void TPageWordForm::Changed(bool changed) {
  if (changed && pageChanged) pageChanged();
}

void TPageWordForm::DoneClick() {
  Changed(finish_(Typed()));
  accept();
}

void TPageWordForm::PrevClick() {
  Changed(editor_.Prev(Typed()).changed);
  Show();
}

void TPageWordForm::NextClick() {
  const std::string typed = Typed();
  const StepOutcome out = editor_.Next(typed);
  Changed(out.changed);
  if (out.close) {
    // The value was saved already; the editor's Done finds nothing new.
    DoneClick();
    return;
  }
  Show();
}

bool TPageWordForm::eventFilter(QObject* watched, QEvent* event) {
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  if (watched == Value && key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    NextClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
