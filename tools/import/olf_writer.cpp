#include "import/olf_writer.h"

#include "archive/archive_format.h"
#include "model/books.h"

namespace orv {
namespace {

constexpr const char* kEol = "\r\n";
// The verse reader keeps 63 characters of the description.
constexpr const char* kDescription = "Open Scriptures Hebrew Bible (Westminster Leningrad Codex)";

}  // namespace

std::string CitationAbbrev(int book) { return BookCiteAbbrev(book); }

std::string OlfText(int book, const OshbBook& text) {
  std::string out;
  out.reserve(1 << 20);
  out += "*BOOK " + BookName(book) + kEol;
  out += "*CITE " + CitationAbbrev(book) + kEol;
  out += std::string("*LANG Hebrew") + kEol;
  out += std::string("*WHAT ") + kDescription + kEol;
  out += std::string("*R-L") + kEol;
  for (const OshbChapter& chapter : text.chapters) {
    // Appended piece by piece: "*" + std::to_string(...) makes GCC 12 at -O3
    // report a false -Wrestrict inside std::string (GCC bug 105651).
    out += '*';
    out += std::to_string(chapter.number);
    out += kEol;
    for (const OshbVerse& verse : chapter.verses) {
      std::string line = std::to_string(verse.number);
      size_t onLine = 0;
      for (const std::string& token : verse.tokens) {
        // A continuation line begins with the blank before its first token,
        // so its first word is never taken for a verse number.
        if (onLine > 0 && line.size() + 1 + token.size() > kOlfLineWidth) {
          out += line + kEol;
          line.clear();
          onLine = 0;
        }
        line += ' ';
        line += token;
        ++onLine;
      }
      out += line + kEol;
    }
  }
  return out;
}

std::string StrongsHeader() {
  std::string out =
      std::string(kArchiveMagic) + kEol + kArchiveVersionPrefix + kArchiveVersion + kEol;
  for (const char* l :
       {"; ", "; Default Strong's numbers of the Hebrew text, from the lemmas of the",
        "; Open Scriptures Hebrew Bible (Creative Commons Attribution 4.0).",
        "; Original work of the Open Scriptures Hebrew Bible available at",
        "; https://github.com/openscriptures/morphhb", "; ",
        "; Strong's number data format:", ";   &<Book> <Chap> <Vers> <Words>",
        ";   <Strong> <Strong> ...  - one per word, 0 for none", "; "}) {
    out += l;
    out += kEol;
  }
  return out;
}

std::string StrongsVerses(int book, const OshbBook& text) {
  std::string out;
  for (const OshbChapter& chapter : text.chapters) {
    for (const OshbVerse& verse : chapter.verses) {
      out += '&';  // appended first for GCC 12's false -Wrestrict (see above)
      out += std::to_string(book) + " " + std::to_string(chapter.number) + " " +
             std::to_string(verse.number) + " " + std::to_string(verse.strongs.size()) + kEol;
      std::string values;
      for (uint16_t n : verse.strongs) {
        if (!values.empty()) values += ' ';
        values += std::to_string(n);
      }
      out += values + kEol;
    }
  }
  return out;
}

}  // namespace orv
