#include "edit/word_fields.h"

#include "model/records.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "search/whole_number.h"

namespace orv {
namespace {

// "" leaves the stored value alone; anything else must read in range.
bool ReadUse(std::string_view typed, std::optional<int>& out) {
  const std::string_view text = TrimBlanks(typed);
  if (text.empty()) return true;
  int32_t value = 0;
  if (!ReadWholeNumber(text, value) || value < 0 || value > kMaxUse) return false;
  out = value;
  return true;
}

// A number typed as other Bible programs write it ("H7225") reads too; 0
// clears the number of a word the supplied numbers leave without one.
bool ReadStrongs(std::string_view typed, std::optional<int>& out) {
  const std::string_view text = TrimBlanks(typed);
  if (text.empty()) return true;
  int32_t zero = -1;
  if (ReadWholeNumber(text, zero) && zero == 0) {
    out = 0;
    return true;
  }
  const StrongsReading r = ReadStrongsNumber(text);
  if (r.reading != NumberReading::kNumber) return false;
  out = r.number;
  return true;
}

bool HasControl(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
  }
  return false;
}

}  // namespace

std::string StoredDefinition(std::string_view typed) {
  std::string text = TrimRight(typed);
  for (char& c : text) {
    if (c == ' ') c = '-';
  }
  return text;
}

std::string ReadWordFields(const WordEditFields& fields, bool occurrence, ReadFields& out) {
  out = ReadFields{};
  for (int i = 0; i < kDefinitionCount; ++i) {
    std::string def = StoredDefinition(fields.defs[static_cast<size_t>(i)]);
    if (def.size() > static_cast<size_t>(kGlossCap)) {
      return std::string(kDefinitionTooLong).append(std::to_string(i));
    }
    if (HasControl(def)) return std::string(kDefinitionControl).append(std::to_string(i));
    if (!def.empty()) out.allEmpty = false;
    out.defs[static_cast<size_t>(i)] = std::move(def);
  }
  if (!occurrence) return "";
  if (!ReadUse(fields.use, out.use)) return kInvalidUseNumber;
  if (!ReadStrongs(fields.strongs, out.strongs)) return kStrongsFieldInvalid;
  return "";
}

}  // namespace orv
