#include "import/verse_map.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "import/xml_read.h"

namespace orv {
namespace {

bool ParseNumber(const std::string& s, int& n) {
  if (s.empty() || s.size() > 3) return false;
  n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  return n >= 1;
}

// "Book.C.V" with an optional "!a" or "!b"; `part` gets 'a', 'b' or 0.
bool ParseRef(const std::string& text, const std::string& book, VerseRef& ref, char& part) {
  part = 0;
  std::string s = text;
  size_t bang = s.find('!');
  if (bang != std::string::npos) {
    if (s.size() != bang + 2 || (s[bang + 1] != 'a' && s[bang + 1] != 'b')) return false;
    part = s[bang + 1];
    s.resize(bang);
  }
  size_t dot2 = s.rfind('.');
  if (dot2 == std::string::npos || dot2 == 0) return false;
  size_t dot1 = s.rfind('.', dot2 - 1);
  if (dot1 == std::string::npos) return false;
  return s.compare(0, dot1, book) == 0 && dot1 == book.size() &&
         ParseNumber(s.substr(dot1 + 1, dot2 - dot1 - 1), ref.chapter) &&
         ParseNumber(s.substr(dot2 + 1), ref.verse);
}

}  // namespace

ImportResult VerseMap::Load(const std::string& path) {
  books_.clear();
  pairs_ = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ImportResult::Fail(path + ": cannot be opened");
  std::stringstream text;
  text << in.rdbuf();
  if (in.bad()) return ImportResult::Fail(path + ": cannot be read");
  const std::string xml = text.str();

  XmlReader reader(xmlReaderForMemory(xml.data(), static_cast<int>(xml.size()), path.c_str(),
                                      nullptr, XML_PARSE_NONET));
  if (!reader) return ImportResult::Fail(path + ": cannot be read as XML");
  XmlErrors errors(reader.get());

  auto failAt = [&](const std::string& what) {
    books_.clear();
    pairs_ = 0;
    return ImportResult::Fail(path + ":" + std::to_string(XmlNodeLine(reader.get())) + ": " + what);
  };

  std::string book;  // osisID of the open <book>, "" outside one
  int rc;
  while ((rc = xmlTextReaderRead(reader.get())) == 1) {
    const int type = xmlTextReaderNodeType(reader.get());
    const char* name = reinterpret_cast<const char*>(xmlTextReaderConstLocalName(reader.get()));
    const std::string local = name ? name : "";
    if (type == XML_READER_TYPE_END_ELEMENT && local == "book") {
      book.clear();
      continue;
    }
    if (type != XML_READER_TYPE_ELEMENT) continue;
    if (local == "book") {
      book = XmlAttribute(reader.get(), "osisID");
      if (book.empty()) return failAt("<book> without an osisID");
      // An empty <book/> has no end tag to close it.
      if (xmlTextReaderIsEmptyElement(reader.get())) book.clear();
    } else if (local == "verse") {
      if (book.empty()) return failAt("<verse> outside a <book>");
      const std::string wlc = XmlAttribute(reader.get(), "wlc");
      const std::string kjv = XmlAttribute(reader.get(), "kjv");
      if (wlc.empty() || kjv.empty()) return failAt("<verse> without both wlc and kjv");
      VerseRef hebrew, english;
      char hebrewPart, englishPart;
      if (!ParseRef(wlc, book, hebrew, hebrewPart)) return failAt("bad reference \"" + wlc + "\"");
      if (!ParseRef(kjv, book, english, englishPart))
        return failAt("bad reference \"" + kjv + "\"");
      Listing& listing = books_[book][english];
      if (englishPart == 'a') {
        if (listing.partA.chapter == 0) listing.partA = hebrew;
      } else if (englishPart == 'b') {
        if (listing.partB.chapter == 0) listing.partB = hebrew;
      } else if (std::find(listing.whole.begin(), listing.whole.end(), hebrew) ==
                 listing.whole.end()) {
        listing.whole.push_back(hebrew);
      }
      ++pairs_;
    }
  }
  if (rc != 0 || errors.any()) {
    books_.clear();
    pairs_ = 0;
    return ImportResult::Fail(path + ":" + errors.Describe(reader.get()));
  }
  return {};
}

VerseRef VerseMap::HebrewVerse(const std::string& book, VerseRef kjv) const {
  auto b = books_.find(book);
  if (b == books_.end()) return kjv;
  auto v = b->second.find(kjv);
  if (v == b->second.end()) return kjv;
  const Listing& listing = v->second;
  if (!listing.whole.empty()) return *std::max_element(listing.whole.begin(), listing.whole.end());
  if (listing.partA.chapter != 0 && listing.partB.chapter != 0) return listing.partA;
  return kjv;
}

}  // namespace orv
