// Progress and Cancel of the whole import: what the progress reporter is
// told, and that a stop at any step leaves the program folder as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "import/import_driver.h"
#include "support/real_hebrew.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// Every entry below `dir` (the temporary folder included) with its size.
std::map<std::string, uintmax_t> Listing(const std::string& dir) {
  std::map<std::string, uintmax_t> out;
  for (auto& e : fs::recursive_directory_iterator(dir)) {
    const std::string name = fs::relative(e.path(), dir).string();
    out[name] = e.is_regular_file() ? e.file_size() : 0;
  }
  return out;
}

// A program folder holding files of an earlier import.
void FillProgramFolder(const test::TempDir& dir) {
  fs::create_directories(dir.File("Source"));
  std::ofstream(dir.File("Source/GEN.OLF")) << "an earlier Genesis";
  std::ofstream(dir.File("README.RTF")) << "an earlier readme";
}

struct Call {
  std::string part;
  int done;
  int total;
};

// Runs the import, stopping at the progress call numbered `stopAt` (-1:
// never); returns the calls heard.
std::vector<Call> RunStoppingAt(const ImportOptions& options, int stopAt, ImportResult& result) {
  std::vector<Call> calls;
  result = RunImport(options, nullptr, [&](const std::string& part, int done, int total) {
    calls.push_back({part, done, total});
    return static_cast<int>(calls.size()) - 1 != stopAt;
  });
  return calls;
}

TEST(ImportCancel, StopAtAnyStepOfTheDocumentsLeavesTheFolderAsItWas) {
  ImportOptions options;
  std::string bad;
  ASSERT_TRUE(ParseImportParts("docs", options, bad));
  // One step: the part's start, its end, the move into place.
  const std::vector<std::string> labels = {"Documents", "Documents", kMovingIntoPlace};
  for (int stopAt = -1; stopAt < static_cast<int>(labels.size()); ++stopAt) {
    SCOPED_TRACE(stopAt);
    test::TempDir dir;
    FillProgramFolder(dir);
    options.programDir = dir.path();
    const auto before = Listing(dir.path());
    ImportResult r;
    const std::vector<Call> calls = RunStoppingAt(options, stopAt, r);
    ASSERT_EQ(calls.size(), stopAt < 0 ? labels.size() : static_cast<size_t>(stopAt) + 1);
    for (size_t i = 0; i < calls.size(); ++i) {
      EXPECT_EQ(calls[i].part, labels[i]);
      EXPECT_EQ(calls[i].total, 1);
      EXPECT_EQ(calls[i].done, i == 0 ? 0 : 1);
    }
    if (stopAt < 0) {
      EXPECT_TRUE(r.ok) << r.message;
      EXPECT_TRUE(fs::exists(dir.File("HELP.RTF")));
      continue;
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kImportStopped);
    EXPECT_EQ(Listing(dir.path()), before);
  }
}

// The real text: the steps are counted by book (39 a part), and a stop in
// the middle of a part or between two parts changes nothing in the folder.
TEST(ImportCancel, RealImportStoppedByBookLeavesTheFolderByteForByte) {
  const std::string oshb = test::RealHebrew::OshbDir();
  if (!fs::exists(oshb + "/Gen.xml")) GTEST_SKIP() << "No Hebrew text at " << oshb;
  constexpr int kBooks = 39;  // Genesis .. Malachi
  struct Case {
    const char* parts;
    int stopAt;             // progress call that answers stop
    const char* stoppedIn;  // the part it names
    int done;               // steps done when it is asked
    int total;
  };
  // Each part is asked once as it starts, then after each step.
  const Case cases[] = {
      {"hebrew,docs", 20, "Hebrew text and Strong's numbers", 20, kBooks + 1},
      {"hebrew,docs", kBooks + 1, "Documents", kBooks, kBooks + 1},
      {"hebrew,interlinear", 0, "Hebrew text and Strong's numbers", 0, 2 * kBooks},
      {"hebrew,kjv,interlinear", 2 * kBooks + 7, "Interlinear lines", 2 * kBooks + 5, 3 * kBooks},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.parts) + " " + std::to_string(c.stopAt));
    test::TempDir dir;
    FillProgramFolder(dir);
    ImportOptions options;
    std::string bad;
    ASSERT_TRUE(ParseImportParts(c.parts, options, bad));
    options.programDir = dir.path();
    options.hebrewDir = oshb;
    const auto before = Listing(dir.path());
    ImportResult r;
    const std::vector<Call> calls = RunStoppingAt(options, c.stopAt, r);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kImportStopped);
    ASSERT_EQ(calls.size(), static_cast<size_t>(c.stopAt) + 1);
    EXPECT_EQ(calls.back().part, c.stoppedIn);
    EXPECT_EQ(calls.back().done, c.done);
    EXPECT_EQ(calls.back().total, c.total);
    EXPECT_EQ(Listing(dir.path()), before);
  }
}

}  // namespace
}  // namespace orv
