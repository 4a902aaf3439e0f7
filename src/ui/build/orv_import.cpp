#include "ui/build/orv_import.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/user_interface.h"

namespace orv::ui {
namespace {

namespace fs = std::filesystem;

// How often the dialog looks at the worker's progress.
constexpr int kPollMs = 50;

// The files that tell the Hebrew Bible's folder from any other.
constexpr const char* kOshbFiles[] = {"Gen.xml", "VerseMap.xml"};

QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Whether a file can be made in `dir` (made when missing): the one test that
// sees permissions, read-only mounts and an installed program's folder alike.
bool CanWriteIn(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  const fs::path probe = fs::path(dir) / ".orv-import-test";
  { std::ofstream(probe, std::ios::binary) << ""; }
  const bool made = fs::exists(probe, ec);
  fs::remove(probe, ec);
  return made;
}

std::string ExplainText(const std::string& programDir) {
  const bool hasText = fs::exists(fs::path(programDir) / "Source" / "GEN.OLF");
  std::string text = hasText ? "The program folder " + programDir +
                                   " holds the Hebrew text; importing again replaces the "
                                   "supplied data there."
                             : "The program folder " + programDir +
                                   " holds no Hebrew text yet, so the page stays empty.";
  return text.append(
      "\n\nThe Hebrew text comes from the Open Scriptures Hebrew Bible (CC BY 4.0): get "
      "https://github.com/openscriptures/morphhb and choose its wlc folder below. The King "
      "James text and Strong's dictionary are read from the Debian packages sword-text-kjv "
      "and sword-dict-strongs-hebrew.");
}

}  // namespace

std::string NotOshbMessage(const std::string& folder, const std::string& file) {
  return "The folder " + folder + " does not hold the Open Scriptures Hebrew Bible (" + file +
         " is missing). Choose the wlc folder of https://github.com/openscriptures/morphhb.";
}

std::string ProgramFolderLockedMessage(const std::string& programDir) {
  return "The program folder " + programDir +
         " cannot be written, so nothing can be imported into it. Start the program with "
         "ORV_PROGRAM_DIR naming a folder you can write, then import.";
}

TImport::TImport(ImportFunction run, const std::string& programDir, UserInterface& ui,
                 QWidget* parent)
    : QDialog(parent), run_(std::move(run)), programDir_(programDir), ui_(ui) {
  setObjectName("Import");
  setWindowTitle("Import");
  setModal(true);
  std::string explain = ExplainText(programDir);
  // Said before the user looks for the Hebrew Bible's folder, not after.
  if (!CanWriteIn(programDir))
    explain.append("\n\n").append(ProgramFolderLockedMessage(programDir));
  Explain = new QLabel(Q(explain), this);
  Explain->setObjectName("Explain");
  Explain->setTextFormat(Qt::PlainText);
  Explain->setWordWrap(true);
  Explain->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Folder = new QLineEdit(this);
  Folder->setObjectName("Folder");
  if (const char* env = std::getenv("ORV_OSHB_DIR")) Folder->setText(QString::fromLocal8Bit(env));
  Browse = new QPushButton("Browse...", this);
  Browse->setObjectName("Browse");
  Progress = new QProgressBar(this);
  Progress->setObjectName("Progress");
  Progress->setRange(0, 1);
  Progress->setValue(0);
  Status = new QLabel(this);
  Status->setObjectName("Status");
  Status->setTextFormat(Qt::PlainText);
  Start = new QPushButton("Import", this);
  Start->setObjectName("Start");
  Start->setDefault(true);
  Cancel = new QPushButton("Cancel", this);
  Cancel->setObjectName("Cancel");

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(Folder, 1);
  folderRow->addWidget(Browse);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Start);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Explain);
  layout->addLayout(folderRow);
  layout->addWidget(Progress);
  layout->addWidget(Status);
  layout->addLayout(buttons);
  setMinimumWidth(520);

  connect(Browse, &QPushButton::clicked, this, [this] { BrowseClick(); });
  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
}

TImport::~TImport() = default;

void TImport::BrowseClick() {
  std::string folder = Folder->text().toStdString();
  if (ui_.SelectFolder("Folder of the Open Scriptures Hebrew Bible (wlc)", folder)) {
    Folder->setText(Q(folder));
  }
}

void TImport::StartClick() {
  if (running_) return;
  const std::string folder = Folder->text().trimmed().toStdString();
  for (const char* file : kOshbFiles) {
    if (folder.empty() || !fs::is_regular_file(fs::path(folder) / file)) {
      ui_.Message(NotOshbMessage(folder, file));
      return;
    }
  }
  if (!CanWriteIn(programDir_)) {
    ui_.Message(ProgramFolderLockedMessage(programDir_));
    return;
  }
  const ImportOutcome outcome = RunWorker(folder);
  if (outcome.ok) {
    ui_.Message("The data was imported into " + programDir_ + ".");
    accept();
  } else if (stop_) {
    ui_.Message(kImportCancelledMessage);
    done(QDialog::Rejected);
  } else {
    ui_.Message("The import failed, and the program folder was left as it was: " + outcome.message);
  }
}

ImportOutcome TImport::RunWorker(const std::string& oshbDir) {
  running_ = true;
  stop_ = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    part_.clear();
    done_ = total_ = 0;
  }
  Start->setEnabled(false);
  Browse->setEnabled(false);
  Folder->setEnabled(false);
  std::atomic<bool> finished{false};
  ImportOutcome outcome;
  std::thread worker([&] {
    const ImportProgressFn progress = [this](const std::string& part, int done, int total) {
      std::lock_guard<std::mutex> lock(mutex_);
      part_ = part;
      done_ = done;
      total_ = total;
      return !stop_.load();
    };
    // A throw would end the program from this thread; it is reported instead.
    try {
      outcome = run_ ? run_(oshbDir, programDir_, progress) : ImportOutcome{false, "No import"};
    } catch (const std::exception& e) {
      outcome = ImportOutcome{false, e.what()};
    }
    finished = true;
  });
  QEventLoop loop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, &loop, [&] {
    ShowProgress();
    if (finished) loop.quit();
  });
  poll.start(kPollMs);
  loop.exec();
  worker.join();
  ShowProgress();
  running_ = false;
  Start->setEnabled(true);
  Browse->setEnabled(true);
  Folder->setEnabled(true);
  Cancel->setEnabled(true);
  return outcome;
}

void TImport::ShowProgress() {
  std::lock_guard<std::mutex> lock(mutex_);
  Progress->setRange(0, total_ > 0 ? total_ : 1);
  Progress->setValue(total_ > 0 ? done_ : 0);
  Status->setText(Q(stop_ ? std::string("Stopping...") : part_));
}

void TImport::CancelClick() {
  if (running_) {
    stop_ = true;
    Cancel->setEnabled(false);
    return;
  }
  done(QDialog::Rejected);
}

// Escape or the window's close button during the import stop it first; the
// dialog closes once the import has ended.
void TImport::reject() {
  if (running_) {
    CancelClick();
    return;
  }
  QDialog::reject();
}

}  // namespace orv::ui
