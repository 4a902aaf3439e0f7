#include "ui/prefs/orv_archive.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/prefs/make_control.h"

namespace orv::ui {
namespace {

QGroupBox* Group(const char* title, QPushButton* a, QPushButton* b, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QHBoxLayout(box);
  layout->addWidget(a);
  layout->addWidget(b);
  return box;
}

}  // namespace

TArchive::TArchive(DatastoreSet& stores, UserInterface& ui, const Settings& settings,
                   std::string dataRoot, std::string programDir, QWidget* parent)
    : QDialog(parent), env_{stores, ui, settings, std::move(dataRoot), std::move(programDir), {}} {
  setObjectName("Archive");
  setWindowTitle("Archive");
  Status = Make<QLabel>("Status", this);
  Write = Make<QPushButton>("Write", "Write", this);
  Read = Make<QPushButton>("Read", "Read", this);
  WriteStrongs = Make<QPushButton>("WriteStrongs", "Write Strongs", this);
  ReadStrongs = Make<QPushButton>("ReadStrongs", "Read Strongs", this);
  CBStoreNonZeros =
      Make<QCheckBox>("CBStoreNonZeros", "Process only non-zero Strong's numbers", this);
  CBStoreNonZeros->setChecked(true);
  StrDef = Make<QPushButton>("StrDef", "Set Default", this);
  Backups = Make<QPushButton>("Backups", "Backups...", this);
  Cancel = Make<QPushButton>("Cancel", "Cancel", this);
  auto* bottom = new QHBoxLayout();
  bottom->addWidget(StrDef);
  bottom->addWidget(Backups);
  bottom->addStretch();
  bottom->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Status);
  layout->addWidget(Group("Archive all translation data", Write, Read, this));
  layout->addWidget(Group("Archive Strong's numbers only", WriteStrongs, ReadStrongs, this));
  layout->addWidget(CBStoreNonZeros);
  layout->addLayout(bottom);

  env_.status = [this](const std::string& text) {
    Status->setText(QString::fromStdString(text));
    Status->repaint();
  };
  connect(Write, &QPushButton::clicked, this, [this] { WriteClick(); });
  connect(Read, &QPushButton::clicked, this, [this] { ReadClick(); });
  connect(WriteStrongs, &QPushButton::clicked, this, [this] { WriteStrongsClick(); });
  connect(ReadStrongs, &QPushButton::clicked, this, [this] { ReadStrongsClick(); });
  connect(StrDef, &QPushButton::clicked, this, [this] { StrDefClick(); });
  connect(Backups, &QPushButton::clicked, this, [this] { BackupsClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
}

void TArchive::WriteClick() { Run(ArchiveAction::kWrite); }
void TArchive::ReadClick() { Run(ArchiveAction::kRead); }
void TArchive::WriteStrongsClick() { Run(ArchiveAction::kWriteStrongs); }
void TArchive::ReadStrongsClick() { Run(ArchiveAction::kReadStrongs); }
void TArchive::StrDefClick() { Run(ArchiveAction::kSetDefault); }
void TArchive::CancelClick() { reject(); }

void TArchive::BackupsClick() {
  setEnabled(false);
  const ArchiveOutcome outcome = RunBackupRead(CBStoreNonZeros->isChecked(), env_);
  setEnabled(true);
  if (outcome == ArchiveOutcome::kCancelled) return;
  if (afterRead) afterRead();
  accept();
}

void TArchive::Run(ArchiveAction action) {
  // Nothing can be started again, nor the dialog closed, while it runs.
  setEnabled(false);
  const ArchiveOutcome outcome = RunArchiveAction(action, CBStoreNonZeros->isChecked(), env_);
  setEnabled(true);
  if (outcome == ArchiveOutcome::kCancelled) return;
  if (outcome == ArchiveOutcome::kRead && afterRead) afterRead();
  accept();
}

}  // namespace orv::ui
