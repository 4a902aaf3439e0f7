// Report files: the save dialog each report asks with, a folder that
// cannot be written, and replacing an older report only when complete.
#include "search/report_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/path_map.h"
#include "search/concordance.h"
#include "search/first_occurrences.h"
#include "search/word_stores_fixture.h"
#include "support/scoped_env.h"

namespace orv {
namespace {

using test::At;
using ::testing::ElementsAre;

class ReportFileTest : public test::WordStoresFixture {
 protected:
  ReportFileTest() { Make({{"aleim", At(1, 1, 1, 3)}, {"bra", At(1, 1, 1, 2)}}); }
  // The names in `dir` other than `keep`: no temporary file may be left.
  static std::vector<std::string> Others(const std::string& dir, const std::string& keep) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
      if (e.path().filename() != keep) out.push_back(e.path().filename().string());
    }
    return out;
  }
  test::ScopedEnv root_{"ORV_ROOT", dir_.File("root").c_str()};
};

TEST_F(ReportFileTest, SaveDialogOffersTheReportInTheDataRoot) {
  struct Row {
    ReportOutcome (*run)(DatastoreSet&, UserInterface&);
    const char* name;
  } rows[] = {{RunConcordance, "CONCORD"}, {RunFirstOccurrences, "FIRST"}};
  for (const Row& r : rows) {
    ui_.saveFile.push_back(std::nullopt);
    EXPECT_EQ(r.run(set_, ui_), ReportOutcome::kCancelled);
    const FileDialogRequest& q = ui_.lastFileRequest;
    EXPECT_EQ(q.defaultName, r.name);
    EXPECT_EQ(q.extension, "TXT");
    ASSERT_EQ(q.filters.size(), 1u);
    EXPECT_EQ(q.filters[0].description, "Text format");
    EXPECT_EQ(q.filters[0].patterns, "*.txt");
    EXPECT_EQ(q.folder, DataRoot());
    const std::string path = dir_.File(std::string(r.name) + ".TXT");
    ui_.saveFile.push_back(path);
    EXPECT_EQ(r.run(set_, ui_), ReportOutcome::kWritten);
    EXPECT_TRUE(std::filesystem::exists(path));
  }
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ReportFileTest, FolderThatCannotBeWrittenGetsNothing) {
  // A plain file where the folder should be: no one can write there.
  std::ofstream(dir_.File("plain")) << "x";
  const std::string inside = dir_.File("plain/CONCORD.TXT");
  EXPECT_EQ(WriteConcordance(set_, ui_, inside), ReportOutcome::kCannotCreate);
  EXPECT_EQ(WriteFirstOccurrences(set_, ui_, dir_.File("none/FIRST.TXT")),
            ReportOutcome::kCannotCreate);
  EXPECT_EQ(WriteConcordance(set_, ui_, dir_.path() + "/"), ReportOutcome::kCannotCreate);
  EXPECT_THAT(ui_.messages, ElementsAre(kCannotCreateConcordance, kCannotCreateFirstOccurrences,
                                        kCannotCreateConcordance));
  EXPECT_EQ(ui_.maxWaitDepth, 0);  // nothing was read
  EXPECT_EQ(Bytes(dir_.File("plain")), "x");
}

TEST_F(ReportFileTest, OlderReportIsReplacedOnlyWhenTheNewOneIsComplete) {
  const std::string folder = dir_.File("out");
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/CONCORD.TXT";
  std::ofstream(path) << "old report";
  {
    ReportFile file;
    ASSERT_TRUE(file.Create(path));
    file.Put("half");
    EXPECT_EQ(Bytes(path), "old report");
  }  // dropped without Commit: the old report stays
  EXPECT_EQ(Bytes(path), "old report");
  EXPECT_TRUE(Others(folder, "CONCORD.TXT").empty());
  ReportFile file;
  ASSERT_TRUE(file.Create(path));
  file.Padded("ab", 4);
  file.Padded("abcd", 4);
  file.Number(7, 3);
  file.Number(1234, 3);
  file.Verse(At(19, 119, 176, 1));
  file.EndLine();
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(Bytes(path), "ab  abcd   71234Ps 119:176\r\n");
  EXPECT_TRUE(Others(folder, "CONCORD.TXT").empty());
}

}  // namespace
}  // namespace orv
