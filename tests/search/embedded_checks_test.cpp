#include "search/embedded_checks.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(EmbeddedChecks, SkipFactorAndTerm) {
  struct Row {
    const char* term;
    const char* skip;
    const char* message;
    const char* storedTerm;  // what the parameters hold afterwards
    int32_t storedSkip;
  };
  const Row rows[] = {
      {"xvre", "50", "", "xvre", 50},
      {"XVRE", " 0 ", "", "xvre", 0},
      // Unicode Hebrew, pointed, with a final form.
      {"\xd7\xaa\xd7\x95\xd6\xbc\xd7\xa8\xd6\xb8\xd7\x94", "1", "", "xvre", 1},
      {"\xd7\x9e\xd7\x9c\xd7\x9a", "1", "", "mlk", 1},
      // Blanks around the term are dropped; an empty term is accepted.
      {"  ab ", "2", "", "ab", 2},
      {"", "1", "", "", 1},
      {"ab", "1500000", "", "ab", kMaxSkipFactor},
      {"ab", "1500001", kInvalidSkipFactor, "old", 7},
      {"ab", "2000000000", kInvalidSkipFactor, "old", 7},
      {"ab", "-1", kInvalidSkipFactor, "old", 7},
      {"ab", "3x", kInvalidSkipFactor, "old", 7},
      {"ab", "", kInvalidSkipFactor, "old", 7},
      {"ab", "2,000", kInvalidSkipFactor, "old", 7},
      // Anything but the 22 letters: f j u y are no storage letters.
      {"abf", "1", kInvalidSearchTerm, "old", 7},
      {"a b", "1", kInvalidSearchTerm, "old", 7},
      {"al-pni", "1", kInvalidSearchTerm, "old", 7},
      {"ab1", "1", kInvalidSearchTerm, "old", 7},
      {"\xd7\x90\xd6\xbe\xd7\x91", "1", kInvalidSearchTerm, "old", 7},  // maqqef
      // The skip factor is checked first.
      {"abf", "-1", kInvalidSkipFactor, "old", 7},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.term) + " / " + r.skip);
    EmbeddedParams p;
    p.term = "old";
    p.skip = 7;
    EXPECT_EQ(CheckEmbeddedFields(r.term, r.skip, p), r.message);
    EXPECT_EQ(p.term, r.storedTerm);
    EXPECT_EQ(p.skip, r.storedSkip);
  }
}

}  // namespace
}  // namespace orv
