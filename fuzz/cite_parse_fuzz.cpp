// Feeds arbitrary text to the citation parser. The first four bytes are the
// starting citation and the next four seed the counts, which may answer any
// value, as a damaged BOOK store could. Besides the sanitizers' findings it
// aborts when the result is not 0, 1 or 13, when a failed parse changes the
// citation, or when a successful one writes a text that does not read back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "cite/book_match.h"
#include "cite/citation_text.h"
#include "cite/cite_parse.h"

namespace {

using namespace orv;

class SeededCounts final : public CiteCounts {
 public:
  explicit SeededCounts(uint32_t seed) : seed_(seed) {}
  int Chapters(int book) override { return Mix(book, 0, 0) % 300 - 20; }
  int Verses(int book, int chapter) override { return Mix(book, chapter, 0) % 300 - 20; }
  int Words(int book, int chapter, int verse) override { return Mix(book, chapter, verse) % 300; }

 private:
  int Mix(int a, int b, int c) const {
    uint32_t h = seed_ ^ (static_cast<uint32_t>(a) * 0x9E3779B1u) ^
                 (static_cast<uint32_t>(b) * 0x85EBCA77u) ^
                 (static_cast<uint32_t>(c) * 0xC2B2AE3Du);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<int>(h & 0x7FFFFFFF);
  }
  uint32_t seed_;
};

// Counts that admit every citation, so a written citation must read back.
class OpenCounts final : public CiteCounts {
 public:
  int Chapters(int) override { return 255; }
  int Verses(int, int) override { return 255; }
  int Words(int, int, int) override { return 255; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  Citation start;
  std::memcpy(&start, data, 4);
  uint32_t seed = 0;
  std::memcpy(&seed, data + 4, 4);
  std::string_view text(reinterpret_cast<const char*>(data + 8), size - 8);

  SeededCounts counts(seed);
  Citation cite = start;
  const int rc = ParseCitation(text, cite, counts);
  if (rc != kCiteOk && rc != kCiteUnreadable && rc != kCiteBeyond) std::abort();
  if (rc != kCiteOk && cite != start) std::abort();
  const int book = MatchBook(text);
  if (book < 1 || book > 39) std::abort();

  if (rc == kCiteOk && cite.book >= 1 && cite.book <= 39 && cite.chapter != 0 &&
      cite.chapter != 255 && cite.verse != 0 && cite.verse != 255 && cite.word != 0 &&
      cite.word != 255) {
    OpenCounts open;
    Citation again = start;
    if (ParseCitation(CitationText(cite), again, open) != kCiteOk || again != cite) std::abort();
  }
  return 0;
}
