#include "reference/rtf_text.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "platform/utf8.h"

namespace orv {
namespace {

// Deeper groups are still counted, so braces keep balancing, but share the
// innermost saved state: a flood of "{" must not grow memory without end.
constexpr size_t kMaxDepth = 512;
// Control words are at most 32 letters and parameters 10 digits; longer
// ones are consumed whole and cut.
constexpr size_t kMaxWord = 32;
constexpr int kMaxDigits = 10;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 16;

// Windows-1252 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Groups whose text is not part of the document.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "fldinst",
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "footnote", "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl",
    "themedata", "colorschememapping", "latentstyles", "datastore"};
// clang-format on

struct NamedChar {
  std::string_view word;
  uint32_t code;
};
constexpr NamedChar kNamedChars[] = {
    {"emdash", 0x2014}, {"endash", 0x2013},    {"lquote", 0x2018},
    {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
    {"bullet", 0x2022}, {"emspace", 0x2003},   {"enspace", 0x2002}};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Format {
  bool bold = false;
  bool italic = false;
  int halfPoints = kRtfDefaultHalfPoints;
  bool skip = false;    // inside a group whose text is not shown
  int unicodeSkip = 1;  // fallback characters after \uN
};

class Parser {
 public:
  explicit Parser(std::string_view in) : in_(in) {}

  RtfDocument Run() {
    while (pos_ < in_.size()) {
      char c = in_[pos_];
      if (c == '{') {
        ++pos_;
        OpenGroup();
      } else if (c == '}') {
        ++pos_;
        CloseGroup();
      } else if (c == '\\') {
        ++pos_;
        Control();
      } else {
        ++pos_;
        // Line ends in RTF are only there for the eye.
        if (c != '\r' && c != '\n') Byte(c);
      }
    }
    if (!para_.runs.empty()) EndParagraph();
    return std::move(doc_);
  }

 private:
  void OpenGroup() {
    if (stack_.size() < kMaxDepth) {
      stack_.push_back(format_);
    } else {
      ++overflow_;
    }
  }

  void CloseGroup() {
    pendingSkip_ = 0;
    if (overflow_ > 0) {
      --overflow_;
    } else if (!stack_.empty()) {
      format_ = stack_.back();
      stack_.pop_back();
    }
    // A "}" with no group open is stray; the text goes on as it was.
  }

  void Control() {
    if (pos_ >= in_.size()) return;  // a lone "\" at the end
    char c = in_[pos_];
    if (IsLetter(c)) return Word();
    ++pos_;
    switch (c) {
      case '\'': {
        int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (hi < 0 || lo < 0) return;  // not an escape after all: dropped
        pos_ += 2;
        uint32_t b = static_cast<uint32_t>(hi * 16 + lo);
        if (b >= 0x80 && b < 0xA0) b = kCp1252High[b - 0x80];
        return Char(b);
      }
      case '\\':
      case '{':
      case '}':
        return Char(static_cast<unsigned char>(c));
      case '~':
        return Char(0xA0);
      case '_':
        return Char('-');
      case '*':
        format_.skip = true;
        return;
      case '\r':
      case '\n':
        return Paragraph();
      default:
        return;  // "\-" (optional hyphen) and unknown symbols show nothing
    }
  }

  void Word() {
    size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWord));

    bool hasParam = false;
    bool negative = false;
    int64_t value = 0;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    for (int digits = 0; pos_ < in_.size() && IsDigit(in_[pos_]); ++pos_, ++digits) {
      hasParam = true;
      if (digits < kMaxDigits) value = value * 10 + (in_[pos_] - '0');
    }
    value = std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX);
    // One blank ends the word and belongs to it.
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    Apply(word, hasParam, static_cast<int32_t>(value));
  }

  void Apply(std::string_view w, bool hasParam, int32_t p) {
    if (w == "par") return Paragraph();
    if (w == "line") return Char('\n');
    if (w == "tab") return Char('\t');
    if (w == "b") {
      format_.bold = !hasParam || p != 0;
    } else if (w == "i") {
      format_.italic = !hasParam || p != 0;
    } else if (w == "fs") {
      format_.halfPoints = hasParam ? std::clamp(p, 1, kMaxHalfPoints) : kRtfDefaultHalfPoints;
    } else if (w == "plain") {
      format_.bold = format_.italic = false;
      format_.halfPoints = kRtfDefaultHalfPoints;
    } else if (w == "uc") {
      format_.unicodeSkip = hasParam ? std::clamp(p, 0, kMaxUnicodeSkip) : 1;
    } else if (w == "u" && hasParam) {
      // Code points above 32767 are written as negative 16-bit numbers.
      Char(static_cast<uint32_t>(p < 0 ? p + 65536 : p));
      pendingSkip_ = format_.unicodeSkip;
    } else if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), w) !=
               std::end(kSkippedDestinations)) {
      format_.skip = true;
    } else {
      for (const NamedChar& n : kNamedChars) {
        if (w == n.word) return Char(n.code);
      }
    }
  }

  // A text byte as it stands in the file (UTF-8 is the system code page).
  void Byte(char c) {
    if (Skipping()) return;
    Append(std::string_view(&c, 1));
  }

  void Char(uint32_t code) {
    if (Skipping()) return;
    std::string utf8;
    AppendUtf8(utf8, code);
    Append(utf8);
  }

  // The fallback characters after \uN are consumed even in skipped groups.
  bool Skipping() {
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return true;
    }
    return format_.skip;
  }

  void Append(std::string_view text) {
    std::vector<RtfRun>& runs = para_.runs;
    if (runs.empty() || runs.back().bold != format_.bold || runs.back().italic != format_.italic ||
        runs.back().halfPoints != format_.halfPoints) {
      runs.push_back({std::string(), format_.bold, format_.italic, format_.halfPoints});
    }
    runs.back().text += text;
  }

  void Paragraph() {
    if (!format_.skip) EndParagraph();
  }

  void EndParagraph() {
    para_.halfPoints = format_.halfPoints;
    doc_.paragraphs.push_back(std::move(para_));
    para_ = RtfParagraph();
  }

  std::string_view in_;
  size_t pos_ = 0;
  Format format_;
  std::vector<Format> stack_;
  size_t overflow_ = 0;
  int pendingSkip_ = 0;
  RtfParagraph para_;
  RtfDocument doc_;
};

RtfDocument PlainDocument(std::string_view bytes) {
  RtfDocument doc;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t eol = bytes.find('\n', pos);
    std::string_view line = bytes.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    RtfParagraph p;
    if (!line.empty()) p.runs.push_back({std::string(line)});
    doc.paragraphs.push_back(std::move(p));
    if (eol == std::string_view::npos) break;
    pos = eol + 1;
  }
  return doc;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += "<br />";
        break;
      default:
        out += c;
    }
  }
}

std::string PointSize(int halfPoints) {
  return std::to_string(halfPoints / 2) + (halfPoints % 2 ? ".5pt" : "pt");
}

}  // namespace

RtfDocument ParseRtf(std::string_view bytes) {
  if (bytes.substr(0, 5) != "{\\rtf") return PlainDocument(bytes);
  return Parser(bytes).Run();
}

bool ReadRtfFile(const std::string& nativePath, RtfDocument& document) {
  std::ifstream in(nativePath, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  document = ParseRtf(bytes);
  return true;
}

std::string RtfPlainText(const RtfDocument& document) {
  std::string out;
  for (const RtfParagraph& p : document.paragraphs) {
    for (const RtfRun& r : p.runs) out += r.text;
    out += '\n';
  }
  return out;
}

std::string RtfToHtml(const RtfDocument& document) {
  // No line ends between the tags: a pre-wrap paragraph would keep them.
  std::string out = "<html><body>";
  for (const RtfParagraph& p : document.paragraphs) {
    out += "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap\">";
    for (const RtfRun& r : p.runs) {
      out += "<span style=\"font-size:" + PointSize(r.halfPoints);
      if (r.bold) out += "; font-weight:bold";
      if (r.italic) out += "; font-style:italic";
      out += "\">";
      AppendEscaped(out, r.text);
      out += "</span>";
    }
    // An empty paragraph still takes a line of its own size.
    if (p.runs.empty())
      out += "<span style=\"font-size:" + PointSize(p.halfPoints) + "\">&nbsp;</span>";
    out += "</p>";
  }
  return out + "</body></html>";
}

}  // namespace orv
