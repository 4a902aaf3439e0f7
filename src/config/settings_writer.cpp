#include "config/settings_writer.h"

#include <algorithm>
#include <string_view>

#include "platform/utf8.h"

namespace orv {

namespace {

constexpr std::string_view kEol = "\r\n";

// A line feed inside a value would start a new line of the file; nothing the
// reader produces holds one, only values typed in since.
std::string OneLine(std::string_view text) {
  std::string s(text);
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

std::string RightAligned(std::string_view text, size_t width) {
  std::string s(text.size() < width ? width - text.size() : 0, ' ');
  s += text;
  return s;
}

class Out {
 public:
  void Line(std::string_view text) {
    text_ += text;
    text_ += kEol;
  }
  void Pair(std::string_view key, std::string_view value) {
    text_ += key;
    text_ += '=';
    Line(value);
  }
  void Pair(std::string_view key, int32_t value) { Pair(key, std::to_string(value)); }
  void Flag(std::string_view key, bool value) { Pair(key, value ? "Y" : "N"); }
  void Font(std::string_view key, const FontSetting& font, size_t nameCapacity) {
    Line(key);
    int size = std::clamp(font.size, -99, 999);
    Line("   " + RightAligned(std::to_string(size), 3) + " " + RightAligned("0", 4) + " " +
         OneLine(FitText(font.name, nameCapacity)));
  }
  // Interlinear and Database entries: the name right-aligned in columns
  // 4..23, the language from column 27.
  void Entries(std::string_view block, const std::vector<SourceEntry>& entries) {
    if (entries.empty()) return;
    Line(block);
    for (const SourceEntry& e : entries) {
      Line("   " + RightAligned(OneLine(FitText(e.name, kSourceNameCapacity)), 20) + "   " +
           OneLine(FitText(e.language, kSourceLanguageCapacity)));
      Line("   " + OneLine(e.path));
    }
    Line("End");
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

std::string FormatSettings(const Settings& s) {
  Out out;
  out.Line("[Program]");
  out.Pair("Ver", kSettingsVersion);
  out.Line("");

  out.Line("[Data]");
  out.Line("Hebrew");
  for (int i = 0; i < s.hebrew.count && i < kMaxHebrewSources; ++i) {
    out.Line("   " + OneLine(FitText(s.hebrew.entry[i].name, kSourceNameCapacity)));
    out.Line("   " + OneLine(s.hebrew.entry[i].path));
  }
  out.Line("End");
  out.Entries("Interlinear", s.il.InterlinearTexts());
  out.Entries("Database", s.il.Databases());
  const Citation& c = s.cite;
  out.Pair("Cite", std::to_string(c.book) + " " + std::to_string(c.chapter) + " " +
                       std::to_string(c.verse) + " " + std::to_string(c.word));
  out.Flag("ShowKJV", s.showKJV);
  out.Line("");

  out.Line("[Preferences]");
  out.Flag("FlowWith", s.flowWith);
  out.Pair("Header", s.header);
  out.Pair("MarkFOcc", s.markFOcc);
  out.Flag("ShowStrongs", s.showStrongs);
  out.Pair("Thematic", s.thematic);
  out.Pair("TitleSz", s.titleSize);
  out.Pair("ChapSz", s.chapterSize);
  for (int n = 1; n <= kInterlinearLines; ++n) {
    out.Pair("ShowIL" + std::to_string(n), s.il.Selection(n));
  }
  out.Font("HebrewFont", s.hebrewFont, std::string::npos);
  out.Font("ModernFont", s.modernFont, std::string::npos);
  out.Flag("UseModernFont", s.useModernFont);
  for (int n = 1; n <= kInterlinearLines; ++n) {
    out.Font("ILFont" + std::to_string(n), s.ilFont[n - 1], kILFontNameCapacity);
  }
  return out.Take();
}

}  // namespace orv
