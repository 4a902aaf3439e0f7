#include "interlinear/line_source.h"

#include <cstring>

#include "datastore/data_store.h"
#include "model/books.h"
#include "model/records.h"
#include "model/source_reader.h"
#include "platform/path_map.h"

namespace orv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CloseFile(LineSource& s) {
  s.file.Close();
  s.haveLine = false;
  s.column = 0;
  s.line.clear();
  s.state = SourceState::kClosed;
}

// Moves to the next line; false at the end of the file (state 2).
bool NextLine(LineSource& s) {
  s.column = 0;
  s.haveLine = s.file.ReadLine(s.line);
  if (!s.haveLine) s.state = SourceState::kAtEnd;
  return s.haveLine;
}

void SkipLine(LineSource& s) { s.column = s.line.size(); }

// The next token from the current column, empty when the line has none left.
std::string_view TakeToken(LineSource& s) {
  std::string_view line = s.line;
  size_t i = s.column;
  while (i < line.size() && line[i] == ' ') ++i;
  size_t start = i;
  while (i < line.size() && line[i] != ' ') ++i;
  s.column = i;
  return line.substr(start, i - start);
}

// Applies a "*" line: header values, direction, or a chapter marker (true).
// The whole line is consumed.
bool ApplyHeader(LineSource& s) {
  Directive d = ParseDirective(s.line);
  SkipLine(s);
  std::string_view value = d.value;
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  if (d.isChapter) {
    s.position.chapter = d.chapter;
    s.position.verse = 0;
    s.position.word = 0;
    return true;
  }
  if (d.name == "BOOK")
    s.bookTitle = value;
  else if (d.name == "CITE")
    s.citeStyle = value;
  else if (d.name == "WHAT")
    s.description = value;
  else if (d.name == "LANG")
    s.language = value;
  else if (d.name == "L-R")
    s.direction = 1;
  else if (d.name == "R-L")
    s.direction = -1;
  s.position.word = 0;
  return false;
}

// A verse line's number token at column 1, or false when the line's first
// token is no whole number (the line then continues the verse, as the
// build reads it).
bool TakeVerseNumber(LineSource& s) {
  size_t saved = s.column;
  uint8_t verse = 0;
  if (ParseCiteNumber(TakeToken(s), verse)) {
    s.position.verse = verse;
    s.position.word = 0;
    return true;
  }
  s.column = saved;
  return false;
}

// Reads the header lines at the top of a freshly opened file, stopping at
// the first line of any other kind, which stays current.
void ReadHeaderLines(LineSource& s) {
  while (NextLine(s)) {
    if (s.line.empty() || s.line.front() != '*') return;
    Directive d = ParseDirective(s.line);
    if (d.isChapter) return;
    ApplyHeader(s);
  }
}

void Rewind(LineSource& s, uint32_t offset) {
  s.file.TextSeek(offset);
  s.state = SourceState::kOpen;
  s.haveLine = false;
  s.column = 0;
  s.position = {s.position.book, 0, 0, 0};
}

// Jumps to the chapter line that `hint` should point at; false (and back at
// the file's start) when the line there is not that chapter's.
bool RewindToHint(LineSource& s, uint32_t hint, uint8_t chapter) {
  Rewind(s, hint);
  if (NextLine(s) && !s.line.empty() && s.line.front() == '*') {
    Directive d = ParseDirective(s.line);
    if (d.isChapter && d.chapter == chapter) {
      s.column = 0;
      return true;
    }
  }
  Rewind(s, 0);
  return false;
}

// Reads forward until the position reaches `target`; 0, or 1 at the end of
// the file. Continuation lines (and ";" lines) inside the wanted verse count
// their words, as the next-word reader and the build count them.
int ScanTo(LineSource& s, Citation target) {
  while (s.position < target) {
    if (!s.haveLine || s.column >= s.line.size()) {
      if (!NextLine(s)) return 1;
      continue;
    }
    const bool inChapter = s.position.book == target.book && s.position.chapter == target.chapter;
    const bool inVerse = inChapter && s.position.verse == target.verse;
    if (s.column == 0) {
      char c = s.line.front();
      if (c == '*') {
        ApplyHeader(s);
        continue;
      }
      // A ";" line is a comment outside the verse sought; inside it the
      // next-word reader and the build take its tokens as words, and so
      // must the count here.
      if ((c == ';' && !inVerse) || !inChapter) {
        SkipLine(s);
        continue;
      }
      if (IsDigit(c) && TakeVerseNumber(s)) continue;
    }
    if (!inVerse) {
      SkipLine(s);
      continue;
    }
    std::string_view token = TakeToken(s);
    if (!token.empty() && token.front() != '<') ++s.position.word;
  }
  return 0;
}

int SeekText(LineSource& s, Citation cite, uint32_t hint) {
  if (s.position.book != cite.book) {
    if (s.state == SourceState::kOpen || s.state == SourceState::kAtEnd) CloseFile(s);
    s.position.book = 0;
  }
  // A book without its file leaves the line empty for that book only: the
  // next book is tried again (an interlinear text may cover some books).
  if (s.state == SourceState::kFailed && s.failedBook != cite.book) s.state = SourceState::kClosed;
  if (s.state == SourceState::kFailed) return 1;
  Citation target = cite;
  if (target.word > 0) --target.word;

  if (s.state == SourceState::kClosed) {
    std::string path = NativePath(s.directory + BookCode(cite.book) + s.extension);
    if (cite.book < 1 || cite.book > kBookCount || !s.file.Open(path, kLineSourceBuffer)) {
      CloseFile(s);
      s.state = SourceState::kFailed;
      s.failedBook = cite.book;
      return 1;
    }
    s.state = SourceState::kOpen;
    s.position = {cite.book, 0, 0, 0};
    ReadHeaderLines(s);
    s.state = SourceState::kOpen;
    s.column = 0;
  }

  bool outsideChapter = s.position.chapter != target.chapter;
  bool usedHint = false;
  if (hint != 0 && (s.state == SourceState::kAtEnd || outsideChapter || target < s.position)) {
    usedHint = RewindToHint(s, hint, target.chapter);
  } else if (s.state == SourceState::kAtEnd || target < s.position) {
    Rewind(s, 0);
  }
  if (ScanTo(s, target) == 0) return 0;
  if (!usedHint) return 1;
  // The hint led astray (a source file changed since BOOK was built): read
  // the whole file from its start instead.
  Rewind(s, 0);
  return ScanTo(s, target);
}

int NextTextWord(LineSource& s, std::string& text) {
  while (s.state == SourceState::kOpen) {
    if (!s.haveLine || s.column >= s.line.size()) {
      if (!NextLine(s)) break;
      continue;
    }
    if (s.column == 0) {
      char c = s.line.front();
      if (c == '*') {
        if (ApplyHeader(s)) return 0;
        continue;
      }
      if (IsDigit(c) && TakeVerseNumber(s)) continue;
    }
    std::string_view token = TakeToken(s);
    if (token.empty() || token.front() == '<') continue;
    ++s.position.word;
    text = token;
    return 0;
  }
  return -1;
}

// Opens a store of the translation group unless it is open already.
TDSControl* OpenStore(TXRDataStore* store) {
  if (!store) return nullptr;
  if (!DSIsOpen(store->Handle())) store->Open(true);
  return DSIsOpen(store->Handle()) ? store->Handle() : nullptr;
}

int SeekDatabase(LineSource& s, Citation cite) {
  TDSControl* citeH = nullptr;
  if (s.citeStore && s.citeStore->Exists()) citeH = OpenStore(s.citeStore);
  if (!OpenStore(s.xlatStore)) return -1;
  s.citeCursor = 0;
  if (!citeH) return 0;
  CiteRec key{};
  key.cite = cite;
  int32_t recNo = 0;
  int32_t rc = DSFind(citeH, &key, recNo);
  if (rc == kDSFound) s.citeCursor = recNo;
  if (rc == kDSOk || rc == kDSFound) s.position = key.cite;
  return 0;
}

// The definition selection of `cite`'s CITE record, trying the record at the
// cursor first (the page asks for the words in text order); -1 when the
// citation has no record.
int SelectionFor(LineSource& s, Citation cite) {
  TDSControl* h = s.citeStore ? s.citeStore->Handle() : nullptr;
  if (!DSIsOpen(h)) return -1;
  CiteRec rec{};
  if (s.citeCursor > 0 && DSReadAt(h, s.citeCursor, &rec) == 0 && rec.cite == cite) {
    ++s.citeCursor;
    return rec.use;
  }
  rec = CiteRec{};
  rec.cite = cite;
  int32_t recNo = 0;
  if (DSFind(h, &rec, recNo) != kDSFound) return -1;
  s.citeCursor = recNo + 1;
  return rec.use;
}

int NextDatabaseWord(LineSource& s, std::string& text, Citation cite, std::string_view hebrewWord) {
  TDSControl* xlat = s.xlatStore ? s.xlatStore->Handle() : nullptr;
  if (!DSIsOpen(xlat)) return -1;
  int use = SelectionFor(s, cite);
  s.position = cite;
  if (hebrewWord.empty()) return 0;
  XlatRec rec{};
  rec.word.Set(hebrewWord.substr(0, kWordCap));
  int32_t recNo = 0;
  if (DSFind(xlat, &rec, recNo) != kDSFound) return 0;
  size_t n = (use >= 0 && use < 6) ? static_cast<size_t>(use) : 0;
  text = rec.gloss[n].Str();
  return 0;
}

}  // namespace

void ResetLineSource(LineSource& source) {
  SourceClose(source);
  source.directory = "\\ORV\\";
  source.extension.clear();
  source.kind = SourceKind::kNone;
  source.state = SourceState::kClosed;
  source.direction = 1;
  source.position = {};
  source.citeStore = nullptr;
  source.xlatStore = nullptr;
  source.citeCursor = 0;
  source.failedBook = 0;
}

int SourceSeek(LineSource& source, Citation cite, uint32_t hint) {
  switch (source.kind) {
    case SourceKind::kText:
      return SeekText(source, cite, hint);
    case SourceKind::kDatabase:
      return SeekDatabase(source, cite);
    default:
      return -1;
  }
}

int SourceNextWord(LineSource& source, std::string& text, Citation cite,
                   std::string_view hebrewWord) {
  text.clear();
  switch (source.kind) {
    case SourceKind::kText:
      return NextTextWord(source, text);
    case SourceKind::kDatabase:
      return NextDatabaseWord(source, text, cite, hebrewWord);
    default:
      return -1;
  }
}

void SourceClose(LineSource& source) {
  if (source.kind == SourceKind::kDatabase) return;
  if (source.state == SourceState::kOpen || source.state == SourceState::kAtEnd) {
    CloseFile(source);
    source.position.book = 0;
  }
}

}  // namespace orv
