#include "search/thematic_filter.h"

#include "model/letter_values.h"

namespace orv {

int32_t SettingsNumbering(int32_t settingsThematic) {
  if (settingsThematic == kOriginalValue || settingsThematic == -kOriginalValue) {
    return kOriginalValue;
  }
  return kTraditionalValue;
}

ThematicFilter::ThematicFilter(const ThematicParams& params, int32_t numbering)
    : low_(int64_t{params.value} - params.window),
      high_(int64_t{params.value} + params.window),
      minWords_(params.minWords),
      maxWords_(params.maxWords),
      numbering_(numbering) {}

void ThematicFilter::Reset() {
  sum_ = 0;
  words_ = 0;
}

int ThematicFilter::Step(const CiteRec& record, const Foc2Rec* word) {
  if (sum_ == 0) {
    words_ = 0;
    start_ = record.cite;
  }
  if (!word) return kRunGoOn;
  ++words_;
  sum_ += WordThematicValue(word->source.View(), numbering_);
  if (sum_ < low_) return kRunGoOn;
  if ((maxWords_ > 0 && words_ > maxWords_) || sum_ > high_) {
    words_ = 0;
    return kRunRestart;
  }
  if (minWords_ > 0 && words_ < minWords_) {
    words_ = 0;
    return kRunRestart;
  }
  return kRunMatch;
}

}  // namespace orv
