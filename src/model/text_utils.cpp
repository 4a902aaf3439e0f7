#include "model/text_utils.h"

#include <limits>

namespace orv {
namespace {

// Parses the whole field as an optional sign and digits into T. from_chars
// alone would accept a leading part ("12ab") and reject a "+" sign.
template <typename T>
T FieldValue(std::string_view field) {
  std::string_view digits = field;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits[0] < '0' || digits[0] > '9') return 0;
  int64_t v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    v = v * 10 + (c - '0');
    // Past every target type's range; stopping here keeps v from overflowing.
    if (v > int64_t{1} << 32) return 0;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return 0;
  return static_cast<T>(v);
}

template <typename T>
bool NextNumber(std::string_view line, int& start, int& end, T& value) {
  value = 0;
  if (!NextField(line, start, end)) return false;
  value = FieldValue<T>(
      line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1)));
  return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string TrimRight(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return std::string(text.substr(0, n));
}

std::string Reverse(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

bool NextField(std::string_view line, int& start, int& end) {
  const int len = static_cast<int>(line.size());
  // Clamped so that no `end` a caller passes can overflow the column.
  int col = end < 0 ? 1 : (end >= len ? len + 1 : end + 1);
  while (col <= len && line[static_cast<size_t>(col - 1)] == ' ') ++col;
  start = col;
  if (col > len) return false;
  while (col < len && line[static_cast<size_t>(col)] != ' ') ++col;
  end = col;
  return true;
}

bool NextByte(std::string_view line, int& start, int& end, uint8_t& value) {
  return NextNumber(line, start, end, value);
}

bool NextSmall(std::string_view line, int& start, int& end, int16_t& value) {
  return NextNumber(line, start, end, value);
}

bool NextLong(std::string_view line, int& start, int& end, int32_t& value) {
  return NextNumber(line, start, end, value);
}

int DigitCount(int32_t n) {
  // Widened first: negating INT32_MIN as an int32_t overflows.
  int64_t v = n;
  int count = v < 0 ? 2 : 1;
  if (v < 0) v = -v;
  while (v >= 10) {
    v /= 10;
    ++count;
  }
  return count;
}

}  // namespace orv
