#include "archive/archive_reader.h"

#include <string_view>

#include "archive/archive_fields.h"
#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/records.h"
#include "model/text_reader.h"
#include "platform/path_map.h"

namespace orv {
namespace {

constexpr size_t kReadBuffer = 1 << 16;
constexpr int64_t kMaxStrongs = 65535;

bool IsTranslationDigit(const std::string& line, int after) {
  return !line.empty() && line[0] >= '0' && line[0] <= '5' && line[0] - '0' > after;
}

class Reader {
 public:
  Reader(PositionedReader& in, TDSControl* xlat, TDSControl* cite,
         const ArchiveReadOptions& options, const ArchiveStatus& status)
      : in_(in), xlat_(xlat), cite_(cite), opt_(options), status_(status) {}

  int32_t Run() {
    std::string line;
    while (Next(line)) {
      switch (line.empty() ? '\0' : line[0]) {
        case '*':
          if (!opt_.strongsOnly) Definition(line);
          break;
        case '+':
          CiteEntry(line);
          break;
        case '#':
          StrongsEntry(line);
          break;
        case '&':
          VerseValues(line);
          break;
        default:  // comments, blank lines, stray values or translations
          break;
      }
    }
    return result_;
  }

 private:
  // The next line: the one a definition looked at and handed back, if any.
  bool Next(std::string& line) {
    if (held_) {
      held_ = false;
      line.swap(heldLine_);
      return true;
    }
    return in_.ReadLine(line);
  }
  void HandBack(std::string& line) {
    heldLine_.swap(line);
    held_ = true;
  }
  void Fail(int32_t code) {
    if (code != kDSOk) result_ = code;
  }

  void Definition(const std::string& line) {
    size_t space = line.find(' ');
    if (space == std::string::npos) return;
    XlatRec rec;
    rec.word.Set(std::string_view(line).substr(1, space - 1));
    int end = static_cast<int>(space);
    int64_t v[4];
    for (int64_t& x : v) {
      if (!NextArchiveValue(line, end, 0, 255, x)) return;
    }
    rec.status = static_cast<uint8_t>(v[0]);
    rec.flags = static_cast<uint8_t>(v[1]);
    rec.reserved1 = static_cast<uint8_t>(v[2]);
    rec.reserved2 = static_cast<uint8_t>(v[3]);
    for (Gloss40& g : rec.gloss) g.Set("");

    std::string t;
    int digit = -1;
    while (digit < 5 && Next(t)) {
      if (!IsTranslationDigit(t, digit)) {
        HandBack(t);
        break;
      }
      digit = t[0] - '0';
      rec.gloss[static_cast<size_t>(digit)].Set(t.size() > 2 ? std::string_view(t).substr(2) : "");
    }

    int32_t recNo = 0;
    int32_t rc = DSFindPos(xlat_, &rec, recNo);
    if (rc == kDSFound) {
      Fail(DSUpdate(xlat_, recNo, &rec));
    } else if (rc == kDSOk || rc == kDSEnd) {
      int32_t ins = DSInsert(xlat_, &rec);
      if (ins != kDSFound) Fail(ins);
    } else {
      Fail(rc);
    }
  }

  // Looks the citation up in CITE; true with the record and its number when
  // it is there.
  bool FindCite(const Citation& c, CiteRec& rec, int32_t& recNo) {
    rec = CiteRec{};
    rec.cite = c;
    int32_t rc = DSFind(cite_, &rec, recNo);
    if (rc == kDSFound) return true;
    if (rc != kDSOk && rc != kDSEnd) Fail(rc);
    return false;
  }

  void CiteEntry(const std::string& line) {
    Citation c;
    int end = 1;
    bool readable = NextArchiveCitation(line, end, c);
    std::string values;
    if (!Next(values) || !readable) return;
    int64_t use, flags, strongs;
    end = 0;
    if (!NextArchiveValue(values, end, 0, 255, use) ||
        !NextArchiveValue(values, end, 0, 255, flags) ||
        !NextArchiveValue(values, end, 0, kMaxStrongs, strongs)) {
      return;
    }
    bool setUse = !opt_.strongsOnly;
    bool setStrongs = strongs != 0 || !opt_.nonZeroOnly;
    CiteRec rec;
    int32_t recNo = 0;
    if ((!setUse && !setStrongs) || !FindCite(c, rec, recNo)) return;
    if (setUse) {
      rec.use = static_cast<uint8_t>(use);
      rec.flags = static_cast<uint8_t>(flags);
    }
    if (setStrongs) rec.strongs = static_cast<uint16_t>(strongs);
    Fail(DSUpdate(cite_, recNo, &rec));
  }

  void StrongsEntry(const std::string& line) {
    Citation c;
    int end = 1;
    int64_t strongs;
    if (!NextArchiveCitation(line, end, c) || !NextArchiveValue(line, end, 0, kMaxStrongs, strongs))
      return;
    if (strongs == 0 && opt_.nonZeroOnly) return;
    CiteRec rec;
    int32_t recNo = 0;
    if (!FindCite(c, rec, recNo)) return;
    rec.strongs = static_cast<uint16_t>(strongs);
    Fail(DSUpdate(cite_, recNo, &rec));
  }

  void VerseValues(const std::string& line);

  PositionedReader& in_;
  TDSControl* xlat_;
  TDSControl* cite_;
  const ArchiveReadOptions& opt_;
  const ArchiveStatus& status_;
  int32_t result_ = kArchiveOk;
  bool held_ = false;
  std::string heldLine_;
  int lastValuesBook_ = -1;
};

// Words of a verse are consecutive in CITE, so after a word that matched,
// the next word is the next record; a lookup is needed only for the first
// word and after a miss.
void Reader::VerseValues(const std::string& line) {
  int end = 1;
  int64_t book = 0, chapter = 0, verse = 0, n = 0;
  bool readable =
      NextArchiveValue(line, end, 0, 255, book) && NextArchiveValue(line, end, 0, 255, chapter) &&
      NextArchiveValue(line, end, 0, 255, verse) && NextArchiveValue(line, end, 0, INT32_MAX, n);
  Citation c{static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
             0};
  std::string values;
  bool more = Next(values);
  if (!readable) return;
  if (c.book != lastValuesBook_) {
    lastValuesBook_ = c.book;
    if (status_) status_("Reading values for " + BookName(c.book));
  }
  if (!more) values.clear();
  // Record number of the last CITE record: a lookup landing after it has no
  // record position (in an unpacked store record numbers have gaps, so the
  // count would not do).
  int32_t last = 0;
  if (DSLastPos(cite_, last) != kDSOk) last = 0;
  end = 0;
  bool stepping = false;
  for (int64_t i = 1; i <= n; ++i) {
    int64_t value;
    ArchiveField f;
    do {
      f = NextArchiveNumber(values, end, value);
    } while (f == ArchiveField::kNumber && value < 0);
    if (f == ArchiveField::kNone) {
      result_ = kArchiveShortValues;
      return;
    }
    if (i > 255) continue;  // no verse has so many words; the value is only used up
    c.word = static_cast<uint8_t>(i);
    CiteRec rec;
    int32_t recNo = 0;
    int32_t rc;
    bool match;
    if (stepping) {
      rc = DSNext(cite_, &rec);
      if (rc == kDSOk) DSGetPos(cite_, recNo);
      match = rc == kDSOk && rec.cite == c;
    } else {
      rec.cite = c;
      rc = DSFind(cite_, &rec, recNo);
      if (rc == kDSOk && recNo > last) rc = kDSEnd;
      // Only a hit fills the buffer with the record at the position.
      match = rc == kDSFound;
    }
    if (rc == kDSEnd) {
      result_ = kArchiveNoPosition;
      return;
    }
    if (rc != kDSOk && rc != kDSFound) {
      Fail(rc);
      return;
    }
    stepping = match;
    if (!match || f != ArchiveField::kNumber || value > kMaxStrongs) continue;
    rec.strongs = static_cast<uint16_t>(value);
    Fail(DSUpdate(cite_, recNo, &rec));
  }
}

}  // namespace

int32_t ReadArchive(TXRDataStore& xlat, TXRDataStore& cite, const std::string& nativePath,
                    const ArchiveReadOptions& options, const ArchiveStatus& status) {
  PositionedReader in;
  if (!in.Open(nativePath, kReadBuffer)) return kArchiveCannotOpen;
  std::string l1, l2;
  if (!in.ReadLine(l1) || l1 != kArchiveMagic || !in.ReadLine(l2) ||
      !l2.starts_with(kArchiveVersionPrefix)) {
    return kArchiveNotArchive;
  }
  // Each Open is balanced by a Close even when it failed: the store's open
  // count went up regardless.
  TDSControl* xh = xlat.Open(true);
  TDSControl* ch = cite.Open(true);
  int32_t result = kArchiveCannotOpen;
  if (DSIsOpen(xh) && DSIsOpen(ch)) result = Reader(in, xh, ch, options, status).Run();
  // A read error ends the lines early; what was read stays, but it is not
  // the whole archive.
  if (in.Error() != 0) result = kArchiveCannotOpen;
  in.Close();
  // Read means saved, whoever else holds the stores open: a failed commit
  // leaves the stores on disk as they were before the read.
  for (TDSControl* h : {ch, xh}) {
    if (!DSIsOpen(h)) continue;
    if (int32_t rc = DSCommit(h)) result = rc;
  }
  // A close that fails keeps the changes in memory but not on disk.
  if (int32_t rc = cite.Close()) result = rc;
  if (int32_t rc = xlat.Close()) result = rc;
  if (status) status("");
  return result;
}

int32_t ReadArchive(DatastoreSet& ds, const std::string& nativePath,
                    const ArchiveReadOptions& options, const ArchiveStatus& status) {
  return ReadArchive(ds.XlatDS, ds.CiteDS, nativePath, options, status);
}

int32_t SetStrDef(DatastoreSet& ds, const std::string& programDir, bool nonZeroOnly,
                  const ArchiveStatus& status) {
  if (status) status("Read default Strong's archive");
  ArchiveReadOptions options;
  options.strongsOnly = true;
  options.nonZeroOnly = nonZeroOnly;
  return ReadArchive(ds, JoinPath(programDir, kDefaultStrongsFile), options, status);
}

std::string ArchiveReadMessage(int32_t result, bool defaultStrongs) {
  if (result != kArchiveOk) return "** Error(s) reading archive **";
  return defaultStrongs ? "Default Strong's numbers successfully read"
                        : "Archive successfully read";
}

}  // namespace orv
