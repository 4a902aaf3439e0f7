#include "config/settings_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/text_utils.h"
#include "platform/utf8.h"

namespace orv {

namespace {

// Hands out the lines of the file one at a time, numbered from 1. A line
// ends at LF; one CR before it (or before the end of the file) belongs to the
// line end.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : rest_(bytes) {}

  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    before_ = rest_;
    ++number_;
    size_t lf = rest_.find('\n');
    line = rest_.substr(0, lf);
    rest_ = lf == std::string_view::npos ? std::string_view() : rest_.substr(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }
  // Hands the line last read out again. Once per Next.
  void Unread() {
    rest_ = before_;
    --number_;
  }
  // The number of the line last read.
  int64_t Number() const { return number_; }

 private:
  std::string_view rest_;
  std::string_view before_;
  int64_t number_ = 0;
};

// The cursor, and the first line that could not be read.
struct ReadState {
  explicit ReadState(std::string_view bytes) : in(bytes) {}
  void Unreadable(int64_t line) {
    if (firstUnread == 0 || line < firstUnread) firstUnread = line;
  }
  LineCursor in;
  int64_t firstUnread = 0;
};

enum class Section { kNone, kProgram, kData, kPreferences };

// Columns are 1-based; the text from column `first` to the end of the line.
std::string_view FromColumn(std::string_view line, size_t first) {
  return line.size() >= first ? line.substr(first - 1) : std::string_view();
}

// Columns `first` .. `first + width - 1`, cut so that no UTF-8 sequence is
// split at the window's end.
std::string Columns(std::string_view line, size_t first, size_t width) {
  return FitText(FromColumn(line, first), width);
}

bool IsBlockEnd(std::string_view line) {
  if (line.size() != 3) return false;
  return (line[0] | 0x20) == 'e' && (line[1] | 0x20) == 'n' && (line[2] | 0x20) == 'd';
}

// The digit of "<prefix><digit>" keys such as ShowIL3 or ILFont8; 0 when the
// key is not that prefix followed by exactly one digit 1..8.
int LineDigit(std::string_view key, std::string_view prefix) {
  if (key.size() != prefix.size() + 1 || key.substr(0, prefix.size()) != prefix) return 0;
  char d = key.back();
  return d >= '1' && d <= '8' ? d - '0' : 0;
}

// Entry and font lines begin with three blanks; keys and terminators never do.
bool IsEntryLine(std::string_view line) { return line.substr(0, 3) == "   "; }

bool EndsInBackslash(std::string_view text) { return !text.empty() && text.back() == '\\'; }

struct EntryLines {
  std::string name;
  std::string language;
  std::string path;
};

// A source entry from its two lines. False when the first line holds what
// only a directory path holds, a final backslash (in the line or in a field
// cut from it): the entry's lines are out of order.
bool ReadEntry(std::string_view first, std::string_view second, bool withLanguage, EntryLines& e) {
  e.name = std::string(TrimBlanks(Columns(first, 4, kSourceNameCapacity)));
  if (withLanguage) {
    // The writer puts the language unpadded from column 27, so it runs to the
    // end of the line; cutting may expose blanks, hence the second trim.
    std::string lang(TrimBlanks(FromColumn(first, 27)));
    e.language = std::string(TrimBlanks(FitText(lang, kSourceLanguageCapacity)));
  }
  e.path = std::string(TrimBlanks(FromColumn(second, 4)));
  return !EndsInBackslash(TrimBlanks(FromColumn(first, 4))) && !EndsInBackslash(e.name) &&
         !EndsInBackslash(e.language);
}

// The entries of the block whose key line was read last, at most `most`.
// Its entry lines run to the terminator; any other line ends the block as if
// the terminator stood before it, and is then read as an ordinary line. Lines
// that do not pair up into entries (one lost, doubled or out of order) would
// shift every name into a path after them, so such a block gives no entry.
std::vector<EntryLines> ReadBlock(ReadState& r, bool withLanguage, size_t most) {
  const int64_t keyLine = r.in.Number();
  std::vector<EntryLines> entries;
  bool paired = true;
  bool haveFirst = false;  // `first` waits for its second line
  std::string_view first, line;
  while (r.in.Next(line) && !IsBlockEnd(line)) {
    if (!IsEntryLine(line)) {
      r.Unreadable(r.in.Number());
      r.in.Unread();
      break;
    }
    haveFirst = !haveFirst;
    if (haveFirst) {
      first = line;
      continue;
    }
    EntryLines e;
    paired = paired && ReadEntry(first, line, withLanguage, e);
    if (paired && entries.size() < most) entries.push_back(std::move(e));
  }
  if (paired && !haveFirst) return entries;
  r.Unreadable(keyLine);
  return {};
}

void ReadHebrewBlock(Settings& s, ReadState& r) {
  s.hebrew.Reset();
  for (const EntryLines& e : ReadBlock(r, false, kMaxHebrewSources)) {
    s.hebrew.Append(e.name, e.path);
  }
}

// Interlinear texts (database = false) or translation databases. Entries go
// through TILObject so line selections read earlier are renumbered; those
// past the table's size are dropped there.
void ReadSourceBlock(Settings& s, ReadState& r, bool database) {
  for (const EntryLines& e :
       ReadBlock(r, true, database ? kMaxTranslationDbs : kMaxInterlinearTexts)) {
    if (database) {
      s.il.AddTranslationDatabase(e.name, e.language, e.path);
    } else {
      s.il.AddInterlinearText(e.name, e.language, e.path);
    }
  }
}

void ReadCite(Settings& s, std::string_view value) {
  uint8_t* part[4] = {&s.cite.book, &s.cite.chapter, &s.cite.verse, &s.cite.word};
  size_t pos = 0;
  for (uint8_t* p : part) {
    while (pos < value.size() && value[pos] == ' ') ++pos;
    if (pos >= value.size()) break;
    size_t end = value.find(' ', pos);
    if (end == std::string_view::npos) end = value.size();
    int32_t v;
    if (ParseSettingsInt(value.substr(pos, end - pos), v)) *p = static_cast<uint8_t>(v);
    pos = end;
  }
}

// The line after a font key: size in columns 4..6, name from column 13.
// The size is a column field, so blanks on either side of it are allowed.
void ReadFontLine(FontSetting& font, std::string_view line, size_t nameCapacity) {
  int32_t size;
  if (!ParseSettingsInt(TrimBlanks(line.substr(std::min<size_t>(3, line.size()), 3)), size)) {
    return;
  }
  font.size = size;
  font.name = FitText(FromColumn(line, 13), nameCapacity);
}

// The font entry after the font key read last. A line that is no entry line
// is left to be read as an ordinary line, and the font keeps its value.
void ReadFontEntry(ReadState& r, FontSetting& font, size_t nameCapacity) {
  const int64_t keyLine = r.in.Number();
  std::string_view line;
  if (!r.in.Next(line)) {
    r.Unreadable(keyLine);
  } else if (!IsEntryLine(line)) {
    r.Unreadable(r.in.Number());
    r.in.Unread();
  } else {
    ReadFontLine(font, line, nameCapacity);
  }
}

void ReadData(Settings& s, std::string_view key, std::string_view value, ReadState& r) {
  if (key == "Hebrew") {
    ReadHebrewBlock(s, r);
  } else if (key == "Interlinear") {
    ReadSourceBlock(s, r, false);
  } else if (key == "Database") {
    ReadSourceBlock(s, r, true);
  } else if (key == "Cite") {
    ReadCite(s, value);
  } else if (key == "ShowKJV") {
    s.showKJV = value == "Y";
  }
  // "Sources" and unknown keys: nothing to do.
}

void ReadPreferences(Settings& s, std::string_view key, std::string_view value, ReadState& r) {
  if (key == "FlowWith") {
    s.flowWith = value == "Y";
  } else if (key == "ShowStrongs") {
    s.showStrongs = value == "Y";
  } else if (key == "UseModernFont") {
    s.useModernFont = value == "Y";
  } else if (key == "Header") {
    ParseSettingsInt(value, s.header);
  } else if (key == "Thematic" || key == "Theomatic") {
    ParseSettingsInt(value, s.thematic);
  } else if (key == "TitleSz") {
    ParseSettingsInt(value, s.titleSize);
  } else if (key == "ChapSz") {
    ParseSettingsInt(value, s.chapterSize);
  } else if (key == "MarkFOcc") {
    if (value == "Y") {
      s.markFOcc = 1;
    } else if (value == "N") {
      s.markFOcc = -1;
    } else {
      ParseSettingsInt(value, s.markFOcc);
    }
  } else if (int n = LineDigit(key, "ShowIL")) {
    int32_t v = 0;
    if (!ParseSettingsInt(value, v)) v = 0;
    s.il.SetSelection(n, v);
  } else if (key == "HebrewFont") {
    ReadFontEntry(r, s.hebrewFont, std::string::npos);
  } else if (key == "ModernFont") {
    ReadFontEntry(r, s.modernFont, std::string::npos);
  } else if (int f = LineDigit(key, "ILFont")) {
    ReadFontEntry(r, s.ilFont[f - 1], kILFontNameCapacity);
  }
}

void ResetForRead(Settings& s) {
  s.version.clear();
  s.hebrew.Reset();
  s.il.ClearTables();
  s.cite = kFirstCite;
  s.titleSize = 30;
  s.chapterSize = 20;
  s.useModernFont = false;
  s.hebrewFont.name = "Orvane Hebrew";
  s.modernFont.name = "OLBHEB";
  s.displayFont = FontSetting{12, "Orvane Hebrew"};
  s.ilFont = Settings::DefaultILFonts();
  s.markFOcc = 1;
  s.showStrongs = false;
  s.thematic = -2;
}

}  // namespace

bool ParseSettingsInt(std::string_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > int64_t{1} << 31) return false;  // past every 32-bit value
  }
  if (negative) v = -v;
  if (v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int64_t ParseSettingsLines(Settings& s, std::string_view bytes) {
  ResetForRead(s);
  ReadState r(bytes);
  Section section = Section::kNone;
  std::string_view line;
  while (r.in.Next(line)) {
    if (line == "[Program]") {
      section = Section::kProgram;
      continue;
    }
    if (line == "[Data]") {
      section = Section::kData;
      continue;
    }
    if (line == "[Preferences]") {
      section = Section::kPreferences;
      continue;
    }
    if (section == Section::kNone || line.empty()) continue;
    // An entry line where no block or font key stands before it: the key
    // line was lost. Blanks alone are taken as an empty line.
    if (IsEntryLine(line)) {
      if (line.find_first_not_of(' ') != std::string_view::npos) r.Unreadable(r.in.Number());
      continue;
    }
    size_t eq = line.find('=');
    std::string_view key = line.substr(0, eq);
    std::string_view value =
        eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
    switch (section) {
      case Section::kProgram:
        if (key == "Ver") s.version = std::string(value);
        break;
      case Section::kData:
        ReadData(s, key, value, r);
        break;
      case Section::kPreferences:
        ReadPreferences(s, key, value, r);
        break;
      case Section::kNone:
        break;
    }
  }
  return r.firstUnread;
}

}  // namespace orv
