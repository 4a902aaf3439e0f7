// What the thematic value dialog's fields show after Compute.
#include "search/value_fields.h"

#include <gtest/gtest.h>

#include "model/letter_values.h"
#include "run_text_fixture.h"
#include "search/range_value.h"

namespace orv {
namespace {

TEST(ValueFields, TextComputation) {
  struct Row {
    const char* typed;
    const char* ltrs;
    const char* paleo;
    const char* orig;
    const char* trad;
  };
  const Row rows[] = {
      {"a-B", "a-b", "b-a", "3", "3"},
      // Final forms are marked for the Hebrew font, then the text reversed.
      {"Aleim", "aleim", "Miela", "343", "86"},
      // Unicode Hebrew reads as storage letters.
      {"\xd7\x91\xd7\xa8\xd7\x90\xd7\xa9\xd7\x81\xd7\x99\xd7\xaa", "brawix", "xiwarb", "611",
       "913"},
      {"", "", "", kNoTextEntered, kNoValue},
      {"abf", "abf", "fba", kIllegalCharacters, kNoValue},
      {" - ", " - ", " - ", kIllegalCharacters, kNoValue},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.typed);
    const TextFields f = ComputeTextFields(r.typed);
    EXPECT_EQ(f.ltrs, r.ltrs);
    EXPECT_EQ(f.paleo, r.paleo);
    EXPECT_EQ(f.orig, r.orig);
    EXPECT_EQ(f.trad, r.trad);
  }
}

class ValueFieldsRange : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }
};

TEST_F(ValueFieldsRange, CitationsRewrittenAndSumsOrTheMessage) {
  RangeFields f = ComputeRangeFields(set_, counts_, "gen 1:1.2", ".3");
  EXPECT_TRUE(f.rewritten);
  EXPECT_EQ(f.vStart, "Gen 1:1.2");
  EXPECT_EQ(f.vStop, "Gen 1:1.3");
  EXPECT_EQ(f.orig, "343");
  EXPECT_EQ(f.trad, "84");

  f = ComputeRangeFields(set_, counts_, "Gen 1:2", "Gen 1");
  EXPECT_FALSE(f.rewritten) << "fields are rewritten only for a range that can be walked";
  EXPECT_EQ(f.orig, kEndBeforeStart);
  EXPECT_EQ(f.trad, kNoValue);

  f = ComputeRangeFields(set_, counts_, "Gen 1:1", "");
  EXPECT_FALSE(f.rewritten);
  EXPECT_EQ(f.orig, kNoRangeEnd);
  EXPECT_EQ(f.trad, kNoValue);
}

}  // namespace
}  // namespace orv
