#include "ui/search/orv_theo_search.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/user_interface.h"
#include "search/thematic_checks.h"
#include "ui/search/form_controls.h"

namespace orv::ui {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TTheoSearch::TTheoSearch(ThematicParams& params, UserInterface& ui, QWidget* parent)
    : QDialog(parent), params_(params), ui_(ui) {
  setObjectName("TheoSearch");
  setWindowTitle("Theomatic value search");
  SValue = Named(new QLineEdit(this), "SValue");
  SWindow = Named(new QLineEdit(this), "SWindow");
  MinWords = Named(new QLineEdit(this), "MinWords");
  MaxWords = Named(new QLineEdit(this), "MaxWords");
  CBFromBegin = Named(new QCheckBox("Search from Genesis 1:1", this), "CBFromBegin");
  Start = Named(new QPushButton("Search", this), "Start");
  Cancel = Named(new QPushButton("Cancel", this), "Cancel");
  // Enter is the form's own (keyPressEvent), whichever control has the focus.
  for (QPushButton* b : {Start, Cancel}) b->setAutoDefault(false);

  auto* values = new QGridLayout();
  values->addWidget(new QLabel("Value :", this), 0, 0);
  values->addWidget(SValue, 0, 1);
  values->addWidget(new QLabel("Range :", this), 0, 2);
  values->addWidget(SWindow, 0, 3);
  values->addWidget(new QLabel("Number of matched words in Hebrew text (0 = no limit):", this), 1,
                    0, 1, 4);
  values->addWidget(new QLabel("Minimum: ", this), 2, 0);
  values->addWidget(MinWords, 2, 1);
  values->addWidget(new QLabel("Maximum: ", this), 2, 2);
  values->addWidget(MaxWords, 2, 3);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(Start);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(values);
  layout->addWidget(CBFromBegin);
  layout->addLayout(buttons);

  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void TTheoSearch::FormShow() {
  const ThematicFields f = ThematicFieldsOf(params_);
  SValue->setText(Text(f.value));
  SWindow->setText(Text(f.window));
  MinWords->setText(Text(f.minWords));
  MaxWords->setText(Text(f.maxWords));
  CBFromBegin->setChecked(f.fromBegin);
  SValue->setFocus();
}

void TTheoSearch::StartClick() {
  const ThematicFields typed{SValue->text().toStdString(), SWindow->text().toStdString(),
                             MinWords->text().toStdString(), MaxWords->text().toStdString(),
                             CBFromBegin->isChecked()};
  const std::vector<std::string> refused = CheckThematicFields(typed, params_);
  for (const std::string& message : refused) ui_.Message(message);
  if (refused.empty()) accept();
}

void TTheoSearch::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TTheoSearch::keyPressEvent(QKeyEvent* event) {
  if (IsEnterKey(event)) {
    StartClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace orv::ui
