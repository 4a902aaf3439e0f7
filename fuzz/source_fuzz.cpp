// Feeds arbitrary bytes as a book's source file through the source reader:
// line reading with a small buffer, line kinds, directives, tokens and
// citations. Besides the sanitizers' findings it aborts when a word breaks
// the reader's promises: a token that holds a space or starts with "<", a
// stored word past 11 bytes, a citation of another book, or word numbers
// that do not count up by one (modulo 256) from the last verse line.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_temp.h"
#include "model/source_reader.h"
#include "model/text_reader.h"

namespace {

constexpr int kBook = 23;

const char* TempPath() { return orv::fuzz::TempPath("source_fuzz"); }

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = std::fopen(TempPath(), "wb");
  if (!f || (size && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) std::abort();

  orv::PositionedReader reader;
  Check(reader.Open(TempPath(), 64));
  orv::SourceScanner scanner(kBook);
  uint8_t expected = 1;  // the next word number
  std::string line;
  uint32_t lastPos = 0;
  for (int lines = 0; lines < 100000 && reader.ReadLine(line); ++lines) {
    Check(reader.TextPos() > lastPos && reader.TextPos() <= size);
    lastPos = reader.TextPos();
    bool first = true;
    bool restarted = false;
    orv::SourceLine kind = scanner.Scan(line, [&](const orv::SourceWord& w) {
      Check(!w.token.empty() && w.token.front() != '<');
      Check(w.token.find(' ') == std::string_view::npos);
      Check(w.token.data() >= line.data() &&
            w.token.data() + w.token.size() <= line.data() + line.size());
      Check(w.cite.book == kBook && w.cite.chapter == scanner.Chapter() &&
            w.cite.verse == scanner.Verse());
      // Only a verse line restarts the count, at its first word.
      if (first && w.cite.word != expected) {
        Check(w.cite.word == 1);
        restarted = true;
      } else {
        Check(w.cite.word == expected);
      }
      first = false;
      expected = static_cast<uint8_t>(w.cite.word + 1);
      Check(orv::StorageWord(w.token).len <= 11 && orv::SourceSpelling(w.token).len <= 11);
    });
    if (restarted) Check(kind == orv::SourceLine::kVerse);
    if (kind == orv::SourceLine::kVerse) {
      Check(line.front() >= '0' && line.front() <= '9');
      if (first) expected = 1;
    }
    if (kind == orv::SourceLine::kDirective) {
      const orv::Directive& d = scanner.LastDirective();
      Check(line.front() == '*');
      Check(d.name.find(' ') == std::string_view::npos);
      if (d.isChapter) Check(scanner.Chapter() == d.chapter);
    }
  }
  return 0;
}
