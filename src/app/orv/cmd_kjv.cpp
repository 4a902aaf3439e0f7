// orv kjv.
#include "app/orv/cmd_kjv.h"

#include <cctype>
#include <ostream>
#include <sstream>
#include <string_view>

#include "model/books.h"
#include "platform/program_dir.h"
#include "view/kjv_line.h"
#include "view/kjv_text.h"

namespace orv::cli {

namespace {

// A whole decimal number in 1..limit, else 0.
int Number(std::string_view text, int limit) {
  if (text.empty() || text.size() > 3) return 0;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n <= limit ? n : 0;
}

int BookByCode(std::string_view code) {
  std::string upper(code);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int book = 1; book <= kBookCount; ++book) {
    if (BookCode(book) == upper) return book;
  }
  return 0;
}

}  // namespace

// The full citation parser of the citation entry replaces this one once it
// is in the core; until then the command takes these two plain forms.
bool ParseKjvCite(const std::string& text, Citation& cite) {
  std::string_view s(text);
  int book = 0;
  const size_t blank = s.find(' ');
  if (blank != std::string_view::npos) {
    book = BookByCode(s.substr(0, blank));
    const size_t rest = s.find_first_not_of(' ', blank);
    s = rest == std::string_view::npos ? std::string_view() : s.substr(rest);
  } else {
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos) return false;
    book = Number(s.substr(0, colon), kBookCount);
    s = s.substr(colon + 1);
  }
  const size_t colon = s.find(':');
  if (book == 0 || colon == std::string_view::npos) return false;
  const int chapter = Number(s.substr(0, colon), 255);
  const int verse = Number(s.substr(colon + 1), 255);
  if (chapter == 0 || verse == 0) return false;
  cite = Citation{static_cast<uint8_t>(book), static_cast<uint8_t>(chapter),
                  static_cast<uint8_t>(verse), 1};
  return true;
}

int CmdKjv(const Args& args, std::ostream& out, std::ostream& err) {
  bool numbers = false;
  std::string text;
  for (const std::string& a : args) {
    if (a == "--numbers") {
      numbers = true;
    } else {
      // "GEN 1:1" unquoted arrives as two arguments.
      if (!text.empty()) text += ' ';
      text += a;
    }
  }
  Citation cite;
  if (!ParseKjvCite(text, cite)) {
    err << "usage: orv kjv CITE [--numbers]   CITE as BOOK:CHAPTER:VERSE or GEN 1:1\n";
    return 2;
  }
  KjvIndex index(ProgramDir());
  TKJV kjv(index);
  kjv.SetShowNumbers(numbers);
  int i;
  try {
    i = kjv.LoadVerse(cite);
  } catch (const KjvError& e) {
    err << "orv kjv: " << e.what() << '\n';
    return 1;
  }
  if (!kjv.VerseFound()) {
    err << "orv kjv: no King James text for " << BookCode(cite.book) << ' ' << int{cite.chapter}
        << ':' << int{cite.verse} << '\n';
    return 1;
  }
  std::ostringstream line;
  for (; i != 0; i = kjv.NextToken()) {
    const std::string_view token = kjv.TokenText(i);
    if (IsKjvVerseMarker(token) && line.tellp() > 0) {
      out << line.str() << '\n';
      line.str("");
    }
    if (line.tellp() > 0) line << ' ';
    line << token;
  }
  out << line.str() << '\n';
  return 0;
}

}  // namespace orv::cli
