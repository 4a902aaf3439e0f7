#include "import/xml_read.h"

namespace orv {

XmlErrors::XmlErrors(xmlTextReader* reader) {
  xmlTextReaderSetStructuredErrorHandler(reader, &XmlErrors::OnError, this);
}

void XmlErrors::OnError(void* self, xmlErrorPtr error) {
  auto* errors = static_cast<XmlErrors*>(self);
  // Warnings do not stop reading; only the first real error explains a stop.
  if (!error || error->level < XML_ERR_ERROR || errors->any()) return;
  errors->message_ = error->message ? error->message : "not well-formed XML";
  while (!errors->message_.empty() &&
         (errors->message_.back() == '\n' || errors->message_.back() == ' ')) {
    errors->message_.pop_back();
  }
  if (errors->message_.empty()) errors->message_ = "not well-formed XML";
  errors->line_ = error->line;
}

std::string XmlErrors::Describe(xmlTextReader* reader) const {
  const int line = line_ > 0 ? line_ : xmlTextReaderGetParserLineNumber(reader);
  return std::to_string(line) + ": " + (any() ? message_ : std::string("not well-formed XML"));
}

std::string XmlAttribute(xmlTextReader* reader, const char* name) {
  xmlChar* value = xmlTextReaderGetAttribute(reader, reinterpret_cast<const xmlChar*>(name));
  if (!value) return {};
  std::string s(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return s;
}

int XmlNodeLine(xmlTextReader* reader) {
  xmlNode* node = xmlTextReaderCurrentNode(reader);
  const long line = node ? xmlGetLineNo(node) : -1;
  return line > 0 ? static_cast<int>(line) : xmlTextReaderGetParserLineNumber(reader);
}

}  // namespace orv
