#include "search/value_fields.h"

#include "cite/citation_text.h"
#include "model/hebrew_glyphs.h"
#include "model/letter_values.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "search/range_value.h"

namespace orv {

TextFields ComputeTextFields(std::string_view typed) {
  TextFields f;
  const TextValues values = ComputeTextValues(typed);
  if (!typed.empty()) {
    f.ltrs = LowerText(HebrewToStorage(typed));
    f.paleo = Reverse(MarkFinalForms(f.ltrs));
  }
  if (!values.Ok()) {
    f.orig = values.message;
    return f;
  }
  f.orig = std::to_string(values.original);
  f.trad = std::to_string(values.traditional);
  return f;
}

RangeFields ComputeRangeFields(DatastoreSet& set, CiteCounts& counts, std::string_view start,
                               std::string_view stop) {
  RangeFields f;
  const RangeValues r = RangeValue(set, counts, start, stop);
  if (r.read) {
    f.rewritten = true;
    f.vStart = CitationText(r.start);
    f.vStop = CitationText(r.end);
  }
  if (!r.Ok()) {
    f.orig = r.message;
    return f;
  }
  f.orig = std::to_string(r.original);
  f.trad = std::to_string(r.traditional);
  return f;
}

}  // namespace orv
