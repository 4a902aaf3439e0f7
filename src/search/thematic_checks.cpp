#include "search/thematic_checks.h"

#include "search/whole_number.h"

namespace orv {
namespace {

// Reads a field that must be at least `least`; stores it on success, else
// adds the message.
void CheckField(const std::string& typed, int32_t least, const char* message, int32_t& stored,
                std::vector<std::string>& messages) {
  int32_t v = 0;
  if (ReadWholeNumber(typed, v) && v >= least) {
    stored = v;
  } else {
    messages.emplace_back(message);
  }
}

}  // namespace

ThematicFields ThematicFieldsOf(const ThematicParams& params) {
  return {std::to_string(params.value), std::to_string(params.window),
          std::to_string(params.minWords), std::to_string(params.maxWords), !params.fromHere};
}

std::vector<std::string> CheckThematicFields(const ThematicFields& typed, ThematicParams& params) {
  std::vector<std::string> messages;
  CheckField(typed.value, 1, kInvalidThematicValue, params.value, messages);
  CheckField(typed.window, 0, kInvalidThematicRange, params.window, messages);
  CheckField(typed.minWords, 0, kInvalidMinimumWords, params.minWords, messages);
  int32_t maxWords = 0;
  if (!ReadWholeNumber(typed.maxWords, maxWords) || maxWords < 0) {
    messages.emplace_back(kInvalidMaximumWords);
  } else if (maxWords > 0 && maxWords < params.minWords) {
    messages.emplace_back(kMinimumAboveMaximum);
  } else {
    params.maxWords = maxWords;
  }
  params.fromHere = !typed.fromBegin;
  return messages;
}

}  // namespace orv
