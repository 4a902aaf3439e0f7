#include "ui/search/orv_count.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "search/count_dialog.h"

namespace orv::ui {
namespace {

template <typename W>
W* Named(W* w, const char* name) {
  w->setObjectName(name);
  return w;
}

}  // namespace

TWordCount::TWordCount(DatastoreSet& stores, UserInterface& ui, QWidget* parent)
    : QDialog(parent), stores_(stores), ui_(ui) {
  setObjectName("WordCount");
  setWindowTitle("Word Count");
  StaticText1 = Named(new QLabel("Enter word or Strong's number to count", this), "StaticText1");
  SWord = Named(new QLineEdit(this), "SWord");
  RadioButton1 = Named(new QRadioButton("Occurences in chapter", this), "RadioButton1");
  RadioButton2 = Named(new QRadioButton("Occurences in book", this), "RadioButton2");
  RadioButton3 = Named(new QRadioButton("Whole Bible", this), "RadioButton3");
  RadioButton4 = Named(new QRadioButton("Show all counts", this), "RadioButton4");
  RBMatch = Named(new QRadioButton("Match Count", this), "RBMatch");
  StaticText2 = Named(new QLabel("Match Count", this), "StaticText2");
  MatchCount = Named(new QLineEdit(this), "MatchCount");
  BCount = Named(new QPushButton("Count", this), "BCount");
  BCancel = Named(new QPushButton("Close", this), "BCancel");
  BCount->setDefault(true);

  auto* group = new QButtonGroup(this);
  auto* choices = new QVBoxLayout();
  for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RBMatch}) {
    group->addButton(b);
    choices->addWidget(b);
    connect(b, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
  }
  auto* match = new QHBoxLayout();
  match->addWidget(StaticText2);
  match->addWidget(MatchCount);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(BCount);
  buttons->addWidget(BCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StaticText1);
  layout->addWidget(SWord);
  layout->addLayout(choices);
  layout->addLayout(match);
  layout->addLayout(buttons);

  connect(BCount, &QPushButton::clicked, this, [this] { BCountClick(); });
  connect(BCancel, &QPushButton::clicked, this, [this] { BCancelClick(); });
  SWord->installEventFilter(this);
  FormCreate();
}

void TWordCount::FormCreate() {
  RadioButton1->setChecked(true);
  presetWord.clear();
  MatchCount->setText("0");
}

void TWordCount::FormShow() {
  if (!presetWord.empty()) {
    SWord->setText(QString::fromStdString(presetWord));
    presetWord.clear();
    MatchCount->setText("0");
    BCount->setFocus();
  } else {
    SWord->clear();
    SWord->setFocus();
  }
  MatchCount->setEnabled(RBMatch->isChecked());
}

void TWordCount::RadioButton1Click() {
  const bool match = RBMatch->isChecked();
  MatchCount->setEnabled(match);
  StaticText2->setEnabled(match);
  if (match && MatchCount->text().isEmpty()) MatchCount->setText("1");
  if (match || RadioButton4->isChecked()) SWord->setFocus();
}

void TWordCount::BCountClick() {
  CountRequest request;
  request.word = SWord->text().toStdString();
  request.matchCount = MatchCount->text().toStdString();
  request.place = place;
  if (RadioButton2->isChecked()) request.choice = CountChoice::kBook;
  if (RadioButton3->isChecked()) request.choice = CountChoice::kBible;
  if (RadioButton4->isChecked()) request.choice = CountChoice::kAllCounts;
  if (RBMatch->isChecked()) request.choice = CountChoice::kMatch;
  // A count cannot be started again, nor the dialog closed, while it runs.
  BCount->setEnabled(false);
  BCancel->setEnabled(false);
  RunWordCount(stores_, ui_, request);
  BCount->setEnabled(true);
  BCancel->setEnabled(true);
}

void TWordCount::BCancelClick() { reject(); }

void TWordCount::FormClose() {
  if (DSIsOpen(stores_.WordDS.Handle())) stores_.WordDS.Release();
}

void TWordCount::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  RadioButton1Click();
}

void TWordCount::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RadioButton1Click();
}

void TWordCount::done(int result) {
  FormClose();
  QDialog::done(result);
}

bool TWordCount::eventFilter(QObject* watched, QEvent* event) {
  if (watched == SWord && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      BCountClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
