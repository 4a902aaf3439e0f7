#include "ui/edit/orv_word_entry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/hebrew_glyphs.h"
#include "model/records.h"
#include "platform/user_interface.h"

namespace orv::ui {
namespace {

template <typename W>
W* Named(W* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

constexpr int kWordPointSize = 12;
constexpr int kRowPointSize = 8;

QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TWordEdit::TWordEdit(WordEditor& editor, DatastoreSet& stores, ViewState& view, UserInterface& ui,
                     QWidget* parent)
    : QDialog(parent), editor_(editor), stores_(stores), view_(view), ui_(ui) {
  setObjectName("WordEdit");
  setWindowTitle(kWordEditCaption);
  HebrewWord = Named(new QLineEdit(this), "HebrewWord");
  HebrewWord->setReadOnly(true);
  HebrewWord->setAlignment(Qt::AlignRight);
  HebrewWord->setLayoutDirection(Qt::RightToLeft);
  QFont big = HebrewWord->font();
  big.setPointSize(kWordPointSize);
  HebrewWord->setFont(big);
  Arabic = Named(new QLabel(this), "Arabic");
  Arabic->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Arabic->setFont(big);
  StaticText9 = Named(new QLabel("Remove Prefix", this), "StaticText9");
  BRemPre1 = Named(new QPushButton("xx", this), "BRemPre1");
  BRemPre2 = Named(new QPushButton("xx", this), "BRemPre2");
  BBack = Named(new QPushButton("<--", this), "BBack");
  BTakeBack = Named(new QPushButton("<==", this), "BTakeBack");
  StaticText1 = Named(new QLabel("Strong's #", this), "StaticText1");
  Strong = Named(new QLineEdit(this), "Strong");
  StaticText8 = Named(new QLabel("Use", this), "StaticText8");
  XNum = Named(new QLineEdit(this), "XNum");
  CurrCite = Named(new QLabel(this), "CurrCite");
  CBMarkWord = Named(new QCheckBox("Mark Word", this), "CBMarkWord");
  CBMarkUse = Named(new QCheckBox("Mark Use", this), "CBMarkUse");
  ShowOcc = Named(new QPushButton("Occurrences", this), "ShowOcc");
  OK = Named(new QPushButton("OK", this), "OK");
  Cancel = Named(new QPushButton("Cancel", this), "Cancel");
  OK->setDefault(true);
  for (QPushButton* b : {BRemPre1, BRemPre2, BBack, BTakeBack, ShowOcc, Cancel}) {
    b->setAutoDefault(false);
  }

  auto* top = new QHBoxLayout();
  top->addWidget(Arabic);
  top->addWidget(HebrewWord, 1);
  auto* row = new QWidget(this);
  BuildPrefixRow(row);
  auto* prefixes = new QHBoxLayout();
  for (QWidget* w :
       std::initializer_list<QWidget*>{StaticText9, BRemPre1, BRemPre2, BBack, BTakeBack}) {
    prefixes->addWidget(w);
  }
  prefixes->addStretch();
  auto* use = new QHBoxLayout();
  for (QWidget* w :
       std::initializer_list<QWidget*>{StaticText1, Strong, StaticText8, XNum, CurrCite}) {
    use->addWidget(w);
  }
  auto* defs = new QGridLayout();
  for (int i = 0; i < kDefinitionCount; ++i) {
    const QString n = QString::number(i);
    Def[static_cast<size_t>(i)] = Named(new QLineEdit(this), "Def" + n);
    Def[static_cast<size_t>(i)]->setMaxLength(kGlossCap);
    defs->addWidget(Named(new QLabel(n, this), "Label" + n), i, 0);
    defs->addWidget(Def[static_cast<size_t>(i)], i, 1);
  }
  auto* marks = new QHBoxLayout();
  marks->addWidget(CBMarkWord);
  marks->addWidget(CBMarkUse);
  marks->addStretch();
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(ShowOcc);
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(row);
  layout->addLayout(prefixes);
  layout->addLayout(use);
  layout->addLayout(marks);
  layout->addLayout(defs);
  layout->addLayout(buttons);

  connect(OK, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
  connect(ShowOcc, &QPushButton::clicked, this, [this] { ShowOccClick(); });
  connect(BRemPre1, &QPushButton::clicked, this, [this] { BRemPreClick(BRemPre1); });
  connect(BRemPre2, &QPushButton::clicked, this, [this] { BRemPreClick(BRemPre2); });
  connect(BBack, &QPushButton::clicked, this, [this] { BBackClick(); });
  connect(BTakeBack, &QPushButton::clicked, this, [this] { BTakeBackClick(); });
}

void TWordEdit::BuildPrefixRow(QWidget* holder) {
  holder->setObjectName("PrefixRow");
  QFont small = font();
  small.setPointSize(kRowPointSize);
  const QFontMetrics m(font());
  const QSize size(m.horizontalAdvance("mmm"), m.height());
  auto* line = new QHBoxLayout(holder);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(3);
  line->addStretch();
  for (int i = -1; i < kPrefixCount; ++i) {
    const bool back = i < 0;
    const QString caption =
        back ? QString("<--") : Qs(std::string(kPrefixTable[static_cast<size_t>(i)]));
    auto* b = Named(new QPushButton(caption, holder),
                    back ? QString("PrefixBack") : "Prefix" + QString::number(i));
    b->setFont(small);
    b->setFixedSize(size);
    b->setAutoDefault(false);
    if (!back) b->setToolTip(Qs(StorageToHebrew(kPrefixTable[static_cast<size_t>(i)])));
    connect(b, &QPushButton::clicked, this, [this, i] { PrefixRowClick(i); });
    line->addWidget(b);
    prefixRow.push_back(b);
  }
  line->addStretch();
}

void TWordEdit::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TWordEdit::FormShow() {
  editor_.Begin(stores_);
  Refresh();
}

void TWordEdit::Refresh() {
  const WordEditDisplay d = editor_.Display(stores_);
  OK->setText(Qs(d.okCaption));
  Cancel->setEnabled(d.cancelEnabled);
  // The line edit lays Unicode Hebrew out right to left by itself, so the
  // word goes in in reading order.
  HebrewWord->setText(Qs(StorageToHebrew(MarkFinalForms(d.word))));
  Arabic->setText(Qs(d.word));
  for (QWidget* w :
       std::initializer_list<QWidget*>{Strong, XNum, CBMarkUse, StaticText1, StaticText8}) {
    w->setEnabled(d.occurrenceKnown);
  }
  CurrCite->setText(Qs(d.citeText));
  prefixRow[0]->setEnabled(d.addedBackEnabled);
  for (size_t i = 0; i < kPrefixCount; ++i) prefixRow[i + 1]->setEnabled(d.prefixEnabled[i]);
  BRemPre1->setText(Qs(d.remPre1));
  BRemPre2->setText(Qs(d.remPre2));
  BRemPre1->setEnabled(!d.remPre1.empty());
  BRemPre2->setEnabled(!d.remPre2.empty());
  BBack->setEnabled(d.backEnabled);
  BTakeBack->setEnabled(d.takeBackEnabled);
  const WordEditFields& f = editor_.fields;
  for (size_t i = 0; i < kDefinitionCount; ++i) Def[i]->setText(Qs(f.defs[i]));
  Strong->setText(Qs(f.strongs));
  XNum->setText(Qs(f.use));
  CBMarkUse->setChecked(f.markUse);
  CBMarkWord->setChecked(f.markWord);
  Def[static_cast<size_t>(d.focusDef)]->setFocus();
}

void TWordEdit::ReadFields() {
  WordEditFields& f = editor_.fields;
  for (size_t i = 0; i < kDefinitionCount; ++i) f.defs[i] = Def[i]->text().toStdString();
  f.markWord = CBMarkWord->isChecked();
  f.strongs = Strong->text().toStdString();
  f.use = XNum->text().toStdString();
  f.markUse = CBMarkUse->isChecked();
}

void TWordEdit::OKClick() {
  ReadFields();
  const WordSaveResult r = editor_.Save(stores_, view_);
  if (r.status == WordSaveStatus::kRejected || r.status == WordSaveStatus::kFailed) {
    ui_.Message(r.message);
    return;
  }
  if (r.pageChanged && pageChanged) pageChanged();
  Refresh();
  if (!editor_.stayOpen) accept();
}

void TWordEdit::CancelClick() {
  if (!editor_.stayOpen) reject();
}

void TWordEdit::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TWordEdit::FormClose() {
  HebrewWord->clear();
  editor_.End(stores_);
}

void TWordEdit::ShowOccClick() {
  if (editor_.ShowOccurrences(stores_, ui_, view_) && pageChanged) pageChanged();
  Refresh();
}

void TWordEdit::BRemPreClick(QPushButton* button) {
  editor_.RemovePrefix(stores_, button->text().toStdString());
  Refresh();
}

void TWordEdit::BBackClick() {
  editor_.PutBack(stores_);
  Refresh();
}

void TWordEdit::BTakeBackClick() {
  editor_.TakeBack(stores_, ui_);
  Refresh();
}

void TWordEdit::PrefixRowClick(int i) {
  if (i < 0) {
    editor_.DropAddedPrefix(stores_);
  } else if (const std::string message = editor_.AddPrefix(stores_, i); !message.empty()) {
    ui_.Message(message);
  }
  Refresh();
}

}  // namespace orv::ui
