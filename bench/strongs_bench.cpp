// Times the Strong's definitions viewer on the real dictionary: the first
// lookup (which builds the index "Hebrew.XRD"), then lookups of every number
// 1..8674 in random order with the index in place, and prints
//   strongs index build: X ms; lookup: Y us (N lookups, target under 1000 us)
// The dictionary is $ORV_PROGRAM_DIR/Hebrew.def when there is one; otherwise
// the `orv` beside this program imports it into a temporary folder (it needs
// the SWORD module of Strong's Hebrew dictionary). Without either it prints
// why it skipped and exits 0. A wrong lookup exits 1.
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "platform/path_map.h"
#include "reference/strongs_lookup.h"
#include "reference/supplement_list.h"

namespace {

constexpr int kEntries = 8674;
constexpr int kRounds = 5;

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("orvbench");
  std::string why;
  const std::string prog = scratch.ProgramDirWith(orv::kDictionaryFile, "dictionary", why);
  if (prog.empty()) return orv::bench::Skip("strongs", why);
  orv::SupplementList supplements;
  supplements.Load(orv::JoinPath(prog, orv::kSupplementFile));
  orv::StrongsLookup lookup(orv::JoinPath(prog, orv::kDictionaryFile),
                            scratch.Path() + "/Hebrew.XRD", supplements);

  auto start = orv::bench::Clock::now();
  orv::StrongsDefinition first = lookup.Show("1");
  const double buildMs = orv::bench::MsSince(start);
  if (!first.shown || !lookup.IndexValid()) {
    return orv::bench::Failed("strongs", "first lookup (" + first.message + ")");
  }

  std::vector<int> numbers(kEntries);
  std::iota(numbers.begin(), numbers.end(), 1);
  std::mt19937 rng(1);
  int wrong = 0;
  size_t lines = 0;
  start = orv::bench::Clock::now();
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
  const double perLookup = orv::bench::MsSince(start) * 1000.0 / (kRounds * kEntries);

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
