#include "import/oshb_reader.h"

#include <libxml/xmlreader.h>

#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

#include "import/oshb_text.h"

namespace orv {
namespace {

constexpr int kElement = XML_READER_TYPE_ELEMENT;
constexpr int kEndElement = XML_READER_TYPE_END_ELEMENT;

struct ReaderDeleter {
  void operator()(xmlTextReader* r) const { xmlFreeTextReader(r); }
};

// The first error libxml2 reports, with its line; warnings are ignored.
struct ParseError {
  std::string message;
  int line = 0;
};

// The error type is `xmlError*` in older libxml2 releases and `const
// xmlError*` in newer ones; the template takes either.
template <typename Error>
void OnXmlError(void* arg, Error* error) {
  auto* err = static_cast<ParseError*>(arg);
  if (!error || error->level < XML_ERR_ERROR || !err->message.empty()) return;
  err->message = error->message ? error->message : "XML error";
  while (!err->message.empty() && (err->message.back() == '\n' || err->message.back() == ' '))
    err->message.pop_back();
  err->line = error->line;
}

std::string_view View(const xmlChar* s) {
  return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

// The number after the last "." of an osisID ("Gen.1.3" gives 3), or 0
// when it is not a number 1..255.
int TrailingNumber(std::string_view id) {
  size_t dot = id.rfind('.');
  std::string_view digits = dot == std::string_view::npos ? id : id.substr(dot + 1);
  if (digits.empty() || digits.size() > 3) return 0;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n <= 255 ? n : 0;
}

class BookParser {
 public:
  BookParser(xmlTextReader* r, std::string path, OshbBook& book)
      : r_(r), path_(std::move(path)), book_(book) {}

  // Handles the node the reader stands on; false (with `error_`) to stop.
  bool Node() {
    int type = xmlTextReaderNodeType(r_);
    int depth = xmlTextReaderDepth(r_);
    if (type == kElement) return Start(View(xmlTextReaderConstLocalName(r_)), depth);
    if (type == kEndElement) return End(depth);
    if ((type == XML_READER_TYPE_TEXT || type == XML_READER_TYPE_CDATA) && wordDepth_ >= 0)
      wordText_ += View(xmlTextReaderConstValue(r_));
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  std::string Attr(const char* name) {
    xmlChar* v = xmlTextReaderGetAttribute(r_, reinterpret_cast<const xmlChar*>(name));
    std::string s(View(v));
    xmlFree(v);
    return s;
  }
  bool Fail(const std::string& what) {
    // The parser reads ahead; the node keeps the line it started on.
    xmlNode* node = xmlTextReaderCurrentNode(r_);
    long line = node ? xmlGetLineNo(node) : xmlTextReaderGetParserLineNumber(r_);
    error_ = path_ + ":" + std::to_string(line) + ": " + what;
    return false;
  }
  // The verse being read (called only inside one).
  OshbVerse* Verse() { return &book_.chapters.back().verses.back(); }

  bool Start(std::string_view name, int depth) {
    bool empty = xmlTextReaderIsEmptyElement(r_) == 1;
    if (name == "chapter") {
      int n = TrailingNumber(Attr("osisID"));
      if (n == 0) return Fail("chapter without a chapter number in its osisID");
      book_.chapters.push_back({n, {}});
      // An empty chapter element marks where the chapter begins; it stays
      // the current chapter until the next one.
      chapterDepth_ = empty ? -2 : depth;
      return true;
    }
    if (name == "verse") {
      if (chapterDepth_ == -1) return Fail("verse outside any chapter");
      int n = TrailingNumber(Attr("osisID"));
      if (n == 0) return Fail("verse without a verse number in its osisID");
      book_.chapters.back().verses.push_back({n, {}, {}, {}, {}});
      verseDepth_ = empty ? -1 : depth;
      return true;
    }
    if (verseDepth_ < 0) return true;
    if (noteDepth_ >= 0) return InNote(name, depth, empty);
    if (depth != verseDepth_ + 1) return true;
    if (name == "w") {
      if (empty) return Fail("word without Hebrew letters");
      wordDepth_ = depth;
      wordText_.clear();
      wordStrongs_ = LemmaStrongs(Attr("lemma"));
      wordMorph_ = Attr("morph");
    } else if (name == "seg") {
      if (Attr("type") == "x-maqqef") JoinLastWord(Verse()->tokens);
    } else if (name == "note" && !empty) {
      noteDepth_ = depth;
      variant_ = Attr("type") == "variant";
    }
    return true;
  }

  bool InNote(std::string_view name, int depth, bool empty) {
    if (!variant_) return true;
    if (name == "rdg" && Attr("type") == "x-qere") {
      qere_ = "<qere:";
      if (empty) {
        Verse()->tokens.push_back(qere_);
      } else {
        qereDepth_ = depth;
      }
    } else if (qereDepth_ >= 0 && depth == qereDepth_ + 1) {
      if (name == "w" && !empty) {
        if (qere_.size() > 6 && qere_.back() != '-') qere_ += '_';
        wordDepth_ = depth;
        wordText_.clear();
      } else if (name == "seg" && Attr("type") == "x-maqqef") {
        qere_ += '-';
      }
    }
    return true;
  }

  bool End(int depth) {
    if (depth == wordDepth_) {
      wordDepth_ = -1;
      std::string word = HebrewToSource(wordText_, &book_.undottedShin);
      if (qereDepth_ >= 0) {
        qere_ += word;
        return true;
      }
      if (word.empty()) return Fail("word without Hebrew letters");
      Verse()->tokens.push_back(std::move(word));
      Verse()->strongs.push_back(wordStrongs_);
      Verse()->morph.push_back(std::move(wordMorph_));
      Verse()->pointed.push_back(wordText_);
    } else if (depth == qereDepth_) {
      qereDepth_ = -1;
      Verse()->tokens.push_back(qere_);
    } else if (depth == noteDepth_) {
      noteDepth_ = -1;
    } else if (depth == verseDepth_) {
      verseDepth_ = -1;
    } else if (depth == chapterDepth_) {
      chapterDepth_ = -1;
    }
    return true;
  }

  // A maqqef belongs to the last word, which a qere annotation may follow.
  static void JoinLastWord(std::vector<std::string>& tokens) {
    for (auto it = tokens.rbegin(); it != tokens.rend(); ++it) {
      if (!it->starts_with('<')) {
        if (!it->ends_with('-')) *it += '-';
        return;
      }
    }
  }

  xmlTextReader* r_;
  std::string path_;
  OshbBook& book_;
  std::string error_;
  int chapterDepth_ = -1;  // -1 none, -2 an empty chapter element
  int verseDepth_ = -1;
  int noteDepth_ = -1;
  bool variant_ = false;
  int qereDepth_ = -1;
  std::string qere_;
  int wordDepth_ = -1;
  std::string wordText_;
  uint16_t wordStrongs_ = 0;
  std::string wordMorph_;
};

}  // namespace

ImportResult ReadOshbBook(const std::string& path, OshbBook& book) {
  book = OshbBook{};
  // libxml2 would report a missing file only through its generic error
  // channel; opening it first gives a plain message.
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fclose(f);
  } else {
    return ImportResult::Fail("Cannot open " + path);
  }
  std::unique_ptr<xmlTextReader, ReaderDeleter> reader(
      xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NONET));
  if (!reader) return ImportResult::Fail("Cannot read " + path);
  ParseError err;
  xmlTextReaderSetStructuredErrorHandler(reader.get(), OnXmlError, &err);
  BookParser parser(reader.get(), path, book);
  int rc;
  while ((rc = xmlTextReaderRead(reader.get())) == 1) {
    if (!parser.Node()) return ImportResult::Fail(parser.error());
  }
  if (rc != 0 || !err.message.empty()) {
    if (err.message.empty()) return ImportResult::Fail("Cannot read " + path);
    return ImportResult::Fail(path + ":" + std::to_string(err.line) + ": " + err.message);
  }
  return {};
}

}  // namespace orv
