// The real King James text for integration tests: imported once per test
// program from the installed SWORD module (the Debian package
// sword-text-kjv), numbered as the Hebrew text by the Open Scriptures verse
// map, into a temporary program folder.
//
//   const RealKjv& kjv = RealKjv::Get();
//   if (!kjv.ok) GTEST_SKIP() << kjv.why;
#pragma once

#include <filesystem>
#include <string>

#include "import/import_kjv.h"
#include "support/real_hebrew.h"
#include "support/temp_dir.h"

namespace orv::test {

struct RealKjv {
  bool ok = false;
  std::string why;         // why not, when !ok
  std::string programDir;  // native: KJV/*.str
  std::string indexFile;   // native, in a folder of its own

  static const RealKjv& Get() {
    static const RealKjv data = [] {
      static TempDir dir;  // lives until the program ends
      RealKjv r;
      r.programDir = dir.File("prog");
      r.indexFile = dir.File("root/KJV/KJV.XRD");
      r.why = Import(r.programDir);
      r.ok = r.why.empty();
      return r;
    }();
    return data;
  }

 private:
  // Imports the module into `programDir`: "" when done, else why not.
  static std::string Import(const std::string& programDir) {
    const std::string map = RealHebrew::OshbDir() + "/VerseMap.xml";
    if (!std::filesystem::exists(map)) return "No VerseMap.xml at " + map + " (set ORV_OSHB_DIR)";
    if (FindKjvModule().empty()) {
      return "No King James SWORD module: install the Debian package sword-text-kjv";
    }
    const ImportResult imported = ImportKjv(map, programDir);
    return imported.ok ? "" : "King James import failed: " + imported.message;
  }
};

}  // namespace orv::test
