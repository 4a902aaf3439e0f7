#include "search/embedded_checks.h"

#include "model/letter_values.h"
#include "model/letters.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "search/whole_number.h"

namespace orv {

std::string ReadSearchTerm(std::string_view typed, std::string& term) {
  const std::string storage = LowerText(TrimBlanks(HebrewToStorage(typed)));
  for (char c : storage) {
    if (LetterRank(static_cast<uint8_t>(c)) == 0) return kInvalidSearchTerm;
  }
  term = storage;
  return "";
}

std::string ReadSkipFactor(std::string_view typed, int32_t& skip) {
  int32_t v = 0;
  if (!ReadWholeNumber(typed, v) || v < 0 || v > kMaxSkipFactor) return kInvalidSkipFactor;
  skip = v;
  return "";
}

std::string CheckEmbeddedFields(std::string_view term, std::string_view skip,
                                EmbeddedParams& params) {
  int32_t s = params.skip;
  std::string message = ReadSkipFactor(skip, s);
  if (!message.empty()) return message;
  std::string t;
  message = ReadSearchTerm(term, t);
  if (!message.empty()) return message;
  params.skip = s;
  params.term = t;
  return "";
}

}  // namespace orv
