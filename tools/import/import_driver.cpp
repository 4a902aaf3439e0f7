#include "import/import_driver.h"

#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "import/import_dictionary.h"
#include "import/import_docs.h"
#include "import/import_hebrew.h"
#include "import/import_interlinear.h"
#include "import/import_kjv.h"
#include "import/move_into_place.h"
#include "model/books.h"

namespace orv {
namespace fs = std::filesystem;

namespace {

// A folder inside the program folder, so the final moves are renames within
// one file system; removed with whatever it still holds.
class StagingDir {
 public:
  explicit StagingDir(const fs::path& parent) {
    std::string tmpl = (parent / ".import-XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data())) path_ = buf.data();
  }
  ~StagingDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  StagingDir(const StagingDir&) = delete;
  StagingDir& operator=(const StagingDir&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string Seconds(double seconds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f s", seconds);
  return buf;
}

std::string Seconds(std::chrono::steady_clock::duration d) {
  return Seconds(std::chrono::duration<double>(d).count());
}

}  // namespace

bool ParseImportParts(const std::string& list, ImportOptions& options, std::string& bad) {
  options.hebrew = options.kjv = options.dictionary = options.docs = options.interlinear = false;
  std::stringstream in(list);
  std::string part;
  while (std::getline(in, part, ',')) {
    if (part == "hebrew") {
      options.hebrew = true;
    } else if (part == "kjv") {
      options.kjv = true;
    } else if (part == "dictionary") {
      options.dictionary = true;
    } else if (part == "docs") {
      options.docs = true;
    } else if (part == "interlinear") {
      options.interlinear = true;
    } else {
      bad = part;
      return false;
    }
  }
  return true;
}

ImportResult RunImport(const ImportOptions& options,
                       const std::function<void(const std::string&)>& log,
                       const ImportProgress& progress) {
  std::error_code ec;
  fs::path program(options.programDir);
  fs::create_directories(program, ec);
  if (ec) return ImportResult::Fail("Cannot create the program folder " + program.string());
  StagingDir staging(program);
  if (staging.path().empty()) {
    return ImportResult::Fail("Cannot create a temporary folder in " + program.string());
  }
  const std::string out = staging.path().string() + "/";
  const fs::path hebrewDir(options.hebrewDir);

  InterlinearTimes lineTimes;
  // Read once by the Hebrew part when the lines are made in the same run.
  std::vector<OshbBook> hebrewBooks;
  struct Part {
    bool wanted;
    const char* label;
    int steps;  // kBookCount for a part that reports each book, else 1
    std::function<ImportResult(const ImportBookDone&)> run;
    std::function<std::string()> detail = nullptr;  // a second report line, when any
  };
  const Part parts[] = {
      {options.hebrew, "Hebrew text and Strong's numbers", kBookCount,
       [&](const ImportBookDone& bookDone) {
         return ImportHebrew(options.hebrewDir, out, nullptr,
                             options.interlinear ? &hebrewBooks : nullptr, bookDone);
       }},
      {options.kjv, "King James text", kBookCount,
       [&](const ImportBookDone& bookDone) {
         return ImportKjv((hebrewDir / "VerseMap.xml").string(), out, "", bookDone);
       }},
      {options.dictionary, "Strong's dictionary", 1,
       [&](const ImportBookDone&) {
         ImportResult r = ImportDictionary(out);
         return r.ok ? WriteSupplement(out) : r;
       }},
      {options.docs, "Documents", 1, [&](const ImportBookDone&) { return WriteDocs(out); }},
      // The King James text of this run when it made one, else the one in place.
      {options.interlinear, "Interlinear lines", kBookCount,
       [&](const ImportBookDone& bookDone) {
         return ImportInterlinear(options.hebrewDir,
                                  (options.kjv ? out : program.string() + "/") + "KJV/", out,
                                  &lineTimes, &hebrewBooks, bookDone);
       },
       [&] {
         return std::string("  reading ")
             .append(Seconds(lineTimes.reading))
             .append(", KJV gloss ")
             .append(Seconds(lineTimes.kjvGloss))
             .append(", Morphology ")
             .append(Seconds(lineTimes.morphology))
             .append(", Transliteration ")
             .append(Seconds(lineTimes.transliteration));
       }},
  };
  int total = 0;
  for (const Part& p : parts) total += p.wanted ? p.steps : 0;
  int done = 0;
  bool stopped = false;
  // Once asked to stop, every later question gets the same answer, so a
  // part that ignores one answer still stops at its next step.
  auto goOn = [&](const std::string& label) {
    if (!stopped && progress && !progress(label, done, total)) stopped = true;
    return !stopped;
  };
  auto start = std::chrono::steady_clock::now();
  for (const Part& p : parts) {
    if (!p.wanted) continue;
    if (!goOn(p.label)) return ImportResult::Fail(kImportStopped);
    auto t0 = std::chrono::steady_clock::now();
    const int partStart = done;
    ImportResult r = p.run([&](int) {
      ++done;
      return goOn(p.label);
    });
    if (stopped) return ImportResult::Fail(kImportStopped);
    if (!r.ok) return r;
    done = partStart + p.steps;
    if (p.steps == 1 && !goOn(p.label)) return ImportResult::Fail(kImportStopped);
    if (log) log(std::string(p.label) + ": " + Seconds(std::chrono::steady_clock::now() - t0));
    if (log && p.detail) log(p.detail());
  }
  if (!goOn(kMovingIntoPlace)) return ImportResult::Fail(kImportStopped);
  // From here on nothing asks to stop: the moves are renames within one
  // folder and are not left half done by a cancel.
  ImportResult moved = MoveIntoPlace(staging.path(), program);
  if (!moved.ok) return moved;
  if (log) log("Import finished: " + Seconds(std::chrono::steady_clock::now() - start));
  return {};
}

}  // namespace orv
