#include "page/gloss_reverse.h"

#include <vector>

namespace orv {
namespace {

std::string Mirror(std::string_view part) {
  const bool opens = !part.empty() && part.front() == '(';
  const bool closes = !part.empty() && part.back() == ')';
  if (opens && !closes) return std::string(part.substr(1)) + ")";
  if (closes && !opens) {
    // Not "(" + std::string(...): GCC 12 at -O3 reports a false -Wrestrict
    // inside std::string for a literal added to a temporary (GCC PR 105651).
    std::string out(1, '(');
    out += part.substr(0, part.size() - 1);
    return out;
  }
  return std::string(part);
}

}  // namespace

std::string ReverseHyphenatedGloss(std::string_view gloss) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    size_t dash = gloss.find('-', start);
    parts.push_back(gloss.substr(start, dash == std::string_view::npos ? dash : dash - start));
    if (dash == std::string_view::npos) break;
    start = dash + 1;
  }
  std::string out;
  for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
    if (it != parts.rbegin()) out += '-';
    out += Mirror(*it);
  }
  return out;
}

std::string ReverseWord(std::string_view word) { return std::string(word.rbegin(), word.rend()); }

}  // namespace orv
