// Print Page and Print Chapter into PDF files, counted with pdfinfo.
#include "ui/main/print_job.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <string>

#include "build/source_text.h"
#include "page/page_fixture.h"
#include "page/page_print.h"
#include "support/scoped_env.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

namespace fs = std::filesystem;

// Genesis 1 long enough for several printed pages: 60 verses of 15 words.
std::string LongGenesis() {
  std::string text = "*BOOK Genesis\n*CITE Gen \n*R-L\n*1\n";
  for (int v = 1; v <= 60; ++v) {
    text += std::to_string(v);
    for (int w = 1; w <= 15; ++w) text += w % 3 ? " brasyt" : " wyamr alhyM";
    text += "\n";
  }
  return text + "*2\n1 wyklw h-smyM\n";
}

// The page count pdfinfo reads from `file`; -1 when it cannot.
int PdfPages(const std::string& file) {
  QProcess info;
  info.start("pdfinfo", {QString::fromStdString(file)});
  if (!info.waitForFinished(20000) || info.exitCode() != 0) return -1;
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

class PrintJobTest : public test::PageFixture {
 protected:
  PrintJobTest() {
    test::TestApp();
    test::WriteSource(dir_.File("Source"), 1, LongGenesis());
  }
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
      GTEST_SKIP() << "pdfinfo is not installed (poppler-utils, scripts/install-deps)";
    }
  }
  PrintScene Scene() { return {layout_, page_, env_, view_, nullptr}; }
  // The screen page at `at`, as the window shows it before a print.
  void ShowScreen(Citation at) {
    Paint(at, 800, 600);
    screenRange_ = {layout_.rangeFirst, layout_.rangeLast};
  }
  void ExpectScreenAsBefore(Citation at) {
    EXPECT_EQ(view_.currentCite, at);
    EXPECT_EQ(settings_.header, 2);
    EXPECT_FALSE(layout_.printing);
    EXPECT_EQ(layout_.geo.clip, (Rect{0, 0, 800, 600}));
    // The next screen paint shows the same page again.
    surface_.Clear();
    PaintScreen(surface_, layout_, page_, env_, view_, nullptr);
    EXPECT_EQ(layout_.rangeFirst, screenRange_.first);
    EXPECT_EQ(layout_.rangeLast, screenRange_.second);
  }

  std::pair<Citation, Citation> screenRange_;
};

TEST_F(PrintJobTest, PrintChapterWritesEveryPageOfTheChapterFromVerseOne) {
  const Citation at{1, 1, 20, 3};
  ShowScreen(at);
  const std::string pdf = dir_.File("chapter.pdf");
  const int pages = PrintToPdf(pdf, Scene(), ui_, PrintScope::kChapter);
  EXPECT_GT(pages, 2) << "900 words at 600 dpi take several A4 pages";
  EXPECT_EQ(PdfPages(pdf), pages);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.maxWaitDepth, 1);
  EXPECT_TRUE(view_.relayoutNeeded);
  ExpectScreenAsBefore(at);

  // From verse 1 the same chapter gives the same job.
  ShowScreen({1, 1, 1, 1});
  EXPECT_EQ(PrintToPdf(dir_.File("again.pdf"), Scene(), ui_, PrintScope::kChapter), pages);
}

TEST_F(PrintJobTest, PrintPageWritesOnePage) {
  const Citation at{1, 1, 30, 1};
  ShowScreen(at);
  const std::string pdf = dir_.File("page.pdf");
  EXPECT_EQ(PrintToPdf(pdf, Scene(), ui_, PrintScope::kPage), 1);
  EXPECT_EQ(PdfPages(pdf), 1);
  ExpectScreenAsBefore(at);

  // A chapter that fits on one sheet is a one-page job too.
  ShowScreen({1, 2, 1, 1});
  EXPECT_EQ(PrintToPdf(dir_.File("two.pdf"), Scene(), ui_, PrintScope::kChapter), 1);
  EXPECT_EQ(PdfPages(dir_.File("two.pdf")), 1);
}

TEST_F(PrintJobTest, AFileThatCannotBeWrittenIsReportedAndChangesNothing) {
  const Citation at{1, 1, 5, 1};
  ShowScreen(at);
  const std::string pdf = dir_.File("no-such-folder/out.pdf");
  EXPECT_EQ(PrintToPdf(pdf, Scene(), ui_, PrintScope::kChapter), 0);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0], "Cannot print: " + pdf + " could not be opened");
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_EQ(ui_.waitDepth, 0);
  ExpectScreenAsBefore(at);
}

TEST_F(PrintJobTest, WithoutAPrinterTheJobGoesToAPdfInTheDataRoot) {
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    GTEST_SKIP() << "a default printer is set up on this machine";
  }
  const std::string root = dir_.File("root");
  PrintResult first, second;
  {
    test::ScopedEnv rootEnv("ORV_ROOT", root.c_str());
    ShowScreen({1, 1, 1, 1});
    first = PrintOnDefaultPrinter(Scene(), ui_, PrintScope::kPage);
    second = PrintOnDefaultPrinter(Scene(), ui_, PrintScope::kPage);
  }

  EXPECT_EQ(first.pages, 1);
  EXPECT_EQ(fs::path(first.pdfPath).parent_path(), fs::path(root));
  const std::string name = fs::path(first.pdfPath).filename().string();
  EXPECT_EQ(name.rfind("Orvane print ", 0), 0u) << name;
  EXPECT_EQ(PdfPages(first.pdfPath), 1);
  // Two jobs never share a file, even within the same second.
  EXPECT_NE(second.pdfPath, first.pdfPath);
  EXPECT_TRUE(fs::exists(second.pdfPath));
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_NE(ui_.messages[0].find(first.pdfPath), std::string::npos) << ui_.messages[0];
}

TEST(PrintFileName, NamesTheJobsDateAndTime) {
  const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 4));
  EXPECT_EQ(PrintFileName(when), "Orvane print 2026-03-07 090504.pdf");
}

}  // namespace
}  // namespace orv::ui
