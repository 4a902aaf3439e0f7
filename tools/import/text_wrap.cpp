#include "import/text_wrap.h"

namespace orv {

namespace {

// Length in bytes of the character that starts at text[i]. Malformed
// sequences count byte by byte, so a bad byte can never swallow good text.
size_t CharBytes(std::string_view text, size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t n = lead < 0x80           ? 1
             : (lead >> 5) == 0x6  ? 2
             : (lead >> 4) == 0xE  ? 3
             : (lead >> 3) == 0x1E ? 4
                                   : 0;
  if (n == 0 || i + n > text.size()) return 1;
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Byte length of the first `chars` characters of `text`.
size_t PrefixBytes(std::string_view text, size_t chars) {
  size_t i = 0;
  for (size_t c = 0; c < chars && i < text.size(); ++c) i += CharBytes(text, i);
  return i;
}

}  // namespace

size_t Utf8Length(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += CharBytes(text, i)) ++count;
  return count;
}

std::vector<std::string> WrapText(std::string_view text, size_t width) {
  if (width == 0) width = 1;
  std::vector<std::string> lines;
  std::string line;
  size_t lineChars = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ' ') {
      ++pos;
      continue;
    }
    size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(pos, end - pos);
    pos = end;
    size_t wordChars = Utf8Length(word);
    if (lineChars > 0 && lineChars + 1 + wordChars <= width) {
      line += ' ';
      line += word;
      lineChars += 1 + wordChars;
      continue;
    }
    if (lineChars > 0) lines.push_back(std::move(line));
    // Only a word wider than a whole line is cut; its last piece starts
    // the next line so that following words can join it.
    while (wordChars > width) {
      size_t bytes = PrefixBytes(word, width);
      lines.emplace_back(word.substr(0, bytes));
      word.remove_prefix(bytes);
      wordChars -= width;
    }
    line.assign(word);
    lineChars = wordChars;
  }
  if (lineChars > 0) lines.push_back(std::move(line));
  return lines;
}

}  // namespace orv
