#include "reference/strongs_lookup.h"

#include <limits>
#include <utility>

namespace orv {
namespace {

// Lookups read a handful of lines at a seek target; one small buffer holds
// most entries whole.
constexpr size_t kLookupBuffer = 4096;

// The value of a text of decimal digits that fits `limit`; false otherwise.
bool WholeNumber(const std::string& text, uint64_t limit, uint64_t& value) {
  if (text.empty()) return false;
  uint64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + static_cast<uint64_t>(c - '0');
    if (n > limit) return false;
  }
  value = n;
  return true;
}

bool StartsWith(const std::string& line, const std::string& head) {
  return line.compare(0, head.size(), head) == 0;
}

}  // namespace

StrongsLookup::StrongsLookup(std::string dictionaryPath, std::string indexPath,
                             SupplementList supplements)
    : dictionaryPath_(std::move(dictionaryPath)),
      supplements_(std::move(supplements)),
      index_(std::move(indexPath), dictionaryPath_) {}

void StrongsLookup::Close() {
  index_.Close();
  indexValid_ = false;
  dict_.Close();
  state_ = Dictionary::kNotTried;
}

StrongsDefinition StrongsLookup::Show(const std::string& text) {
  StrongsDefinition d;
  d.caption = "Strong's definition " + text;

  std::string key = text;
  int supplement = 0;
  if (size_t dash = text.find('-'); dash != std::string::npos) {
    key = text.substr(0, dash);
    uint64_t n = 0;
    if (WholeNumber(text.substr(dash + 1), std::numeric_limits<int>::max(), n))
      supplement = static_cast<int>(n);
  }
  if (size_t first = key.find_first_not_of('0'); first == std::string::npos) {
    if (!key.empty()) key = "0";
  } else {
    key.erase(0, first);
  }

  if (state_ == Dictionary::kNotTried)
    state_ = dict_.Open(dictionaryPath_, kLookupBuffer) ? Dictionary::kOpen : Dictionary::kFailed;
  if (state_ == Dictionary::kFailed) {
    d.message = kCannotOpenDictionary;
    return d;
  }

  // An empty key would match every header line; it names no entry.
  std::string header;
  bool found = false;
  if (!key.empty()) {
    SeekFor(key);
    found = ScanTo(key, header);
  }
  if (!found) {
    d.message = kDefinitionNotFound;
    return d;
  }
  std::string first = header.substr(1);
  if (supplement >= 1 && supplement <= supplements_.Highest())
    first += "  - " + supplements_.Line(supplement);
  d.lines.push_back(std::move(first));
  std::string line;
  while (dict_.ReadLine(line) && !StartsWith(line, "*")) d.lines.push_back(line);
  d.shown = true;
  return d;
}

void StrongsLookup::SeekFor(const std::string& key) {
  // A key that is not a plain number looks up 0, which starts at the
  // beginning unless the dictionary has an entry 0.
  uint64_t value = 0;
  uint32_t number = 0;
  if (WholeNumber(key, std::numeric_limits<uint32_t>::max(), value))
    number = static_cast<uint32_t>(value);

  if (!indexValid_) indexValid_ = index_.Ensure();
  // An index that cannot be read, or that points at the wrong lines, is
  // rebuilt once; if that does not help, the dictionary is read from the
  // beginning, which is slow but finds every entry.
  for (int attempt = 0; indexValid_ && attempt < 2; ++attempt) {
    IndexSpot spot;
    if (index_.Locate(number, spot) == kDSOk && LandsOnHeader(spot, number)) {
      dict_.TextSeek(spot.offset);
      return;
    }
    if (attempt == 0 && !index_.Rebuild()) indexValid_ = false;
  }
  dict_.TextSeek(0);
}

bool StrongsLookup::LandsOnHeader(const IndexSpot& spot, uint32_t number) {
  if (spot.offset == 0) return true;
  dict_.TextSeek(spot.offset);
  std::string line;
  if (!dict_.ReadLine(line)) return false;
  uint32_t found = 0;
  if (spot.exact) return HeaderLineNumber(line, found) && found == number;
  return StartsWith(line, "*");
}

bool StrongsLookup::ScanTo(const std::string& key, std::string& header) {
  const std::string head = "*" + key;
  while (dict_.ReadLine(header)) {
    if (StartsWith(header, head)) return true;
  }
  return false;
}

}  // namespace orv
