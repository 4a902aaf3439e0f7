#include "cite/citation_text.h"

#include "model/books.h"

namespace orv {

std::string CitationText(const Citation& cite) {
  std::string abbrev = BookCiteAbbrev(cite.book);
  abbrev.resize(3, ' ');
  std::string out;
  out.reserve(16);
  out += abbrev;
  out += ' ';
  out += std::to_string(cite.chapter);
  out += ':';
  out += std::to_string(cite.verse);
  out += '.';
  out += std::to_string(cite.word);
  return out;
}

}  // namespace orv
