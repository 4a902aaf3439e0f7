#include "import/ilt_writer.h"

#include "model/books.h"
#include "model/records.h"
#include "platform/utf8.h"

namespace orv {
namespace {

constexpr char kEol[] = "\r\n";
constexpr size_t kLineWidth = 80;
// Columns a verse number below 100 and its blanks take: every line counts
// from here, so breaks fall alike whatever the verse number.
constexpr size_t kVerseIndent = 3;

std::string Stored(std::string_view gloss) {
  std::string s;
  for (char c : gloss) {
    if (c == '<') continue;
    s += (c == ' ' || c == '\r' || c == '\n' || c == '\t') ? '-' : c;
  }
  s = FitText(s, static_cast<size_t>(kGlossCap));
  return s.empty() ? std::string("...") : s;
}

}  // namespace

IltBookWriter::IltBookWriter(int book, std::string_view language, std::string_view what) {
  // Built by appending: GCC 12 at -O3 warns falsely on "x" + std::string.
  text_.append("*BOOK ").append(BookName(book)).append(kEol);
  text_.append("*CITE ").append(BookCiteAbbrev(book)).append(kEol);
  text_.append("*LANG ").append(language).append(kEol);
  text_.append("*WHAT ").append(what).append(kEol);
  text_.append("*L-R").append(kEol);
}

void IltBookWriter::Verse(int chapter, int verse, const std::vector<std::string>& glosses) {
  if (chapter != chapter_) {
    text_.append("*").append(std::to_string(chapter)).append(kEol);
    chapter_ = chapter;
  }
  text_.append(std::to_string(verse));
  if (verse < 10) text_ += ' ';
  size_t counted = kVerseIndent;
  for (const std::string& g : glosses) {
    const std::string stored = Stored(g);
    if (counted + 1 + stored.size() > kLineWidth) {
      text_.append(kEol).append("  ");
      counted = kVerseIndent;
    }
    text_.append(" ").append(stored);
    counted += 1 + stored.size();
  }
  text_.append(kEol);
}

}  // namespace orv
