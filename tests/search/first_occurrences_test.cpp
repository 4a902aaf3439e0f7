// The first-occurrence report over small stores: its exact layout (line
// wrapping at five words, verse 176), which FOCC handle it reads for each
// first-occurrence view, and a FOCC store that fails half-way.
#include "search/first_occurrences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/store_scan.h"
#include "search/word_stores_fixture.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::At;
using ::testing::ElementsAre;

class FirstOccurrencesTest : public test::WordStoresFixture {
 protected:
  void MakeSmall() {
    std::vector<test::Occ> text;
    int k = 0;
    for (const char* w : {"ab", "aw", "az", "ai", "ad"}) text.push_back({w, At(1, 1, 1, ++k)});
    k = 0;
    for (const char* w : {"ae", "av", "at", "ah", "as", "al"})
      text.push_back({w, At(1, 1, 2, ++k)});
    text.push_back({"ab", At(1, 1, 3, 1)});  // no first occurrence in 1:3
    text.push_back({"ak", At(19, 119, 176, 1)});
    text.push_back({"abwzidevths", At(19, 150, 1, 1)});
    text.push_back({"an", At(19, 150, 1, 2)});
    Make(text);
  }
  std::string Path() { return dir_.File("first.txt"); }

  static constexpr const char* kReport =
      "\r\n"
      "Gen  1: 1  ab            aw            az            ai            ad          \r\n"
      "Gen  1: 2  ae            av            at            ah            as          \r\n"
      "           al          \r\n"
      "Ps 119:176  ak          \r\n"
      "Ps 150: 1  abwzidevths   an          \r\n";
};

TEST_F(FirstOccurrencesTest, LayoutWrapsAtFiveWordsAndKeepsItsWidths) {
  MakeSmall();
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, Path()), ReportOutcome::kWritten);
  EXPECT_EQ(Bytes(Path()), kReport);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(FirstOccurrencesTest, EveryViewReportsTheWholeText) {
  MakeSmall();
  // No view: FOCC is opened for the report and closed again.
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, Path()), ReportOutcome::kWritten);
  EXPECT_EQ(set_.FOccDS.OpenCount(), 0);
  // The page's book view: the report is still that of the whole text.
  set_.SetFOccView(FOccView::kNone, FOccView::kBook, 19);
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, Path()), ReportOutcome::kWritten);
  EXPECT_EQ(Bytes(Path()), kReport);
  EXPECT_EQ(set_.FOccDS.OpenCount(), 0);
  // The whole-text view: its open handle is read and stays open.
  set_.SetFOccView(FOccView::kBook, FOccView::kText, 19);
  TDSControl* h = set_.ActiveFOcc();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, Path()), ReportOutcome::kWritten);
  EXPECT_EQ(Bytes(Path()), kReport);
  EXPECT_EQ(set_.ActiveFOcc(), h);
  EXPECT_EQ(set_.FOccDS.OpenCount(), 1);
  set_.SetFOccView(FOccView::kText, FOccView::kNone, 19);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(FirstOccurrencesTest, StoreFailingHalfWayKeepsThePartialReport) {
  Make(test::ManyWords(900));
  ASSERT_EQ(WriteFirstOccurrences(set_, ui_, Path()), ReportOutcome::kWritten);
  const std::string full = Bytes(Path());
  const std::vector<std::string> before = StoreFiles();

  test::FaultFS fault;
  set_.FOccDS.SetFileSystem(&fault);
  set_.SetFOccView(FOccView::kNone, FOccView::kText, 1);
  fault.FailAt(2);
  const std::string partPath = dir_.File("part.txt");
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, partPath), ReportOutcome::kPartial);
  EXPECT_THAT(ui_.messages, ElementsAre(kErrorAccessingDatastore));
  // What was read, then the final line end.
  const std::string part = Bytes(partPath);
  ASSERT_GT(part.size(), 100u);
  EXPECT_LT(part.size(), full.size());
  EXPECT_EQ(full.compare(0, part.size() - 2, part, 0, part.size() - 2), 0);
  EXPECT_EQ(part.substr(part.size() - 2), "\r\n");
  set_.SetFOccView(FOccView::kText, FOccView::kNone, 1);
  EXPECT_EQ(StoreFiles(), before);
}

TEST(FirstOccurrencesNoStore, MissingFoccWritesNothingAndCreatesNoStore) {
  test::TempDir dir;
  test::ScriptedUI ui;
  DatastoreSet set(dir.path() + "/heb/", dir.path() + "/xlat/");
  EXPECT_EQ(WriteFirstOccurrences(set, ui, dir.File("f.txt")), ReportOutcome::kUnreadable);
  EXPECT_THAT(ui.messages, ElementsAre(kErrorAccessingDatastore));
  EXPECT_FALSE(std::filesystem::exists(dir.File("f.txt")));
  EXPECT_FALSE(std::filesystem::exists(NativePath(set.FOccDS.Path())));
}

}  // namespace
}  // namespace orv
