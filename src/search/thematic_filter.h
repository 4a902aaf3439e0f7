// The thematic-value search's filter: finds runs of consecutive words whose
// thematic values add up to the target, give or take the window.
#pragma once

#include <cstdint>

#include "search/run_scan.h"
#include "search/search_state.h"

namespace orv {

// The numbering (kOriginalValue or kTraditionalValue) that the settings'
// thematic value stands for: its absolute value when that is 1 or 2, else
// the Traditional numbering (the settings' default), so that a damaged
// setting never makes every word worth 0.
int32_t SettingsNumbering(int32_t settingsThematic);

// ThematicFilter: one run at a time, from the word where the run sum was 0:
//  - a record without a word (no FOC2 record, or one that cannot be read)
//    is passed over;
//  - otherwise the word counts one and its value (in `numbering`) joins
//    the run sum;
//  - below target - window: go on;
//  - more words than a maximum above 0, or above target + window: restart;
//  - fewer words than a minimum above 0: restart;
//  - else a match: the run from RunStart over RunWords words.
// A window of 0 asks for the exact target. The bounds and the sum are kept
// in 64 bits, so no window or target of the 32-bit range wraps around.
class ThematicFilter final : public RunFilter {
 public:
  // `numbering`: kOriginalValue or kTraditionalValue (SettingsNumbering for
  // the settings' own); any other value makes every word worth 0.
  ThematicFilter(const ThematicParams& params, int32_t numbering);

  void Reset() override;
  int Step(const CiteRec& record, const Foc2Rec* word) override;
  Citation RunStart() const override { return start_; }
  int RunWords() const override { return words_; }

 private:
  int64_t low_;
  int64_t high_;
  int32_t minWords_;
  int32_t maxWords_;
  int32_t numbering_;
  int64_t sum_ = 0;
  int words_ = 0;
  Citation start_;
};

}  // namespace orv
