#include "interlinear/ilt_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/citation.h"
#include "model/source_reader.h"
#include "model/temp_file.h"
#include "model/text_utils.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr size_t kLineLimit = 80;
constexpr char kNoGloss[] = "...";
constexpr char kEol[] = "\r\n";

// Splits on LF and drops one CR before it, so files with either line end
// read alike; a last line without a line end still counts.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return lines;
}

// The citation a merge line sets, if it sets one. Numbers are bytes like
// everywhere else in the text files, so a verse 256 reads as 0 and is
// ignored like any verse below 1.
bool SetsCitation(std::string_view line, Citation& cite) {
  if (line.empty()) return false;
  uint8_t n = 0;
  if (line.front() == '*') {
    if (!ParseCiteNumber(line.substr(1), n) || n < 1) return false;
    cite.chapter = n;
    cite.verse = 0;
    cite.word = 0;
    return true;
  }
  if (line.front() < '0' || line.front() > '9') return false;
  if (!ParseCiteNumber(line.substr(0, line.find(' ')), n) || n < 1) return false;
  cite.verse = n;
  cite.word = 0;
  return true;
}

bool ReadFile(const std::string& path, std::string& text, bool missingIsEmpty) {
  text.clear();
  std::error_code ec;
  fs::file_status st = fs::status(path, ec);
  if (missingIsEmpty && st.type() == fs::file_type::not_found) return true;
  // Anything but a plain file (a folder, a device) would fail or block in
  // the middle of reading, so it is refused up front.
  if (st.type() != fs::file_type::regular) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const std::string& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return !out.fail();
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A fresh temporary file beside `file` holding `text`; "" when none can be
// made (a partly written one is removed again).
std::string WriteTempBeside(const std::string& file, std::string_view text) {
  std::string name;
  if (MakeTempName(name, FolderOf(file)) != 0) return std::string();
  if (!WriteFile(name, text)) {
    std::remove(name.c_str());
    return std::string();
  }
  return name;
}

}  // namespace

std::vector<IltVerse> ReadIltChapter(std::string_view text, uint8_t chapter) {
  std::vector<IltVerse> verses;
  SourceScanner scanner(0);
  bool inVerse = false;  // a verse line of `chapter` was met and no header since
  auto addGloss = [&](const SourceWord& w) {
    if (!inVerse) return;
    verses.back().glosses.emplace_back(w.token == kNoGloss ? std::string_view() : w.token);
  };
  for (std::string_view line : SplitLines(text)) {
    if (!line.empty() && line.front() == ';') continue;
    // Scan only reports a verse line after handing out its words, so the
    // verse entry is opened beforehand by the same test Scan makes.
    int start = 0;
    int end = 0;
    uint8_t n = 0;
    if (!line.empty() && line.front() != '*' && NextField(line, start, end) && start == 1 &&
        ParseCiteNumber(line.substr(0, static_cast<size_t>(end)), n)) {
      inVerse = scanner.Chapter() == chapter;
      if (inVerse) verses.push_back(IltVerse{chapter, n, {}});
    }
    if (scanner.Scan(line, addGloss) == SourceLine::kDirective &&
        scanner.LastDirective().isChapter) {
      inVerse = false;
    }
  }
  return verses;
}

std::string StoredGloss(std::string_view gloss) {
  if (gloss.empty()) return kNoGloss;
  std::string s(gloss);
  for (char& c : s) {
    // A line break would end the verse line in the middle of the gloss.
    if (c == ' ' || c == '\r' || c == '\n') c = '-';
  }
  return s;
}

std::string FormatEditedVerses(const std::vector<IltVerse>& verses) {
  std::string out;
  bool first = true;
  uint8_t chapter = 0;
  for (const IltVerse& v : verses) {
    if (first || v.chapter != chapter) {
      // Appended piece by piece: "*" + std::to_string(...) makes GCC 12 at
      // -O3 report a false -Wrestrict inside std::string (GCC PR 105651).
      out += '*';
      out += std::to_string(v.chapter);
      out += kEol;
      chapter = v.chapter;
      first = false;
    }
    std::string line = std::to_string(v.verse);
    if (v.verse < 10) line += ' ';
    // The count starts at 3 on every line, the width a verse number below
    // 100 takes, so that breaks fall alike whatever the verse number.
    size_t counted = 3;
    for (const std::string& g : v.glosses) {
      std::string stored = StoredGloss(g);
      if (counted + 1 + stored.size() > kLineLimit) {
        out += line + kEol;
        line = "  ";
        counted = 3;
      }
      line += ' ' + stored;
      counted += 1 + stored.size();
    }
    out += line + kEol;
  }
  return out;
}

std::string MergeVerseText(std::string_view book, std::string_view edited) {
  std::vector<std::string_view> b = SplitLines(book);
  std::vector<std::string_view> e = SplitLines(edited);
  std::string out;
  auto put = [&out](std::string_view line) {
    out.append(line);
    out += kEol;
  };
  Citation bc{}, ec{};
  size_t bi = 0, ei = 0;
  if (bi < b.size()) SetsCitation(b[bi], bc);
  if (ei < e.size()) SetsCitation(e[ei], ec);
  while (bi < b.size() && ei < e.size()) {
    if (bc < ec) {
      put(b[bi]);
      if (++bi < b.size()) SetsCitation(b[bi], bc);
      continue;
    }
    if (ec == bc) {
      // The book's lines for this citation give way to the edited ones.
      while (++bi < b.size() && !SetsCitation(b[bi], bc)) {
      }
    }
    put(e[ei]);
    if (++ei < e.size()) SetsCitation(e[ei], ec);
  }
  for (; bi < b.size(); ++bi) put(b[bi]);
  for (; ei < e.size(); ++ei) put(e[ei]);
  return out;
}

int MergeVerseFile(const std::string& bookFile, const std::string& editedFile) {
  std::string book, edited;
  if (!ReadFile(bookFile, book, true) || !ReadFile(editedFile, edited, false)) return -1;
  std::string temp = WriteTempBeside(bookFile, MergeVerseText(book, edited));
  if (temp.empty()) return -1;
  int rc = ReplaceFile(bookFile, temp);
  if (rc != 0) std::remove(temp.c_str());
  return rc;
}

int WriteIltVerses(const std::string& bookFile, const std::vector<IltVerse>& verses) {
  // Chapter or verse 0 would give lines that set no citation, and the merge
  // would then let them stand for the book's header lines.
  for (const IltVerse& v : verses) {
    if (v.chapter == 0 || v.verse == 0) return -1;
  }
  std::string edited = WriteTempBeside(bookFile, FormatEditedVerses(verses));
  if (edited.empty()) return -1;
  int rc = MergeVerseFile(bookFile, edited);
  std::remove(edited.c_str());
  return rc;
}

}  // namespace orv
