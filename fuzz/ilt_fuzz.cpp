// Feeds arbitrary bytes as a book's ".ILT" file: reads a chapter (the first
// byte picks it) with the chapter reader and with a line source (aborting
// when placing the source at a word it handed out does not give that word
// again, for files whose chapter and verse lines rise and whose words the
// source hands out in rising citation order), writes an edit of one of its verses back
// through the merge, and reads the file again. Besides the sanitizers' findings it aborts when the
// write fails in a healthy folder, when the merge does not hold every edited line in order, or when
// the edited verse does not read back with the glosses written (checked only for files whose
// chapter and verse lines the reader and the merge see alike and in rising order: the merge passes
// over "*0", "* 1" and verse 0, which the reader takes as chapter or verse lines, and relies on the
// book file's order).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "interlinear/ilt_file.h"
#include "interlinear/line_source.h"
#include "model/source_reader.h"

namespace {

namespace fs = std::filesystem;

std::string MakeFolder() {
  char name[] = "/tmp/ilt_fuzz_XXXXXX";
  if (::mkdtemp(name) == nullptr) std::abort();
  return name;
}

const std::string& Folder() {
  static const std::string dir = MakeFolder();
  static const bool cleanup = [] { return std::atexit([] { fs::remove_all(dir); }) == 0; }();
  (void)cleanup;
  return dir;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool CitationLinesAgree(const std::string& text) {
  size_t pos = 0;
  int last = 0;  // chapter * 256 + verse of the last citation line
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    uint8_t n = 0;
    if (!line.empty() && line.front() == '*') {
      orv::Directive d = orv::ParseDirective(line);
      bool strict = orv::ParseCiteNumber(std::string_view(line).substr(1), n) && n >= 1;
      if (d.isChapter != strict) return false;
      if (strict) {
        if (n * 256 <= last) return false;
        last = n * 256;
      }
    } else if (!line.empty() && line.front() != ' ') {
      std::string first = line.substr(0, line.find(' '));
      if (orv::ParseCiteNumber(first, n)) {
        if (n == 0 || (last & ~255) + n <= last) return false;
        last = (last & ~255) + n;
      }
    }
    if (nl == std::string::npos) break;
    pos = nl + 1;
  }
  return true;
}

struct Word {
  orv::Citation cite;
  std::string text;
};

// Reads the chapter through a line source, then places the source again at
// one of the words read and checks that it comes next.
void CheckLineSource(const std::string& folder, uint8_t chapter, size_t pick, bool ordered) {
  orv::LineSource source;
  source.directory = folder + "/";
  source.extension = ".ILT";
  source.kind = orv::SourceKind::kText;
  std::vector<Word> words;
  bool rising = true;
  if (orv::SourceSeek(source, {1, chapter, 1, 1}, 0) == 0) {
    // Placing stops at the first place at or after the target, so a chapter
    // line out of order (before or after that place) makes a later placing
    // land elsewhere: such files are read but not checked.
    orv::Citation last = source.position;
    std::string text;
    while (words.size() < 500 && orv::SourceNextWord(source, text) == 0) {
      if (!(last < source.position)) rising = false;
      last = source.position;
      if (text.empty()) continue;  // a chapter line
      words.push_back({source.position, text});
    }
  }
  if (ordered && rising && !words.empty()) {
    const Word& w = words[pick % words.size()];
    if (w.cite.word > 0 && w.cite.chapter == chapter) {
      std::string text;
      Check(orv::SourceSeek(source, w.cite, 0) == 0);
      Check(orv::SourceNextWord(source, text) == 0);
      Check(text == w.text && source.position == w.cite);
    }
  }
  orv::SourceClose(source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string file = Folder() + "/GEN.ILT";
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
  }
  const uint8_t chapter = data[0] == 0 ? 1 : data[0];
  std::vector<orv::IltVerse> verses = orv::ReadIltChapter(text, chapter);
  CheckLineSource(Folder(), chapter, size, CitationLinesAgree(text));

  orv::IltVerse edit{chapter, 1, {"fuzz"}};
  if (!verses.empty() && verses.front().verse != 0) {
    edit = verses.front();
    edit.glosses.push_back("two words");
  }
  std::vector<std::string> expected;
  for (const std::string& g : edit.glosses) expected.push_back(g.empty() ? g : orv::StoredGloss(g));

  // Every edited line appears in the merge, in its order.
  const std::string edited = orv::FormatEditedVerses({edit});
  const std::string merged = orv::MergeVerseText(text, edited);
  size_t at = 0;
  for (size_t pos = 0; pos < edited.size();) {
    size_t eol = edited.find("\r\n", pos);
    std::string line = edited.substr(pos, eol + 2 - pos);
    size_t found = merged.find(line, at);
    Check(found != std::string::npos);
    at = found + line.size();
    pos = eol + 2;
  }

  Check(orv::WriteIltVerses(file, {edit}) == 0);
  const std::string after = Slurp(file);
  Check(after == merged);
  if (!CitationLinesAgree(text)) return 0;
  bool seen = false;
  for (const orv::IltVerse& v : orv::ReadIltChapter(after, chapter)) {
    if (v.verse == edit.verse && v.glosses == expected) seen = true;
  }
  Check(seen);
  return 0;
}
