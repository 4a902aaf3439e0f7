#include "archive/archive_fields.h"

#include "model/text_utils.h"

namespace orv {
namespace {

// Past every field width the archive uses; saturating here keeps the
// accumulator from overflowing on a run of thousands of digits.
constexpr int64_t kSaturated = 999'999'999'999'999'999;

}  // namespace

ArchiveField NextArchiveNumber(std::string_view line, int& end, int64_t& value) {
  value = 0;
  int start = 0;
  if (!NextField(line, start, end)) return ArchiveField::kNone;
  std::string_view f =
      line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1));
  bool negative = false;
  if (f[0] == '+' || f[0] == '-') {
    negative = f[0] == '-';
    f.remove_prefix(1);
  }
  if (f.empty()) return ArchiveField::kNotNumber;
  int64_t v = 0;
  for (char c : f) {
    if (c < '0' || c > '9') return ArchiveField::kNotNumber;
    v = v >= kSaturated / 10 ? kSaturated : v * 10 + (c - '0');
  }
  value = negative ? -v : v;
  return ArchiveField::kNumber;
}

bool NextArchiveValue(std::string_view line, int& end, int64_t lo, int64_t hi, int64_t& value) {
  return NextArchiveNumber(line, end, value) == ArchiveField::kNumber && value >= lo && value <= hi;
}

bool NextArchiveCitation(std::string_view line, int& end, Citation& cite) {
  int64_t v[4];
  for (int64_t& x : v) {
    if (!NextArchiveValue(line, end, 0, 255, x)) return false;
  }
  cite = {static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]), static_cast<uint8_t>(v[2]),
          static_cast<uint8_t>(v[3])};
  return true;
}

}  // namespace orv
