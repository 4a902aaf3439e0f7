#include "reference/supplement_list.h"

#include "model/text_reader.h"

namespace orv {
namespace {

// The line's leading number when it is 1..150 and ends at a space or the
// end of the line; 0 otherwise. Digits beyond three already rule it out,
// which also keeps the sum from overflowing on a long run of digits.
int LineNumber(const std::string& line) {
  size_t i = 0;
  int n = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    n = n * 10 + (line[i] - '0');
    if (n > kSupplementLines) return 0;
    ++i;
  }
  if (i == 0 || (i < line.size() && line[i] != ' ')) return 0;
  return n;
}

}  // namespace

bool SupplementList::Load(const std::string& nativePath) {
  lines_.fill(std::string());
  highest_ = 0;
  PositionedReader in;
  if (!in.Open(nativePath, 4096)) return false;
  std::string line;
  while (in.ReadLine(line)) {
    int n = LineNumber(line);
    if (n == 0) continue;
    lines_[n] = line;
    if (n > highest_) highest_ = n;
  }
  return true;
}

const std::string& SupplementList::Line(int n) const {
  return (n >= 1 && n <= kSupplementLines) ? lines_[n] : lines_[0];
}

}  // namespace orv
