// The real data for benchmarks: imported and built with the `orv` program
// beside the bench, into a temporary folder, from the Hebrew XML in
// $ORV_OSHB_DIR (default ../shared/data/oshb).
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/program_dir.h"

namespace orv::bench {

// A fresh folder under the system temp folder; "" when none can be made.
inline std::string TempFolder(const std::string& tag) {
  std::string tmpl = (std::filesystem::temp_directory_path() / (tag + "-XXXXXX")).string();
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  const char* made = mkdtemp(buf.data());
  return made ? made : "";
}

// Runs `orv import --only PARTS` with scratch/prog as the program folder and
// scratch/root as the data root, then `orv build --strongs` when `build`.
// False with the reason in `why` when the program or the XML is missing or
// a step fails.
inline bool ImportWithOrv(const std::string& scratch, const std::string& parts, bool build,
                          std::string& why) {
  namespace fs = std::filesystem;
  const fs::path orv = fs::path(ExecutablePath()).parent_path() / "orv";
  const char* oshbEnv = std::getenv("ORV_OSHB_DIR");
  const std::string oshb = oshbEnv ? oshbEnv : "../shared/data/oshb";
  if (!fs::exists(orv) || !fs::exists(fs::path(oshb) / "VerseMap.xml")) {
    why =
        "no `orv` program beside the bench, or no VerseMap.xml in " + oshb + " (set ORV_OSHB_DIR)";
    return false;
  }
  const std::string env = "ORV_PROGRAM_DIR='" + scratch + "/prog' ORV_ROOT='" + scratch +
                          "/root' '" + orv.string() + "'";
  std::string command = env + " import --only " + parts + " --hebrew '" + oshb + "' >/dev/null";
  if (std::system(command.c_str()) != 0) {
    why = "`orv import --only " + parts + "` failed";
    return false;
  }
  command = env + " build --strongs >/dev/null";
  if (build && std::system(command.c_str()) != 0) {
    why = "`orv build --strongs` failed";
    return false;
  }
  return true;
}

}  // namespace orv::bench
