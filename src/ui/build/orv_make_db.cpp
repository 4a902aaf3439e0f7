#include "ui/build/orv_make_db.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "build/build_plan.h"
#include "build/db_build.h"

namespace orv::ui {
namespace {

QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLineEdit* ReadOnlyField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  return field;
}

QString Now() { return QTime::currentTime().toString("HH:mm:ss"); }

// How long a build waits for its dialog to appear on the screen, and how
// often it looks meanwhile.
constexpr int kExposeWaitMs = 2000;
constexpr int kExposeLookMs = 10;

}  // namespace

TMakeDB::TMakeDB(DatastoreSet& set, const std::string& sourceDir, UserInterface& ui,
                 QWidget* parent)
    : QDialog(parent), ctx_(set, sourceDir, ui) {
  setObjectName("MakeDB");
  setWindowTitle("Build Database");
  setModal(true);

  Label1 = new QLabel("Building the datastores takes time...", this);
  Label1->setObjectName("Label1");
  Label1->setTextFormat(Qt::PlainText);
  Label1->setMinimumWidth(320);
  BookName = ReadOnlyField(this, "BookName");
  NumEntries = ReadOnlyField(this, "NumEntries");
  NumEntries->setText("0");
  TStart = ReadOnlyField(this, "TStart");
  TStop = ReadOnlyField(this, "TStop");
  Start = new QPushButton("Start", this);
  Start->setObjectName("Start");
  Start->setDefault(true);
  Cancel = new QPushButton("Cancel", this);
  Cancel->setObjectName("Cancel");

  auto* fields = new QFormLayout;
  fields->addRow(BookName);
  fields->addRow("Total Entries:", NumEntries);
  fields->addRow("Start time:", TStart);
  fields->addRow("Stop time:", TStop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Start);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });

  ctx_.progress.status = [this](const std::string& s) { SetStatus(s); };
  ctx_.progress.book = [this](const std::string& s) { BookName->setText(Q(s)); };
  ctx_.progress.entries = [this](int32_t n) { NumEntries->setText(QString::number(n)); };
  // The build runs in the handler that started it; letting the events
  // through here is what repaints the dialog and delivers a click on Cancel.
  ctx_.progress.refresh = [] { QCoreApplication::processEvents(); };
}

TMakeDB::~TMakeDB() = default;

void TMakeDB::SetStatus(const std::string& text) {
  // The status texts double an ampersand so a label with mnemonics shows
  // one; this label shows its text as it is.
  QString shown = Q(text);
  shown.replace("&&", "&");
  Label1->setText(shown);
}

void TMakeDB::setVisible(bool visible) {
  // FormShow may warn the user, and a message box runs an event loop of its
  // own. Run inside the show (from showEvent), that loop leaves a dialog
  // shown for the first time on X11 an empty box of the default size; run
  // before it, the dialog is shown after the warning, laid out for the
  // texts FormShow set.
  if (visible && !isVisible()) FormShow();
  QDialog::setVisible(visible);
}

void TMakeDB::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (buildOptions.Any()) {
    // Build once the dialog is on screen, as its activation would.
    activatePending_ = true;
    QTimer::singleShot(0, this, [this] {
      if (activatePending_) FormActivate();
    });
  }
}

void TMakeDB::FormShow() {
  ctx_.done = false;
  closeWhenBuilt_ = false;
  activatePending_ = false;
  Start->setVisible(true);
  Start->setEnabled(true);
  Start->setFocus();
  TStart->clear();
  TStop->clear();
  // Shown again, it would otherwise show the last build's book and count.
  BookName->clear();
  NumEntries->setText("0");
  Cancel->setText("Cancel");
  BuildPlan plan = PlanBuild(ctx_.set, buildOptions, ctx_.ui);
  flags_ = plan.flags;
  SetStatus(plan.status);
}

void TMakeDB::FormActivate() {
  activatePending_ = false;
  if (!buildOptions.Any() || building_ || !isVisible()) return;
  Build(flags_);
  if (autoClose || closeWhenBuilt_) done(QDialog::Rejected);
}

void TMakeDB::StartClick() {
  if (building_) return;
  activatePending_ = false;
  if (flags_.word || flags_.cite) Build(flags_);
  // With nothing to build this only asks whether to load the default
  // Strong's numbers.
  StartBuild(ctx_, BuildFlags{}, loadDefaultStrongs);
  if (autoClose || closeWhenBuilt_) done(QDialog::Rejected);
}

void TMakeDB::DrawNow() {
  // A window just shown is drawn when the window system exposes it, which
  // may wait for a round trip to the window manager. The build lets events
  // through only between its steps, so until the first of them the dialog
  // would stand on the screen as an empty box.
  QTimer look;  // wakes the wait below even when no event comes
  look.start(kExposeLookMs);
  const QDeadlineTimer deadline(kExposeWaitMs);
  while (isVisible() && !(windowHandle() && windowHandle()->isExposed()) &&
         !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QCoreApplication::processEvents();  // layouts and updates still pending
  repaint();
}

void TMakeDB::Build(BuildFlags flags) {
  Start->setVisible(false);
  Start->setEnabled(false);
  TStart->setText(Now());
  {
    // A file error leaves the build as an exception; the dialog must still
    // be closable afterwards.
    struct Running {
      bool& flag;
      explicit Running(bool& f) : flag(f) { flag = true; }
      ~Running() { flag = false; }
    } running(building_);
    DrawNow();
    if (memoryProbe) {
      RunBuild(ctx_, flags, memoryProbe);
    } else {
      RunBuild(ctx_, flags);
    }
  }
  if (settingsChanged) settingsChanged();
  SetStatus("");
  TStop->setText(Now());
  Cancel->setText("Done");
  Cancel->setFocus();
}

void TMakeDB::CancelClick() {
  ctx_.cancel = true;
  if (building_) {
    closeWhenBuilt_ = true;
  } else {
    activatePending_ = false;
    done(QDialog::Rejected);
  }
}

void TMakeDB::reject() { CancelClick(); }

}  // namespace orv::ui
