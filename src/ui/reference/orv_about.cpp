#include "ui/reference/orv_about.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "config/settings.h"
#include "platform/program_dir.h"
#include "reference/julian_date.h"

namespace orv::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

}  // namespace

TAbout::TAbout(const Settings& settings, const std::string& programFile, QWidget* parent)
    : QDialog(parent) {
  setObjectName("About");
  setWindowTitle("ORV About");

  QLabel* title = MakeLabel(this, "Title", "Hebrew Orvane ");
  QFont big = title->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  title->setFont(big);
  QLabel* grace = MakeLabel(this, "Grace", "through the grace of IAUE Aleim");
  Version = MakeLabel(this, "Version", "");
  FileDate = MakeLabel(this, "FileDate", "");
  QLabel* credit = MakeLabel(this, "Credit",
                             "Hebrew text: Open Scriptures Hebrew Bible, licensed under\n"
                             "Creative Commons Attribution 4.0 (CC BY 4.0)");
  BClose = new QPushButton("Close", this);
  BClose->setObjectName("BClose");
  BClose->setDefault(true);

  auto* facts = new QGridLayout();
  facts->addWidget(MakeLabel(this, "Label1", "Version :"), 0, 0);
  facts->addWidget(Version, 0, 1);
  facts->addWidget(MakeLabel(this, "Label2", "Version Date :"), 1, 0);
  facts->addWidget(FileDate, 1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title, 0, Qt::AlignHCenter);
  layout->addWidget(grace, 0, Qt::AlignHCenter);
  layout->addSpacing(12);
  layout->addLayout(facts);
  layout->addSpacing(12);
  layout->addWidget(credit);
  layout->addWidget(BClose, 0, Qt::AlignHCenter);

  connect(BClose, &QPushButton::clicked, this, [this] { BCloseClick(); });
  FormCreate(settings, programFile);
}

void TAbout::FormCreate(const Settings& settings, const std::string& programFile) {
  Version->setText(QString::fromStdString(settings.version));
  const std::string file = programFile.empty() ? ExecutablePath() : programFile;
  FileDate->setText(QString::fromStdString(file.empty() ? std::string() : JulianFileDate(file)));
}

void TAbout::BCloseClick() { accept(); }

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace orv::ui
