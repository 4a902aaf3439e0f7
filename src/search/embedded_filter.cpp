#include "search/embedded_filter.h"

#include <utility>

#include "model/letter_values.h"
#include "model/letters.h"

namespace orv {
namespace {

// Letters already tried as starts are dropped from the front of the buffer
// once there are this many and they are at least half of it: the buffer
// stays about the size of one span, and each letter is moved a bounded
// number of times.
constexpr int64_t kCompactAt = 4096;

}  // namespace

EmbeddedFilter::EmbeddedFilter(std::string term, int32_t skip)
    : term_(std::move(term)),
      skip_(skip < 0 ? 0 : skip),
      span_(term_.empty() ? 0 : static_cast<int64_t>(term_.size() - 1) * skip_) {}

void EmbeddedFilter::Reset() {
  letters_.clear();
  base_ = next_ = candidate_ = 0;
  spans_.clear();
  ordinal_ = 0;
  words_ = 0;
}

std::string EmbeddedFilter::StreamLetters(const Foc2Rec* word) {
  std::string out;
  if (!word) return out;
  for (char c : word->source.View()) {
    // Only the source spelling's letters count: a byte such as 'c' maps to
    // itself, which would read as a storage letter it does not stand for.
    if (SourceLetterValue(static_cast<uint8_t>(c), kOriginalValue) == 0) continue;
    out += static_cast<char>(MapSourceLetter(static_cast<uint8_t>(c)));
  }
  return out;
}

int EmbeddedFilter::Step(const CiteRec& record, const Foc2Rec* word) {
  if (term_.empty()) return kRunGoOn;
  const std::string letters = StreamLetters(word);
  if (skip_ == 0) return StepInsideWord(record, letters);

  if (spans_.empty()) start_ = record.cite;
  letters_ += letters;
  next_ += static_cast<int64_t>(letters.size());
  spans_.push_back({record.cite, ordinal_++, next_});
  // Every start whose last chosen letter has now been read is decided, in
  // order of position; all of them end in this word.
  for (; candidate_ + span_ < next_; ++candidate_) {
    if (!MatchesAt(candidate_)) continue;
    while (spans_.front().end <= candidate_) spans_.pop_front();
    start_ = spans_.front().cite;
    words_ = static_cast<int>(spans_.back().ordinal - spans_.front().ordinal + 1);
    return kRunMatch;
  }
  Forget();
  return kRunGoOn;
}

int EmbeddedFilter::StepInsideWord(const CiteRec& record, const std::string& letters) {
  start_ = record.cite;
  if (letters.find(term_) == std::string::npos) return kRunGoOn;
  words_ = 1;
  return kRunMatch;
}

bool EmbeddedFilter::MatchesAt(int64_t p) const {
  for (size_t k = 0; k < term_.size(); ++k) {
    const int64_t at = p + static_cast<int64_t>(k) * skip_ - base_;
    if (letters_[static_cast<size_t>(at)] != term_[k]) return false;
  }
  return true;
}

// Drops the words and letters before the next start to try: the words no
// match can begin in any more, which moves the run on.
void EmbeddedFilter::Forget() {
  while (!spans_.empty() && spans_.front().end <= candidate_) spans_.pop_front();
  start_ = spans_.empty() ? start_ : spans_.front().cite;
  const int64_t done = candidate_ - base_;
  if (done >= kCompactAt && 2 * done >= static_cast<int64_t>(letters_.size())) {
    letters_.erase(0, static_cast<size_t>(done));
    base_ = candidate_;
  }
}

}  // namespace orv
