// The real Hebrew text for integration tests: imported once per test
// program from the Open Scriptures Hebrew Bible ($ORV_OSHB_DIR, else
// ../shared/data/oshb beside the repository) into a temporary program
// folder, with the datastores built in a temporary data folder and the
// supplied Strong's numbers read into CITE.
//
//   const RealHebrew& data = RealHebrew::Get();
//   if (!data.ok) GTEST_SKIP() << data.why;
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "archive/archive_reader.h"
#include "build/build_context.h"
#include "build/db_build.h"
#include "import/import_hebrew.h"
#include "model/datastore_set.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv::test {

struct RealHebrew {
  bool ok = false;
  std::string why;         // why not, when !ok
  std::string programDir;  // native, ends in "/": Source/*.OLF, Strongs.dat
  std::string hebrewDir;   // native, ends in "/": WORD, FOCC, FOC2, BOOK
  std::string xlatDir;     // native, ends in "/": CITE, XLAT

  static std::string OshbDir() {
    if (const char* env = std::getenv("ORV_OSHB_DIR")) return env;
    return (std::filesystem::path(ORV_TESTS_DIR) / "../../shared/data/oshb").string();
  }

  static const RealHebrew& Get() {
    static RealHebrew data = Make();
    return data;
  }

 private:
  static RealHebrew Make() {
    RealHebrew r;
    const std::string oshb = OshbDir();
    if (!std::filesystem::exists(oshb + "/Gen.xml")) {
      r.why = "No Hebrew text at " + oshb + " (set ORV_OSHB_DIR)";
      return r;
    }
    static TempDir dir;  // lives until the program ends
    r.programDir = dir.File("prog/");
    r.hebrewDir = dir.File("root/Source/");
    r.xlatDir = dir.File("root/Xlat/");
    std::filesystem::create_directories(r.hebrewDir);
    std::filesystem::create_directories(r.xlatDir);
    ImportResult imported = ImportHebrew(oshb, r.programDir);
    if (!imported.ok) {
      r.why = "Hebrew import failed: " + imported.message;
      return r;
    }
    ScriptedUI ui;
    ui.AllowUnusedAnswers();
    DatastoreSet set(r.hebrewDir, r.xlatDir);
    BuildContext ctx(set, r.programDir + "Source/", ui);
    RunBuild(ctx, BuildFlags{true, true, true}, [] { return true; });
    if (SetStrDef(set, r.programDir) != kArchiveOk) {
      r.why = "Strongs.dat could not be read";
      return r;
    }
    set.BookDS.ForceClose();
    r.ok = true;
    return r;
  }
};

}  // namespace orv::test
