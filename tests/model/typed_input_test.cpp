#include "model/typed_input.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(ReadStrongsNumber, TakesTheFormsUsersTypeAndRefusesTheRest) {
  const struct {
    const char* text;
    NumberReading reading;
    int number;
  } rows[] = {
      {"7225", NumberReading::kNumber, 7225},
      {"H7225", NumberReading::kNumber, 7225},
      {"h07225", NumberReading::kNumber, 7225},
      {"07225", NumberReading::kNumber, 7225},
      {" 42 ", NumberReading::kNumber, 42},
      {"+5", NumberReading::kNumber, 5},
      {"1", NumberReading::kNumber, 1},
      {"8674", NumberReading::kNumber, 8674},
      {"0", NumberReading::kOutOfRange, 0},
      {"H0", NumberReading::kOutOfRange, 0},
      {"8675", NumberReading::kOutOfRange, 0},
      {"-3", NumberReading::kOutOfRange, 0},
      {"99999999999999999999999", NumberReading::kOutOfRange, 0},
      {"12abc", NumberReading::kNotANumber, 0},
      {"aleim", NumberReading::kNotANumber, 0},
      {"", NumberReading::kNotANumber, 0},
      {"   ", NumberReading::kNotANumber, 0},
      {"H", NumberReading::kNotANumber, 0},
      {"-", NumberReading::kNotANumber, 0},
      {"H-5", NumberReading::kNotANumber, 0},
      {"4.5", NumberReading::kNotANumber, 0},
      {"12 34", NumberReading::kNotANumber, 0},
      {"\t7", NumberReading::kNotANumber, 0},
  };
  for (const auto& r : rows) {
    const StrongsReading got = ReadStrongsNumber(r.text);
    EXPECT_EQ(got.reading, r.reading) << '"' << r.text << '"';
    EXPECT_EQ(got.number, r.number) << '"' << r.text << '"';
  }
}

TEST(HebrewToStorage, LettersOfAnyFormBecomeStorageLettersAndMarksGo) {
  const struct {
    const char* text;
    const char* storage;
  } rows[] = {
      {"\xD7\x91\xD7\xA8\xD7\x90\xD7\xA9\xD7\x99\xD7\xAA", "brawix"},  // בראשית
      // בְּרֵאשִׁית, pointed: the points go.
      {"\xD7\x91\xD6\xBC\xD6\xB0\xD7\xA8\xD6\xB5\xD7\x90\xD7\xA9\xD7\x81\xD6\xB4\xD7\x99\xD7\xAA",
       "brawix"},
      {"\xD7\x90\xD7\x9C\xD7\x94\xD7\x99\xD7\x9D", "aleim"},           // אלהים, final mem
      {"\xD7\x9A\xD7\x9D\xD7\x9F\xD7\xA3\xD7\xA5", "kmnpc"},           // the five final forms
      {"\xD7\x9B\xD7\x9C\xD6\xBE\xD7\x90\xD7\xA8\xD7\xA5", "kl-arc"},  // maqqef
      {"\xEF\xAC\xAA\xEF\xAC\xB1", "wb"},  // presentation forms: shin with dot, bet with dagesh
      {"aleim", "aleim"},                  // storage letters pass
      {"x1 y", "x1 y"},                    // so does anything else
      {"\xD7", "\xD7"},                    // a cut sequence is kept for the caller to refuse
      {"", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(HebrewToStorage(r.text), r.storage) << r.storage;
}

}  // namespace
}  // namespace orv
