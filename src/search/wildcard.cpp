#include "search/wildcard.h"

#include "model/letters.h"
#include "model/records.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

int RankOf(char c) { return LetterRank(static_cast<uint8_t>(c)); }

bool LeadsWithLetter(const WildPattern& p) {
  return !p.text.empty() && p.text[0] != kAnyLetter && p.text[0] != kAnyRun;
}

// Whether `word` fits the pattern, letters compared as bytes. For a star
// pattern the letters before and after the "*" must not overlap in the
// word, hence the least length of n - 1.
bool Fits(const WildPattern& p, std::string_view word) {
  const std::string_view text = p.text;
  if (p.kind == PatternKind::kPercent) {
    if (word.size() != text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != kAnyLetter && text[i] != word[i]) return false;
    }
    return true;
  }
  const size_t star = static_cast<size_t>(p.starPos - 1);
  return word.size() + 1 >= text.size() && word.starts_with(text.substr(0, star)) &&
         word.ends_with(text.substr(star + 1));
}

}  // namespace

std::string ValidatePattern(std::string_view typed, WildPattern& pattern) {
  pattern = WildPattern{};
  if (typed.size() > static_cast<size_t>(kWordCap)) return kWordTooLong;
  const size_t star = typed.find(kAnyRun);
  const bool percent = typed.find(kAnyLetter) != std::string_view::npos;
  pattern.text.assign(typed);
  if (star == std::string_view::npos && !percent) return "";
  if (star != std::string_view::npos && percent) return kInvalidWildcards;
  if (star == std::string_view::npos) {
    pattern.kind = PatternKind::kPercent;
    return "";
  }
  // Two stars are refused before the length is judged: "**" needs no more
  // letters, it cannot be searched at all.
  if (typed.find(kAnyRun, star + 1) != std::string_view::npos) return kInvalidWildcards;
  if (typed.size() <= 2) return kTooGeneral;
  pattern.kind = PatternKind::kStar;
  pattern.starPos = static_cast<int>(star) + 1;
  return "";
}

DSFilter WildcardFilter(const WildPattern& pattern, std::string& lastListed) {
  const bool ranked = LeadsWithLetter(pattern);
  const int first = ranked ? RankOf(pattern.text[0]) : 0;
  return [pattern, ranked, first, &lastListed](const void* rec) {
    const std::string_view word = static_cast<const WordRec*>(rec)->word.View();
    if (ranked) {
      // WORD is in word order: once the first letter ranks after the
      // pattern's, no later word can fit.
      const int rank = word.empty() ? 0 : RankOf(word[0]);
      if (rank > first) return kWildStop;
      if (rank < first) return kWildSkip;
    }
    if (!Fits(pattern, word) || word == lastListed) return kWildSkip;
    lastListed.assign(word);
    return kWildAccept;
  };
}

std::vector<std::string> WildcardMatches(TDSControl* word, const WildPattern& pattern) {
  std::vector<std::string> matches;
  if (LeadsWithLetter(pattern)) {
    WordRec key{};
    key.word.Set(pattern.text.substr(0, 1));
    int32_t recNo = 0;
    const int32_t rc = DSFindPos(word, &key, recNo);
    if (rc != kDSOk && rc != kDSFound) return matches;
    // The walk steps to the next record before the filter sees it.
    DSSetPos(word, recNo - 1);
  } else {
    DSSetPos(word, 0);
  }
  std::string lastListed;
  const DSFilter filter = WildcardFilter(pattern, lastListed);
  WordRec rec;
  while (DSNextMatch(word, filter, &rec) == kWildAccept) matches.push_back(rec.word.Str());
  return matches;
}

bool ChooseWildcardMatch(UserInterface& ui, TDSControl* word, const WildPattern& pattern,
                         std::string& chosen, bool& listed) {
  ListRequest request;
  {
    WaitCursor wait(ui);
    request.lines = WildcardMatches(word, pattern);
  }
  listed = !request.lines.empty();
  if (!listed) {
    ui.Message(kNoWildcardMatches);
    return false;
  }
  request.caption = kWildcardCaption;
  request.selected = 0;
  request.pick = true;
  const int picked = ui.ShowList(request);
  if (picked < 0 || static_cast<size_t>(picked) >= request.lines.size()) return false;
  chosen = request.lines[static_cast<size_t>(picked)];
  return true;
}

}  // namespace orv
