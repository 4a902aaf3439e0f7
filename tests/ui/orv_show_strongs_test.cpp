#include "ui/reference/orv_show_strongs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "reference/dictionary_files.h"
#include "reference/strongs_lookup.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class TShowStrongsTest : public ::testing::Test {
 protected:
  TShowStrongsTest() {
    test::WriteDict(dir.File("Hebrew.def"),
                    {test::Entry(1254, "bara; to create", {"  (absolutely) to create"}),
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

TEST_F(TShowStrongsTest, EscapeInTheTextClosesTheWindow) {
  ASSERT_TRUE(window.ShowDefinition("1254"));
  window.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.Memo1, &escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace orv::ui
