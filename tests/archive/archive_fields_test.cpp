#include "archive/archive_fields.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct NumberRow {
  const char* line;
  int end;  // column before the field
  ArchiveField kind;
  int64_t value;
  int endAfter;
};

TEST(ArchiveFields, NextNumberTellsNumbersFromEverythingElse) {
  const NumberRow rows[] = {
      {"12", 0, ArchiveField::kNumber, 12, 2},
      {"+12 7", 1, ArchiveField::kNumber, 12, 3},  // after the line's kind character
      {"   -5  ", 0, ArchiveField::kNumber, -5, 5},
      {"+7", 0, ArchiveField::kNumber, 7, 2},
      {"007", 0, ArchiveField::kNumber, 7, 3},
      {"12ab", 0, ArchiveField::kNotNumber, 0, 4},
      {"-", 0, ArchiveField::kNotNumber, 0, 1},
      {"1-2", 0, ArchiveField::kNotNumber, 0, 3},
      {"\t5", 0, ArchiveField::kNotNumber, 0, 2},  // only a space separates fields
      {"", 0, ArchiveField::kNone, 0, 0},
      {"5   ", 1, ArchiveField::kNone, 0, 1},
      {"99999999999999999999999999", 0, ArchiveField::kNumber, 999'999'999'999'999'999, 26},
  };
  for (const NumberRow& r : rows) {
    int end = r.end;
    int64_t v = -99;
    EXPECT_EQ(NextArchiveNumber(r.line, end, v), r.kind) << r.line;
    EXPECT_EQ(v, r.value) << r.line;
    EXPECT_EQ(end, r.endAfter) << r.line;
  }
}

TEST(ArchiveFields, CitationNeedsFourBytes) {
  Citation c;
  int end = 1;
  ASSERT_TRUE(NextArchiveCitation("+39 4 24 255 9", end, c));
  EXPECT_EQ(c, (Citation{39, 4, 24, 255}));
  int64_t rest;
  EXPECT_TRUE(NextArchiveValue("+39 4 24 255 9", end, 0, 9, rest));
  EXPECT_EQ(rest, 9);
  for (const char* bad : {"+1 1 1", "+1 1 1 256", "+1 1 -1 1", "+1 1 x 1", "+"}) {
    end = 1;
    EXPECT_FALSE(NextArchiveCitation(bad, end, c)) << bad;
  }
}

}  // namespace
}  // namespace orv
