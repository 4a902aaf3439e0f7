// Times the Strong's definitions viewer on the real dictionary: the first
// lookup (which builds the index "Hebrew.XRD"), then lookups of every number
// 1..8674 in random order with the index in place, and prints
//   strongs index build: X ms; lookup: Y us (N lookups, target under 1000 us)
// The dictionary is $ORV_PROGRAM_DIR/Hebrew.def when there is one; otherwise
// the `orv` beside this program imports it into a temporary folder (it needs
// the SWORD module of Strong's Hebrew dictionary). Without either it prints
// why it skipped and exits 0. A wrong lookup exits 1.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/path_map.h"
#include "platform/program_dir.h"
#include "reference/strongs_lookup.h"
#include "reference/supplement_list.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = 8674;
constexpr int kRounds = 5;

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// A program folder holding Hebrew.def, or "" with the reason in `why`.
std::string FindDictionary(const std::string& scratch, std::string& why) {
  if (const char* env = std::getenv("ORV_PROGRAM_DIR"); env && *env) {
    if (fs::exists(std::string(env) + "/Hebrew.def")) return env;
  }
  std::string orv = fs::path(orv::ExecutablePath()).parent_path() / "orv";
  if (!fs::exists(orv)) {
    why = "no Hebrew.def in $ORV_PROGRAM_DIR and no orv beside this program to import it";
    return "";
  }
  setenv("ORV_PROGRAM_DIR", scratch.c_str(), 1);
  std::string command = "'" + orv + "' import --only dictionary >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !fs::exists(scratch + "/Hebrew.def")) {
    why = "orv import --only dictionary failed (is sword-dict-strongs-hebrew installed?)";
    return "";
  }
  return scratch;
}

}  // namespace

int main() {
  std::string tmpl = (fs::temp_directory_path() / "orvbench-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) {
    std::printf("strongs bench: cannot make a temporary folder\n");
    return 1;
  }
  const std::string scratch = tmpl;
  std::string why;
  const std::string prog = FindDictionary(scratch, why);
  if (prog.empty()) {
    std::printf("strongs lookup: skipped (%s)\n", why.c_str());
    fs::remove_all(scratch);
    return 0;
  }
  orv::SupplementList supplements;
  supplements.Load(orv::JoinPath(prog, orv::kSupplementFile));
  orv::StrongsLookup lookup(orv::JoinPath(prog, orv::kDictionaryFile), scratch + "/Hebrew.XRD",
                            supplements);

  auto start = Clock::now();
  orv::StrongsDefinition first = lookup.Show("1");
  double buildMs = Micros(Clock::now() - start) / 1000.0;
  if (!first.shown || !lookup.IndexValid()) {
    std::printf("strongs bench: first lookup failed (%s)\n", first.message.c_str());
    fs::remove_all(scratch);
    return 1;
  }

  std::vector<int> numbers(kEntries);
  std::iota(numbers.begin(), numbers.end(), 1);
  std::mt19937 rng(1);
  int wrong = 0;
  size_t lines = 0;
  start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    std::shuffle(numbers.begin(), numbers.end(), rng);
    for (int n : numbers) {
      std::string text = std::to_string(n);
      if (round % 2) text += "-2";  // half the rounds with a supplement line
      orv::StrongsDefinition d = lookup.Show(text);
      if (!d.shown ||
          d.lines.front().compare(0, std::to_string(n).size() + 1, std::to_string(n) + " ") != 0) {
        ++wrong;
      }
      lines += d.lines.size();
    }
  }
  double perLookup = Micros(Clock::now() - start) / (kRounds * kEntries);
  fs::remove_all(scratch);

  std::printf(
      "strongs index build: %.1f ms; lookup: %.1f us (%d lookups, %zu lines, "
      "target under 1000 us%s)\n",
      buildMs, perLookup, kRounds * kEntries, lines, perLookup < 1000.0 ? "" : ": MISSED");
  if (wrong) {
    std::printf("strongs bench: %d lookups showed the wrong entry\n", wrong);
    return 1;
  }
  return 0;
}
