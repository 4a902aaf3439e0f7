// Feeds arbitrary bytes to the rich-text reader and converts the result to
// HTML. Besides the sanitizers' findings it aborts when a document breaks
// the reader's promises: an empty run, two neighbouring runs of the same
// format, or a font size outside 1..3276 half points.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "reference/rtf_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SameFormat(const orv::RtfRun& a, const orv::RtfRun& b) {
  return a.bold == b.bold && a.italic == b.italic && a.halfPoints == b.halfPoints;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orv::RtfDocument doc = orv::ParseRtf(bytes);
  for (const orv::RtfParagraph& p : doc.paragraphs) {
    Check(p.halfPoints >= 1 && p.halfPoints <= 3276);
    for (size_t i = 0; i < p.runs.size(); ++i) {
      const orv::RtfRun& r = p.runs[i];
      Check(!r.text.empty());
      Check(r.halfPoints >= 1 && r.halfPoints <= 3276);
      if (i > 0) Check(!SameFormat(p.runs[i - 1], r));
    }
  }
  const std::string html = orv::RtfToHtml(doc);
  Check(html.find("<script") == std::string::npos);
  (void)orv::RtfPlainText(doc);
  return 0;
}
