#include "ui/search/orv_embed.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/user_interface.h"
#include "search/embedded_checks.h"
#include "ui/search/form_controls.h"

namespace orv::ui {
TEmbedded::TEmbedded(EmbeddedParams& params, UserInterface& ui, QWidget* parent)
    : QDialog(parent), params_(params), ui_(ui) {
  setObjectName("Embedded");
  setWindowTitle("Embedded Word Search");
  StaticText1 = Named(new QLabel("Search term: ", this), "StaticText1");
  MatchWord = Named(new QLineEdit(this), "MatchWord");
  StaticText2 = Named(new QLabel("Skip factor: ", this), "StaticText2");
  Skip = Named(new QLineEdit("1", this), "Skip");
  OK = Named(new QPushButton("OK", this), "OK");
  btCancel = Named(new QPushButton("Cancel", this), "btCancel");
  for (QPushButton* b : {OK, btCancel}) b->setAutoDefault(false);

  auto* fields = new QGridLayout();
  fields->addWidget(StaticText1, 0, 0);
  fields->addWidget(MatchWord, 0, 1);
  fields->addWidget(StaticText2, 1, 0);
  fields->addWidget(Skip, 1, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(btCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  connect(OK, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(btCancel, &QPushButton::clicked, this, [this] { reject(); });
}

void TEmbedded::FormShow() {
  MatchWord->setText(QString::fromStdString(params_.term));
  Skip->setText(QString::number(params_.skip));
  MatchWord->setFocus();
}

void TEmbedded::OKClick() {
  const std::string refused =
      CheckEmbeddedFields(MatchWord->text().toStdString(), Skip->text().toStdString(), params_);
  if (!refused.empty()) {
    ui_.Message(refused);
    done(kNotAccepted);
    return;
  }
  accept();
}

void TEmbedded::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TEmbedded::keyPressEvent(QKeyEvent* event) {
  if (IsEnterKey(event)) {
    done(kNotAccepted);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace orv::ui
