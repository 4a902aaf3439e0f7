#include "ui/reference/orv_show_strongs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "import/import_dictionary.h"
#include "platform/program_dir.h"
#include "reference/dictionary_files.h"
#include "reference/strongs_lookup.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

// The paragraphs of `memo`, laid out as the window shows them.
std::vector<QTextBlock> Paragraphs(QPlainTextEdit& memo) {
  std::vector<QTextBlock> out;
  QTextDocument* doc = memo.document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    doc->documentLayout()->blockBoundingRect(b);  // lays the block out
    out.push_back(b);
  }
  return out;
}

// Whether the paragraph runs from the left: its first character stands left
// of its end. A paragraph set right to left starts at the right.
bool ReadsLeftToRight(const QTextBlock& paragraph) {
  const QTextLine first = paragraph.layout()->lineAt(0);
  return first.cursorToX(0) < first.cursorToX(first.textLength());
}

// Shows `number` in the window, on screen, and expects every paragraph laid
// out on one line, the first (the header) left to right.
void ExpectLinesAsInTheDictionary(TShowStrongs& window, const std::string& number) {
  ASSERT_TRUE(window.ShowDefinition(number));
  window.show();
  QApplication::processEvents();
  const std::vector<QTextBlock> paragraphs = Paragraphs(*window.Memo1);
  ASSERT_GT(paragraphs.size(), 1u);
  EXPECT_TRUE(ReadsLeftToRight(paragraphs[0])) << paragraphs[0].text().toStdString();
  for (const QTextBlock& p : paragraphs) {
    EXPECT_EQ(p.layout()->lineCount(), 1) << "broken again: " << p.text().toStdString();
  }
}

class TShowStrongsTest : public ::testing::Test {
 protected:
  TShowStrongsTest() {
    test::WriteDict(dir.File("Hebrew.def"),
                    {test::Entry(1254, "bara; to create", {"  (absolutely) to create"}),
                     test::Entry(5176, "נחשׁ; nâchâsh; naw-khawsh'",
                                 {"The same as H5175; Nachash, the name of two persons "
                                  "apparently non Israelites: -",
                                  "Nahash."}),
                     test::Entry(7225, "reshith; the first", {"  beginning, chief"})});
  }
  static SupplementList Supplements(const test::TempDir& dir) {
    test::WriteLines(dir.File("OT.VRB"), {"1 Qal", "2 Niphal"});
    SupplementList list;
    list.Load(dir.File("OT.VRB"));
    return list;
  }
  QApplication& app = test::TestApp();  // before any widget
  test::TempDir dir;
  StrongsLookup lookup{dir.File("Hebrew.def"), dir.File("Hebrew.XRD"), Supplements(dir)};
  test::ScriptedUI ui;
  TShowStrongs window{lookup, ui};
};

TEST_F(TShowStrongsTest, ShowsTheEntryWithItsCaptionAndStaysOnTopWithoutBlocking) {
  ASSERT_TRUE(window.ShowDefinition("01254-2"));
  window.show();
  EXPECT_FALSE(window.isModal());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window.windowTitle(), "Strong's definition 01254-2");
  EXPECT_TRUE(window.Memo1->isReadOnly());
  EXPECT_EQ(window.Memo1->toPlainText(),
            "1254 bara; to create  - 2 Niphal\n  (absolutely) to create");
  // A later lookup replaces the content of the open window.
  ASSERT_TRUE(window.ShowDefinition("7225"));
  EXPECT_EQ(window.Memo1->toPlainText(), "7225 reshith; the first\n  beginning, chief");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TShowStrongsTest, AnUnknownNumberIsReportedWithTheCaptionSet) {
  EXPECT_FALSE(window.ShowDefinition("99"));
  EXPECT_THAT(ui.messages, ElementsAre("Definition not found"));
  EXPECT_EQ(window.windowTitle(), "Strong's definition 99");
  EXPECT_TRUE(window.Memo1->toPlainText().isEmpty());
}

TEST_F(TShowStrongsTest, HeaderReadsLeftToRightAndLinesKeepTheDictionarysBreaks) {
  ExpectLinesAsInTheDictionary(window, "5176");
  // A short entry leaves a wider window as it is.
  const int wide = window.width();
  ASSERT_TRUE(window.ShowDefinition("1254"));
  EXPECT_EQ(window.width(), wide);
}

TEST_F(TShowStrongsTest, EscapeInTheTextClosesTheWindow) {
  ASSERT_TRUE(window.ShowDefinition("1254"));
  window.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.Memo1, &escape);
  EXPECT_FALSE(window.isVisible());
}

// Entries of the real dictionary, imported from the SWORD module of
// Debian's sword-dict-strongs-hebrew, shown in the window and written as
// PNG files into "screenshots" beside the test program for review.
class StrongsScreenshot : public ::testing::Test {
 protected:
  struct Dictionary {
    std::string dir;  // holds Hebrew.def; empty when the import failed
    std::string why;
  };
  static const Dictionary& Real() {
    static test::TempDir dir;  // lives until the program ends
    static const Dictionary d = [] {
      const ImportResult r = ImportDictionary(dir.path() + "/");
      return r.ok ? Dictionary{dir.path(), ""} : Dictionary{"", r.message};
    }();
    return d;
  }
  void SetUp() override {
    if (Real().dir.empty()) GTEST_SKIP() << Real().why;
  }
  void Shoot(const std::string& number) {
    ExpectLinesAsInTheDictionary(window, number);
    const std::filesystem::path dir =
        std::filesystem::path(ExecutablePath()).parent_path() / "screenshots";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / ("strongs-" + number + ".png");
    EXPECT_TRUE(window.grab().save(QString::fromStdString(file.string()), "PNG")) << file;
    std::printf("screenshot: %s\n", file.string().c_str());
  }

  QApplication& app = test::TestApp();  // before any widget
  test::TempDir index;
  StrongsLookup lookup{Real().dir + "/Hebrew.def", index.File("Hebrew.XRD"), {}};
  test::ScriptedUI ui;
  TShowStrongs window{lookup, ui};
};

TEST_F(StrongsScreenshot, SerpentWithAHebrewHeader) { Shoot("5175"); }

TEST_F(StrongsScreenshot, GodWithFullLines) { Shoot("430"); }

}  // namespace
}  // namespace orv::ui
