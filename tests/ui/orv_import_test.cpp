// The import dialog over a fake import (quick, scripted): the folder
// checks, the progress, Cancel, and the main window that offers the dialog
// at a start without the Hebrew text and loads the text imported.
#include "ui/build/orv_import.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "build/source_text.h"
#include "model/source_reader.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/build/orv_make_db.h"
#include "ui/main/import_commands.h"
#include "ui/main/orv_main.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

namespace fs = std::filesystem;

constexpr int kSteps = 10;
// Bounds the fake's wait for a stop, so a dialog that never asks fails.
constexpr int kMaxWaits = 500;

// A stand-in for the import: reports kSteps steps (and, when `waitForStop`,
// keeps asking until told to stop), then calls `finish` on success.
struct FakeImport {
  int runs = 0;
  std::string oshbDir, programDir;
  bool waitForStop = false;
  bool sawStop = false;
  std::function<void(const std::string& programDir)> finish;

  ImportFunction Function() {
    return [this](const std::string& oshb, const std::string& program,
                  const ImportProgressFn& progress) {
      ++runs;
      oshbDir = oshb;
      programDir = program;
      for (int i = 0; i <= (waitForStop ? kMaxWaits : kSteps); ++i) {
        if (!progress("Part", std::min(i, kSteps), kSteps)) {
          sawStop = true;
          return ImportOutcome{false, "Import cancelled"};
        }
        if (waitForStop) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      if (finish) finish(program);
      return ImportOutcome{};
    };
  }
};

// A folder that passes for the Hebrew Bible's: the two files looked for.
std::string MakeWlc(const test::TempDir& dir) {
  const std::string wlc = dir.File("wlc");
  fs::create_directories(wlc);
  std::ofstream(wlc + "/Gen.xml") << "<osis/>";
  std::ofstream(wlc + "/VerseMap.xml") << "<verseMap/>";
  return wlc;
}

class ImportDialogTest : public ::testing::Test {
 protected:
  ImportDialogTest() { test::TestApp(); }
  // Chooses `folder` through Browse and presses Import.
  void ImportFrom(TImport& dialog, const std::string& folder) {
    ui_.folder.push_back(folder);
    dialog.BrowseClick();
    dialog.StartClick();
  }

  test::TempDir dir_;
  std::string wlc_ = MakeWlc(dir_);
  std::string prog_ = dir_.File("prog");
  test::ScriptedUI ui_;
  FakeImport fake_;
};

TEST_F(ImportDialogTest, FolderThatIsNotTheHebrewBibleRunsNothing) {
  fs::create_directories(dir_.File("half"));
  std::ofstream(dir_.File("half/Gen.xml")) << "<osis/>";
  std::ofstream(dir_.File("file")) << "a file, not a folder";
  struct Case {
    std::string folder, programDir, message;
  };
  const Case cases[] = {
      {"", prog_, NotOshbMessage("", "Gen.xml")},
      {dir_.File("none"), prog_, NotOshbMessage(dir_.File("none"), "Gen.xml")},
      {dir_.File("half"), prog_, NotOshbMessage(dir_.File("half"), "VerseMap.xml")},
      // A folder that cannot be made (as one an installed program cannot write).
      {wlc_, dir_.File("file/prog"), ProgramFolderLockedMessage(dir_.File("file/prog"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + " " + c.programDir);
    TImport dialog(fake_.Function(), c.programDir, ui_);
    ui_.messages.clear();
    ImportFrom(dialog, c.folder);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(dialog.Explain->text().contains(
                  QString::fromStdString(ProgramFolderLockedMessage(c.programDir))),
              c.programDir != prog_);
    EXPECT_EQ(fake_.runs, 0);
    EXPECT_EQ(dialog.result(), 0);
  }
}

TEST_F(ImportDialogTest, FinishedImportShowsTheEndAndCloses) {
  TImport dialog(fake_.Function(), prog_, ui_);
  EXPECT_NE(dialog.Explain->text().indexOf("https://github.com/openscriptures/morphhb"), -1);
  ImportFrom(dialog, wlc_);
  EXPECT_EQ(fake_.runs, 1);
  EXPECT_EQ(fake_.oshbDir, wlc_);
  EXPECT_EQ(fake_.programDir, prog_);
  EXPECT_EQ(dialog.Progress->maximum(), kSteps);
  EXPECT_EQ(dialog.Progress->value(), kSteps);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"The data was imported into " + prog_ + "."});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.Running());
}

TEST_F(ImportDialogTest, CancelOrEscapeDuringTheImportStopsIt) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape);
    FakeImport fake;
    fake.waitForStop = true;
    test::ScriptedUI ui;
    TImport dialog(fake.Function(), prog_, ui);
    dialog.Folder->setText(QString::fromStdString(wlc_));
    // Pressed once the import runs (the dialog takes events meanwhile).
    QTimer::singleShot(0, &dialog, [&] {
      EXPECT_TRUE(dialog.Running());
      escape ? static_cast<QDialog&>(dialog).reject() : dialog.CancelClick();
    });
    dialog.StartClick();
    EXPECT_TRUE(fake.sawStop);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kImportCancelledMessage});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

// The main window: the offer at a start without Source/GEN.OLF, and what
// follows an import (datastores built, page filled) or a Cancel.
class ImportStartTest : public ::testing::Test {
 protected:
  ImportStartTest() : text_(11, 3, 4) {
    test::TestApp();
    MakeWlc(dir_);
    fake_.finish = [this](const std::string& program) {
      fs::create_directories(program + "/Source");
      text_.Write(program + "/Source");
    };
    form_ = std::make_unique<TForm1>(ui_, dir_.File("prog"), dir_.File("root/ORV.INI"));
    form_->runModal = [this](QDialog& d) { return Modal(d); };
    form_->resize(900, 700);
    WireImportCommand(*form_, fake_.Function());
  }

  int Modal(QDialog& d) {
    shown_.push_back(d.objectName().toStdString());
    if (auto* import = dynamic_cast<TImport*>(&d)) {
      if (!importAnswer_) return QDialog::Rejected;
      import->Folder->setText(QString::fromStdString(dir_.File("wlc")));
      import->StartClick();
      return import->result();
    }
    if (auto* build = dynamic_cast<TMakeDB*>(&d)) {
      build->show();
      build->buildOptions.Any() ? build->FormActivate() : build->StartClick();
      build->hide();
    }
    return 0;
  }

  // Paints as the window does and lets the start that follows run.
  void Paint() {
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter p(&image);
    form_->FormPaint(p, image.rect());
    p.end();
    QCoreApplication::processEvents();
  }

  test::TempDir dir_;
  test::ScopedEnv rootEnv_{"ORV_ROOT", dir_.File("root").c_str()};
  test::SmallText text_;
  test::ScriptedUI ui_;
  FakeImport fake_;
  bool importAnswer_ = true;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> shown_;
};

TEST_F(ImportStartTest, StartWithoutTheTextOffersTheImportAndLoadsIt) {
  ui_.AllowUnusedAnswers();
  Paint();
  ASSERT_FALSE(shown_.empty());
  EXPECT_EQ(shown_.front(), "Import");
  EXPECT_EQ(fake_.runs, 1);
  Session& s = form_->GetSession();
  EXPECT_FALSE(s.firstPaintPending);
  EXPECT_TRUE(s.stores->WordDS.Exists());
  EXPECT_TRUE(s.stores->CiteDS.Exists());
  EXPECT_TRUE(s.stores->BookDS.Exists());
  Paint();
  EXPECT_GT(s.layout.lastPlaced, 0);
  // The menu item shows the same dialog again.
  ASSERT_TRUE(form_->Item("Import1")->isEnabled());
  form_->Item("Import1")->trigger();
  EXPECT_EQ(fake_.runs, 2);
}

TEST_F(ImportStartTest, CancelAtTheStartLeavesAnEmptyPage) {
  ui_.AllowUnusedAnswers();
  importAnswer_ = false;
  Paint();
  ASSERT_FALSE(shown_.empty());
  EXPECT_EQ(shown_.front(), "Import");
  EXPECT_EQ(fake_.runs, 0);
  Session& s = form_->GetSession();
  EXPECT_FALSE(s.firstPaintPending);
  EXPECT_FALSE(s.stores->WordDS.Exists());
  // The start went on as without the dialog: the BOOK build names the
  // missing first book.
  EXPECT_NE(std::find(ui_.messages.begin(), ui_.messages.end(), CannotOpenMessage(1)),
            ui_.messages.end());
}

}  // namespace
}  // namespace orv::ui
