#include "search/whole_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace orv {
namespace {

TEST(ReadWholeNumber, SignAndDigitsOfTheIntegerRangeOnly) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } rows[] = {
      {"120", 120},
      {" 7 ", 7},
      {"+5", 5},
      {"-1", -1},
      {"0", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", {}},
      {"99999999999999999999", {}},
      {"", {}},
      {"  ", {}},
      {"-", {}},
      {"3x", {}},
      {"x3", {}},
      {"4.5", {}},
      {"2,000,000,000", {}},
      {"1 2", {}},
      {"--1", {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    int32_t v = 12345;
    EXPECT_EQ(ReadWholeNumber(r.text, v), r.value.has_value());
    EXPECT_EQ(v, r.value.value_or(12345));
  }
}

}  // namespace
}  // namespace orv
