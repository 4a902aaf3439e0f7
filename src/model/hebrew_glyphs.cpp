#include "model/hebrew_glyphs.h"

#include <array>

namespace orv {
namespace {

// One UTF-8 letter per byte value; the Hebrew letters U+05D0..U+05EA all take
// two bytes, so a fixed array per entry avoids any allocation.
struct GlyphTable {
  std::array<std::array<char, 3>, 256> utf8{};  // two bytes and a terminator
  GlyphTable(std::initializer_list<std::pair<char, uint16_t>> letters) {
    for (auto [byte, code] : letters) {
      auto& g = utf8[static_cast<uint8_t>(byte)];
      g[0] = static_cast<char>(0xC0 | (code >> 6));
      g[1] = static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  std::string_view Glyph(uint8_t c) const { return utf8[c][0] ? utf8[c].data() : ""; }
  std::string Convert(std::string_view text) const {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
      std::string_view g = Glyph(static_cast<uint8_t>(ch));
      if (g.empty()) {
        out += ch;
      } else {
        out += g;
      }
    }
    return out;
  }
};

const GlyphTable& StorageTable() {
  static const GlyphTable table{
      {'a', 0x05D0}, {'b', 0x05D1}, {'g', 0x05D2}, {'d', 0x05D3}, {'e', 0x05D4}, {'v', 0x05D5},
      {'z', 0x05D6}, {'h', 0x05D7}, {'t', 0x05D8}, {'i', 0x05D9}, {'k', 0x05DB}, {'l', 0x05DC},
      {'m', 0x05DE}, {'n', 0x05E0}, {'s', 0x05E1}, {'o', 0x05E2}, {'p', 0x05E4}, {'c', 0x05E6},
      {'q', 0x05E7}, {'r', 0x05E8}, {'w', 0x05E9}, {'x', 0x05EA}, {'K', 0x05DA}, {'M', 0x05DD},
      {'N', 0x05DF}, {'P', 0x05E3}, {'C', 0x05E5}};
  return table;
}

bool IsStorageLetter(char c) { return c >= 'a' && c <= 'z'; }

const GlyphTable& SourceTable() {
  static const GlyphTable table{
      {'a', 0x05D0}, {'b', 0x05D1}, {'g', 0x05D2}, {'d', 0x05D3}, {'h', 0x05D4}, {'w', 0x05D5},
      {'z', 0x05D6}, {'x', 0x05D7}, {'j', 0x05D8}, {'y', 0x05D9}, {'K', 0x05DA}, {'k', 0x05DB},
      {'l', 0x05DC}, {'M', 0x05DD}, {'m', 0x05DE}, {'N', 0x05DF}, {'n', 0x05E0}, {'o', 0x05E1},
      {'e', 0x05E2}, {'P', 0x05E3}, {'p', 0x05E4}, {'U', 0x05E5}, {'u', 0x05E6}, {'q', 0x05E7},
      {'r', 0x05E8}, {'s', 0x05E9}, {'v', 0x05E9}, {'t', 0x05EA}};
  return table;
}

}  // namespace

std::string StorageToHebrew(std::string_view text) { return StorageTable().Convert(text); }

std::string MarkFinalForms(std::string_view word) {
  std::string out(word);
  for (size_t i = 1; i < out.size(); ++i) {
    const char c = out[i];
    const bool ends = i + 1 == out.size() || !IsStorageLetter(out[i + 1]);
    if (ends && IsStorageLetter(out[i - 1]) &&
        (c == 'c' || c == 'k' || c == 'm' || c == 'n' || c == 'p')) {
      out[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}
std::string SourceToHebrew(std::string_view text) { return SourceTable().Convert(text); }

std::string_view StorageLetterGlyph(uint8_t storageLetter) {
  return StorageTable().Glyph(storageLetter);
}
std::string_view SourceLetterGlyph(uint8_t sourceChar) { return SourceTable().Glyph(sourceChar); }

}  // namespace orv
