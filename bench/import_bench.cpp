// The whole `orv import` of the real data into a temporary program folder,
// as the `orv` program beside this one runs it: each part's time as the
// import reports it, then
//   interlinear lines: X.X s (target under 3 s)
// for the three supplied interlinear sources together ("KJV gloss",
// "Morphology", "Transliteration", with the Hebrew XML they read), and the
// whole import's time. The Hebrew XML comes from $ORV_OSHB_DIR (default
// ../shared/data/oshb). Without it, without `orv` or without the SWORD
// modules the bench says so and exits 0, as it does when missing the
// target; an import that fails exits 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_support.h"

using orv::bench::Clock;
using orv::bench::SecondsSince;

namespace {

constexpr double kInterlinearTarget = 3.0;  // seconds, for the three sources together
constexpr char kInterlinearLabel[] = "Interlinear lines: ";

// The seconds of a report line "LABEL: X.X s"; -1 when it is none.
double PartSeconds(const std::string& line, const std::string& label) {
  if (line.rfind(label, 0) != 0) return -1;
  return std::atof(line.c_str() + label.size());
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const orv::bench::ScratchFolder scratch("orvimportbench");
  if (!scratch.Made()) return orv::bench::Skip("import", "no temporary folder");
  const fs::path orv = fs::path(orv::ExecutablePath()).parent_path() / "orv";
  if (!fs::exists(orv)) return orv::bench::Skip("import", "no `orv` program beside the bench");
  const char* oshbEnv = std::getenv("ORV_OSHB_DIR");
  const std::string oshb = oshbEnv ? oshbEnv : "../shared/data/oshb";
  if (!fs::exists(fs::path(oshb) / "VerseMap.xml")) {
    return orv::bench::Skip("import", "no VerseMap.xml in " + oshb + " (set ORV_OSHB_DIR)");
  }
  const std::string command = "ORV_PROGRAM_DIR='" + scratch.Prog() + "' ORV_ROOT='" +
                              scratch.Root() + "' '" + orv.string() + "' import --hebrew '" + oshb +
                              "' 2>&1";
  const auto start = Clock::now();
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return orv::bench::Failed("import", "cannot run " + orv.string());
  std::string report, line;
  double interlinear = -1;
  char buf[512];
  while (std::fgets(buf, sizeof buf, pipe)) {
    line = buf;
    report += line;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    std::printf("  %s\n", line.c_str());
    if (double s = PartSeconds(line, kInterlinearLabel); s >= 0) interlinear = s;
  }
  const int rc = pclose(pipe);
  const double whole = SecondsSince(start);
  if (rc != 0) {
    const bool sword = report.find("sword-") != std::string::npos;
    if (sword) return orv::bench::Skip("import", "the SWORD modules are not installed");
    return orv::bench::Failed("import", "`orv import` failed");
  }
  if (interlinear < 0) return orv::bench::Failed("import", "no time reported for the lines");
  std::printf("interlinear lines: %.1f s (target under %.0f s)%s\n", interlinear,
              kInterlinearTarget, interlinear < kInterlinearTarget ? "" : "  MISSED");
  std::printf("whole import: %.1f s\n", whole);
  return 0;
}
