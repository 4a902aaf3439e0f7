#include "page/ilt_writeback.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "interlinear/ilt_file.h"
#include "model/books.h"
#include "page/page_words.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

bool SameVerse(Citation a, Citation b) {
  return a.book == b.book && a.chapter == b.chapter && a.verse == b.verse;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Adds the file's glosses for the words of `v` past the ones the buffer
// holds, so that writing a verse cut by the buffer's end loses nothing.
void KeepGlossesBeyond(IltVerse& v, const std::vector<IltVerse>& fileVerses) {
  for (const IltVerse& f : fileVerses) {
    if (f.verse != v.verse) continue;
    for (size_t i = v.glosses.size(); i < f.glosses.size(); ++i) v.glosses.push_back(f.glosses[i]);
    return;
  }
}

}  // namespace

bool WritePendingEdits(Page& page, PageEnv& env) {
  PageLines& lines = page.lines;
  PageBuffer& b = page.buffer;
  if (!lines.iltChanged) return true;
  int first = 0;
  int last = 0;
  for (int k = 1; k <= b.count; ++k) {
    if (!b.entry[static_cast<size_t>(k)].changed) continue;
    if (first == 0) first = k;
    last = k;
  }
  const int line = lines.firstIltLine;
  if (first == 0 || line < 1 || line >= kLineCount) {
    lines.iltChanged = false;  // nothing in the buffer left to write
    return true;
  }
  while (first > 1 && SameVerse(b.entry[static_cast<size_t>(first - 1)].cite,
                                b.entry[static_cast<size_t>(first)].cite)) {
    --first;
  }
  while (last < b.count && SameVerse(b.entry[static_cast<size_t>(last + 1)].cite,
                                     b.entry[static_cast<size_t>(last)].cite)) {
    ++last;
  }

  std::vector<IltVerse> verses;
  for (int k = first; k <= last; ++k) {
    const WordEntry& e = b.entry[static_cast<size_t>(k)];
    if (verses.empty() || verses.back().chapter != e.cite.chapter ||
        verses.back().verse != e.cite.verse) {
      verses.push_back(IltVerse{e.cite.chapter, e.cite.verse, {}});
    }
    verses.back().glosses.push_back(e.text[static_cast<size_t>(line)]);
  }
  LineSource& source = lines.source[static_cast<size_t>(line)];
  const Citation at = b.entry[static_cast<size_t>(first)].cite;
  std::string bookFile = NativePath(source.directory + BookCode(at.book) + source.extension);
  if (last == b.count && !b.endOfChapter) {
    KeepGlossesBeyond(verses.back(), ReadIltChapter(ReadWholeFile(bookFile), at.chapter));
  }
  if (WriteIltVerses(bookFile, verses) != 0) {
    env.ui.Message(kIltWriteError);
    return false;
  }
  // The source still reads the file that was replaced; the next placing
  // opens the new one.
  SourceClose(source);
  for (int k = 1; k <= b.count; ++k) b.entry[static_cast<size_t>(k)].changed = false;
  lines.iltChanged = false;
  return true;
}

}  // namespace orv
