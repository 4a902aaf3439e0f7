#include "import/kjv_gloss.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

namespace orv {
namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A chapter or verse number of 1..999; 0 when `s` is none.
int VerseNumber(std::string_view s) {
  if (s.empty() || s.size() > 3 || !AllDigits(s)) return 0;
  int n = 0;
  for (char c : s) n = n * 10 + (c - '0');
  return n;
}

// Whether a word as written ends a clause, so that the untagged words up to
// it go with the phrase before them.
bool ClosesClause(std::string_view word) {
  return !word.empty() && std::string_view(",;:.?!").find(word.back()) != std::string_view::npos;
}

// A word as shown: the punctuation around it and the square brackets the
// KJV file puts round a word ending in a digit are dropped.
std::string_view Bare(std::string_view word) {
  constexpr std::string_view kAround = ",.;:!?()[]\"'`";
  const size_t start = word.find_first_not_of(kAround);
  if (start == std::string_view::npos) return {};
  const size_t end = word.find_last_not_of(kAround);
  return word.substr(start, end - start + 1);
}

// Where the i-th of `count` items stands in its verse, from 0 to 1, so that
// places in the Hebrew and in the English can be compared.
double Place(size_t i, size_t count) {
  return (static_cast<double>(i) + 0.5) / static_cast<double>(count);
}

// For each element of `few`, the index of the element of `many` paired with
// it: pairs in order (no two pairings cross) with the smallest sum of
// distances. Requires few.size() <= many.size().
std::vector<size_t> PairInOrder(const std::vector<double>& many, const std::vector<double>& few) {
  const size_t n = many.size(), k = few.size();
  constexpr double kNone = std::numeric_limits<double>::infinity();
  // cost[i][j]: the best sum pairing the first j of `few` within the first i of `many`.
  std::vector<std::vector<double>> cost(n + 1, std::vector<double>(k + 1, kNone));
  for (size_t i = 0; i <= n; ++i) cost[i][0] = 0;
  auto paired = [&](size_t i, size_t j) {
    return cost[i - 1][j - 1] + std::fabs(many[i - 1] - few[j - 1]);
  };
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= std::min(i, k); ++j)
      cost[i][j] = std::min(cost[i - 1][j], paired(i, j));
  }
  std::vector<size_t> pair(k);
  for (size_t i = n, j = k; j > 0; --i) {
    if (i > j && cost[i - 1][j] <= paired(i, j)) continue;
    pair[j - 1] = i - 1;
    --j;
  }
  return pair;
}

}  // namespace

std::vector<KjvPhrase> KjvPhrases(std::string_view tokens) {
  std::vector<KjvPhrase> phrases;
  std::vector<std::string_view> pending;  // words since the last number, as written
  auto append = [&](std::string& text, size_t from, size_t to) {
    for (size_t k = from; k < to; ++k) {
      const std::string_view bare = Bare(pending[k]);
      if (bare.empty()) continue;
      if (!text.empty()) text += '-';
      text += bare;
    }
  };
  // Words up to the last one that closes a clause ("him;") end the phrase
  // before them; those after it lead into the next one ("In the").
  auto closeLast = [&](size_t end) {
    size_t cut = 0;
    for (size_t k = 0; k < end; ++k) {
      if (ClosesClause(pending[k])) cut = k + 1;
    }
    if (!phrases.empty()) append(phrases.back().text, 0, cut);
    return phrases.empty() ? 0 : cut;
  };
  size_t at = 0;
  while (at < tokens.size()) {
    const size_t start = tokens.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(tokens.find(' ', start), tokens.size());
    const std::string_view token = tokens.substr(start, end - start);
    at = end;
    if (!AllDigits(token)) {
      pending.push_back(token);
      continue;
    }
    // Strong's numbers end at 8674; a longer run of digits tags nothing.
    if (token.size() > 4) continue;
    const auto number = static_cast<uint16_t>(std::stoul(std::string(token)));
    if (!pending.empty() || phrases.empty()) {
      // The last word is the tagged one, whatever it ends with.
      const size_t cut = pending.empty() ? 0 : closeLast(pending.size() - 1);
      KjvPhrase phrase;
      append(phrase.text, cut, pending.size());
      phrases.push_back(std::move(phrase));
      pending.clear();
    }
    std::vector<uint16_t>& numbers = phrases.back().numbers;
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
      numbers.push_back(number);
  }
  closeLast(pending.size());
  return phrases;
}

std::vector<std::string> KjvGlosses(const std::vector<uint16_t>& hebrew,
                                    const std::vector<KjvPhrase>& phrases) {
  std::map<uint16_t, std::vector<size_t>> words, tagged;
  for (size_t i = 0; i < hebrew.size(); ++i) {
    if (hebrew[i] != 0) words[hebrew[i]].push_back(i);
  }
  for (size_t j = 0; j < phrases.size(); ++j) {
    for (uint16_t n : phrases[j].numbers) tagged[n].push_back(j);
  }
  // The phrases each word gets, in verse order.
  std::vector<std::vector<size_t>> given(hebrew.size());
  for (const auto& [number, at] : words) {
    auto found = tagged.find(number);
    if (found == tagged.end()) continue;
    const std::vector<size_t>& in = found->second;
    std::vector<double> wordPlace, phrasePlace;
    for (size_t i : at) wordPlace.push_back(Place(i, hebrew.size()));
    for (size_t j : in) phrasePlace.push_back(Place(j, phrases.size()));
    if (in.size() <= at.size()) {
      std::vector<size_t> pair = PairInOrder(wordPlace, phrasePlace);
      for (size_t p = 0; p < pair.size(); ++p) given[at[pair[p]]].push_back(in[p]);
      continue;
    }
    std::vector<size_t> pair = PairInOrder(phrasePlace, wordPlace);
    std::vector<bool> used(in.size(), false);
    for (size_t w = 0; w < pair.size(); ++w) used[pair[w]] = true;
    for (size_t p = 0; p < in.size(); ++p) {
      if (used[p]) continue;
      size_t nearest = 0;
      for (size_t w = 1; w < at.size(); ++w) {
        if (std::fabs(wordPlace[w] - phrasePlace[p]) <
            std::fabs(wordPlace[nearest] - phrasePlace[p]))
          nearest = w;
      }
      given[at[nearest]].push_back(in[p]);
    }
    for (size_t w = 0; w < pair.size(); ++w) given[at[w]].push_back(in[pair[w]]);
  }
  std::vector<std::string> glosses(hebrew.size());
  for (size_t i = 0; i < hebrew.size(); ++i) {
    std::sort(given[i].begin(), given[i].end());
    for (size_t j : given[i]) {
      if (phrases[j].text.empty()) continue;
      if (!glosses[i].empty()) glosses[i] += '-';
      glosses[i] += phrases[j].text;
    }
  }
  return glosses;
}

ImportResult ReadKjvVerses(const std::string& path, std::map<VerseRef, std::string>& verses) {
  verses.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return ImportResult::Fail("Cannot open " + path);
  std::string line;
  std::string* current = nullptr;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == ' ') {
      if (current) *current += line;
      continue;
    }
    const size_t colon = line.find(':');
    const size_t blank = line.find(' ');
    const std::string_view text(line);
    const VerseRef ref{colon < blank ? VerseNumber(text.substr(0, colon)) : 0,
                       colon < blank ? VerseNumber(text.substr(colon + 1, blank - colon - 1)) : 0};
    if (ref.chapter == 0 || ref.verse == 0) {
      current = nullptr;  // not a verse line: its continuation is not a verse's either
      continue;
    }
    current = &verses[ref];
    if (blank != std::string::npos) *current += line.substr(blank);
  }
  if (in.bad()) return ImportResult::Fail("Cannot read " + path);
  return {};
}

}  // namespace orv
