#include "import/kjv_writer.h"

#include "import/text_wrap.h"

namespace orv {

std::string FileTextToken(std::string_view text) {
  if (!text.empty() && text.back() >= '0' && text.back() <= '9') {
    // Appended: "[" + std::string(...) makes GCC 12 at -O3 report a false
    // -Wrestrict inside std::string (GCC bug 105651).
    return std::string("[").append(text).append("]");
  }
  return std::string(text);
}

void AppendVerseLines(std::string& out, VerseRef verse, const std::vector<KjvToken>& tokens,
                      size_t width) {
  std::string line = std::to_string(verse.chapter) + ":" + std::to_string(verse.verse) + " ";
  size_t column = Utf8Length(line);
  bool lineHasToken = false;
  for (const KjvToken& token : tokens) {
    const std::string text = token.strongs ? token.text : FileTextToken(token.text);
    const size_t length = Utf8Length(text);
    if (lineHasToken && column + 1 + length > width) {
      out += line;
      out += "\r\n";
      line = " " + text;
      column = 1 + length;
      continue;
    }
    // The verse line's blank after the number already separates its first token.
    if (lineHasToken) {
      line += ' ';
      ++column;
    }
    line += text;
    column += length;
    lineHasToken = true;
  }
  out += line;
  out += "\r\n";
}

}  // namespace orv
