#include "search/whole_number.h"

#include <limits>

#include "model/text_utils.h"

namespace orv {

bool ReadWholeNumber(std::string_view text, int32_t& value) {
  std::string_view digits = TrimBlanks(text);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return false;
  int64_t v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    // Stopping here keeps v from overflowing on a long run of digits.
    if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  value = static_cast<int32_t>(v);
  return true;
}

}  // namespace orv
