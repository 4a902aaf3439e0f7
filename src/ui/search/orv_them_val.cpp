#include "ui/search/orv_them_val.h"

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

#include "cite/cite_counts.h"
#include "config/settings.h"
#include "platform/user_interface.h"
#include "search/value_fields.h"
#include "ui/platform/qt_surface.h"
#include "ui/search/form_controls.h"

namespace orv::ui {
namespace {

QLineEdit* ResultField(QWidget* parent, const char* name) {
  auto* field = Named(new QLineEdit(parent), name);
  field->setReadOnly(true);
  return field;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TThemVal::TThemVal(DatastoreSet& stores, UserInterface& ui, const Settings& settings,
                   QWidget* parent)
    : QDialog(parent), stores_(stores), ui_(ui), settings_(settings) {
  setObjectName("ThemVal");
  setWindowTitle("Thematic Value");
  GroupBox1 = Named(new QGroupBox("Scan Type", this), "GroupBox1");
  RBVRange = Named(new QRadioButton("Range", GroupBox1), "RBVRange");
  RBText = Named(new QRadioButton("Text", GroupBox1), "RBText");
  auto* scan = new QHBoxLayout(GroupBox1);
  scan->addWidget(RBVRange);
  scan->addWidget(RBText);
  VStart = Named(new QLineEdit(this), "VStart");
  VStop = Named(new QLineEdit(this), "VStop");
  Ltrs = Named(new QLineEdit(this), "Ltrs");
  Paleo = ResultField(this, "Paleo");
  Paleo->setFocusPolicy(Qt::NoFocus);
  Orig = ResultField(this, "Orig");
  Trad = ResultField(this, "Trad");
  Compute = Named(new QPushButton("Compute", this), "Compute");
  Done = Named(new QPushButton("Done", this), "Done");
  // Enter belongs to the fields' own handling, not to a default button.
  for (QPushButton* b : {Compute, Done}) b->setAutoDefault(false);

  auto* heading = new QLabel("Thematic values", this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel("Verse Range", this), 0, 0);
  grid->addWidget(VStart, 0, 1);
  grid->addWidget(new QLabel("through", this), 0, 2);
  grid->addWidget(VStop, 0, 3);
  grid->addWidget(new QLabel("Enter text", this), 1, 0);
  grid->addWidget(Ltrs, 1, 1, 1, 3);
  grid->addWidget(new QLabel("Text to process", this), 2, 1, 1, 3);
  grid->addWidget(new QLabel("Hebrew", this), 3, 0);
  grid->addWidget(Paleo, 3, 1, 1, 3);
  grid->addWidget(new QLabel("Original *", this), 4, 0);
  grid->addWidget(Orig, 4, 1);
  grid->addWidget(new QLabel("Traditional", this), 4, 2);
  grid->addWidget(Trad, 4, 3);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(Compute);
  buttons->addWidget(Done);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(GroupBox1);
  layout->addLayout(grid);
  layout->addWidget(
      new QLabel("* Thematic value is dependent on alphabet ordering; this author\n"
                 "  believes the Word database ordering is the original order; see\n"
                 "  the web page noted in Help file.",
                 this));
  layout->addLayout(buttons);

  connect(Compute, &QPushButton::clicked, this, [this] { ComputeClick(); });
  connect(Done, &QPushButton::clicked, this, [this] { DoneClick(); });
  for (QLineEdit* field : {VStart, VStop, Ltrs}) field->installEventFilter(this);
  FormCreate();
}

void TThemVal::FormCreate() {
  RBVRange->setChecked(true);
  Paleo->setFont(QFont(ResolveFont(settings_.displayFont.name).family));
  ShowValues(kNoValue, kNoValue);
}

void TThemVal::ComputeClick() {
  if (RBText->isChecked()) {
    TextCompute();
  } else {
    RangeCompute();
  }
}

void TThemVal::DoneClick() { accept(); }

void TThemVal::TextCompute() {
  const TextFields f = ComputeTextFields(Ltrs->text().toStdString());
  if (!Ltrs->text().isEmpty()) {
    Ltrs->setText(Text(f.ltrs));
    Paleo->setText(DisplayText(f.paleo, GlyphMapping::kStorageLetters));
  }
  ShowValues(f.orig, f.trad);
}

void TThemVal::RangeCompute() {
  ShowValues(kNoValue, kNoValue);
  RangeFields f;
  {
    WaitCursor wait(ui_);
    DatastoreCounts counts(stores_);
    f = ComputeRangeFields(stores_, counts, VStart->text().toStdString(),
                           VStop->text().toStdString());
  }
  if (f.rewritten) {
    VStart->setText(Text(f.vStart));
    VStop->setText(Text(f.vStop));
  }
  ShowValues(f.orig, f.trad);
}

void TThemVal::ShowValues(const std::string& orig, const std::string& trad) {
  Orig->setText(Text(orig));
  Trad->setText(Text(trad));
}

bool TThemVal::eventFilter(QObject* watched, QEvent* event) {
  if (IsEnterKey(event)) {
    if (watched == VStart) {
      VStop->setFocus();
      return true;
    }
    if (watched == VStop) {
      RBVRange->setChecked(true);
      RangeCompute();
      return true;
    }
    if (watched == Ltrs) {
      RBText->setChecked(true);
      TextCompute();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
