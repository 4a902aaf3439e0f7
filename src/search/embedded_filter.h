// The embedded word search's filter: finds a term spelled by letters at a
// fixed distance (the skip factor) in the running text.
//
// The rule. The letter stream is the text's words in citation order, each
// word's letters turned into storage letters (final forms count as their
// ordinary letters); anything that is not one of the 22 letters is not part
// of the stream. With skip s >= 1 a term of L letters matches at stream
// position p when the letters at p, p+s, ..., p+(L-1)s spell it, forwards:
// s = 1 finds the term as consecutive letters, across word boundaries.
// With s = 0 the term must stand as consecutive letters inside one word. A
// match is reported as the word holding p and the number of words from
// that word to the word holding the last chosen letter (both counted).
// Matches come in order of p; an empty term finds nothing.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "search/run_scan.h"

namespace orv {

// EmbeddedFilter: the run starts at the first word in which a match can
// still begin. Once no match can begin in that word the run moves on one
// word; the filter keeps the letters it has already read, so it does this
// itself instead of answering kRunRestart and having the scan read those
// words again. Each letter is read once and tried as a start once, so a
// scan costs time in proportion to the text, whatever the skip factor; it
// holds at most the letters between a candidate start and its last letter.
// It answers kRunMatch at the word holding the last chosen letter (so the
// scan's `last` is the run's last word), else kRunGoOn.
class EmbeddedFilter final : public RunFilter {
 public:
  // `term`: storage letters (see ReadSearchTerm); `skip` 0 or more.
  EmbeddedFilter(std::string term, int32_t skip);

  void Reset() override;
  int Step(const CiteRec& record, const Foc2Rec* word) override;
  Citation RunStart() const override { return start_; }
  int RunWords() const override { return words_; }

  // The word's letters in the stream: storage letters of the 22, in order.
  static std::string StreamLetters(const Foc2Rec* word);

 private:
  struct WordSpan {
    Citation cite;
    int64_t ordinal;  // words read before it since Reset
    int64_t end;      // stream position after its last letter
  };

  int StepInsideWord(const CiteRec& record, const std::string& letters);
  bool MatchesAt(int64_t p) const;
  void Forget();

  std::string term_;
  int64_t skip_;
  int64_t span_;  // from a start to its last chosen letter: (L - 1) * skip

  std::string letters_;  // the stream from position base_ on
  int64_t base_ = 0;
  int64_t next_ = 0;  // stream position of the next letter read
  int64_t candidate_ = 0;
  std::deque<WordSpan> spans_;  // the words from the candidate's on
  int64_t ordinal_ = 0;
  Citation start_;
  int words_ = 0;
};

}  // namespace orv
