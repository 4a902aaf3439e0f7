#include "import/hebrew_verses.h"

#include <fstream>

#include "import/xml_read.h"

namespace orv {
namespace {

// Reads the number before position `end` of `id` going back to a '.';
// `end` moves to that '.'.
bool NumberBefore(const std::string& id, size_t& end, int& n) {
  n = 0;
  int scale = 1;
  size_t i = end;
  while (i > 0 && id[i - 1] >= '0' && id[i - 1] <= '9' && scale <= 100) {
    n += (id[i - 1] - '0') * scale;
    scale *= 10;
    --i;
  }
  if (i == end || i == 0 || id[i - 1] != '.' || n == 0) return false;
  end = i - 1;
  return true;
}

}  // namespace

ImportResult ReadHebrewVerseNumbers(const std::string& path, std::vector<VerseRef>& verses) {
  verses.clear();
  if (!std::ifstream(path, std::ios::binary))
    return ImportResult::Fail(path + ": cannot be opened");
  XmlReader reader(xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NONET));
  if (!reader) return ImportResult::Fail(path + ": cannot be read");
  xmlTextReader* r = reader.get();
  XmlErrors errors(r);
  static const xmlChar kVerse[] = "verse";
  int rc;
  while ((rc = xmlTextReaderRead(r)) == 1) {
    if (xmlTextReaderNodeType(r) != XML_READER_TYPE_ELEMENT ||
        !xmlStrEqual(xmlTextReaderConstLocalName(r), kVerse)) {
      continue;
    }
    const std::string id = XmlAttribute(r, "osisID");
    VerseRef ref;
    size_t end = id.size();
    if (!NumberBefore(id, end, ref.verse) || !NumberBefore(id, end, ref.chapter)) {
      verses.clear();
      return ImportResult::Fail(path + ":" + std::to_string(XmlNodeLine(r)) + ": verse osisID \"" +
                                id + "\" does not end in chapter.verse");
    }
    verses.push_back(ref);
  }
  if (rc != 0 || errors.any()) {
    verses.clear();
    return ImportResult::Fail(path + ":" + errors.Describe(r));
  }
  return {};
}

}  // namespace orv
