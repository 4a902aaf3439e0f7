// Times `orv occurrences 7225` as a whole process against the SWORD tool
// `diatheke` listing the verses of H7225 in the King James module (an
// attribute search for the lemma), side by side on the same machine, and
// prints
//   orv occurrences 7225: X ms; diatheke (MODULE, H7225): Y ms; Y/X = Z times (target at least 50)
// The data is imported and built into a temporary folder with the `orv`
// program beside this one. Without the data, without `diatheke` (Debian
// package diatheke) or without its King James module the bench says so and
// exits 0. Output that lists no verse exits 1.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_process.h"
#include "bench_support.h"
#include "platform/program_dir.h"

namespace {

constexpr int kOrvRuns = 30;
constexpr int kDiathekeRuns = 3;
constexpr double kTargetRatio = 50;

// The mean of `runs` runs; -1 when one failed.
double Mean(const std::vector<std::string>& argv, const std::string& out, int runs) {
  const orv::bench::ProcessTally t = orv::bench::RunProcesses(argv, out, runs);
  return t.ok ? t.wall.Mean() : -1;
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "";
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    if (access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  if (!OnPath("diatheke")) {
    return orv::bench::Skip("diatheke", "no diatheke on PATH (Debian package diatheke)");
  }
  const orv::bench::ScratchFolder scratch("orvdiathekebench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("diatheke", why);
  const std::string out = scratch.Path() + "/out.txt";
  // The Debian module is engKJV2006eb; other installations name it KJV.
  std::string module;
  for (const char* name : {"engKJV2006eb", "KJV"}) {
    if (orv::bench::RunProcess({"diatheke", "-b", name, "-k", "Gen 1:1"}, out).wallMs >= 0 &&
        orv::bench::FileText(out).find("beginning") != std::string::npos) {
      module = name;
      break;
    }
  }
  if (module.empty()) {
    return orv::bench::Skip("diatheke", "no King James module for diatheke (sword-text-kjv)");
  }
  const std::vector<std::string> sword = {
      "diatheke", "-b", module, "-s", "attribute", "-k", "Word//Lemma./H7225/"};
  const double swordMs = Mean(sword, out, kDiathekeRuns);
  if (swordMs < 0 || orv::bench::FileText(out).find("Genesis 1:1") == std::string::npos) {
    return orv::bench::Failed("diatheke", "diatheke listed no verse of H7225");
  }

  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  setenv("ORV_PROGRAM_DIR", scratch.Prog().c_str(), 1);
  const std::string orv = (fs::path(orv::ExecutablePath()).parent_path() / "orv").string();
  const double orvMs = Mean({orv, "occurrences", "7225"}, out, kOrvRuns);
  if (orvMs < 0 || orv::bench::FileText(out).find("Gen 1:1.1 ") == std::string::npos) {
    return orv::bench::Failed("diatheke", "orv occurrences 7225 listed nothing");
  }
  const double ratio = swordMs / orvMs;
  std::printf(
      "orv occurrences 7225: %.1f ms; diatheke (%s, H7225): %.1f ms; %.1f/%.1f = %.0f times "
      "(target at least %.0f%s)\n",
      orvMs, module.c_str(), swordMs, swordMs, orvMs, ratio, kTargetRatio,
      ratio >= kTargetRatio ? "" : ": MISSED");
  return 0;
}
