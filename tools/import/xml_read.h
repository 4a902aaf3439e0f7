// Small helpers around libxml2's xmlTextReader for the importer's readers:
// ownership, attributes, and the file line of what went wrong.
#pragma once

#include <libxml/xmlreader.h>

#include <memory>
#include <string>

namespace orv {

struct XmlReaderDeleter {
  void operator()(xmlTextReader* r) const { xmlFreeTextReader(r); }
};
using XmlReader = std::unique_ptr<xmlTextReader, XmlReaderDeleter>;

// Keeps the first error the parser reports, with the line it reported it
// at, and keeps libxml2 from printing it. Install before the first read;
// the object must outlive the reading.
class XmlErrors {
 public:
  explicit XmlErrors(xmlTextReader* reader);
  bool any() const { return !message_.empty(); }
  // "LINE: message", the line where the parser stopped (0 when unknown).
  std::string Describe(xmlTextReader* reader) const;

 private:
  static void OnError(void* self, xmlErrorPtr error);
  std::string message_;
  int line_ = 0;
};

// The attribute's value on the reader's current element; "" when absent.
std::string XmlAttribute(xmlTextReader* reader, const char* name);

// The line of the reader's current node in its file (its start tag for an
// element): the parser itself may have read further ahead.
int XmlNodeLine(xmlTextReader* reader);

}  // namespace orv
