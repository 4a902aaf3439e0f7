#include "kjv/kjv_index.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "datastore/ds_codes.h"
#include "kjv/kjv_line.h"
#include "model/books.h"
#include "model/text_reader.h"
#include "platform/path_map.h"

namespace orv {

namespace {

namespace fs = std::filesystem;

DSParams IndexParams() { return DSSetParams(sizeof(KjvIndexRec), 0, 0, false); }

const KjvIndexRec& Rec(const void* p) { return *static_cast<const KjvIndexRec*>(p); }

}  // namespace

int KjvIndexOrder(const void* a, const void* b) {
  const KjvIndexRec& x = Rec(a);
  const KjvIndexRec& y = Rec(b);
  if (x.book != y.book) return static_cast<int>(x.book) - static_cast<int>(y.book);
  return static_cast<int>(x.chapter) - static_cast<int>(y.chapter);
}

KjvIndex::KjvIndex(std::string programDir, std::string indexPath)
    : programDir_(std::move(programDir)), indexPath_(std::move(indexPath)) {}

KjvIndex::~KjvIndex() { Close(); }

std::string KjvIndex::IndexFile() const { return NativePath(indexPath_); }

void KjvIndex::Close() {
  // Read-only: there is nothing to write back, so a failed close loses nothing.
  if (handle_) DSClose(handle_);
  handle_.reset();
  ready_ = false;
}

bool KjvIndex::Open() {
  if (ready_) return true;
  if (OpenExisting(true)) return ready_ = true;
  if (!Build()) return false;
  // Not by age this time: a book file dated in the future would otherwise
  // have the index rebuilt at every use.
  ready_ = OpenExisting(false);
  return ready_;
}

// Book files replaced since the index was written (a new import) would leave
// it pointing into the middle of other lines.
bool KjvIndex::OlderThanBookFiles(const std::string& indexFile) const {
  std::error_code ec;
  const fs::file_time_type indexTime = fs::last_write_time(indexFile, ec);
  if (ec) return true;
  for (int book = 1; book <= kBookCount; ++book) {
    const fs::file_time_type t = fs::last_write_time(KjvBookPath(programDir_, book), ec);
    if (!ec && t > indexTime) return true;
  }
  return false;
}

bool KjvIndex::OpenExisting(bool checkAge) {
  Close();
  const std::string file = IndexFile();
  // Probing first: the engine would create a missing file even for reading.
  if (DSProbe(file) != kDSOk || (checkAge && OlderThanBookFiles(file))) return false;
  DSOpen(file, handle_, 'r', IndexParams());
  if (!DSIsOpen(handle_.get())) {
    handle_.reset();
    return false;
  }
  DSSetCompare(handle_.get(), KjvIndexOrder, KjvIndexOrder, nullptr);
  // The index is small, so checking every block once per run is cheap, and
  // it catches a damaged file that would otherwise answer lookups wrongly.
  std::string why;
  if (DSGetHeader(handle_.get()).recordSize != sizeof(KjvIndexRec) || DSCount(handle_.get()) <= 0 ||
      DSCheckInvariants(handle_.get(), why) != kDSOk) {
    Close();
    return false;
  }
  return true;
}

bool KjvIndex::Build() {
  Close();
  const std::string file = IndexFile();
  std::error_code ec;
  fs::create_directories(fs::path(file).parent_path(), ec);
  // A damaged file would be left as it is by the engine: start from nothing.
  fs::remove(file, ec);
  DSHandle out;
  DSOpen(file, out, 'w', IndexParams());
  if (!DSIsOpen(out.get())) {
    out.reset();
    fs::remove(file, ec);
    return false;
  }
  DSSetCompare(out.get(), KjvIndexOrder, KjvIndexOrder, nullptr);
  DSClear(out.get());
  auto abandon = [&]() {
    out.reset();  // dropped without writing back
    fs::remove(file, ec);
  };

  PositionedReader reader;
  std::string line;
  for (int book = 1; book <= kBookCount; ++book) {
    const std::string path = KjvBookPath(programDir_, book);
    if (!reader.Open(path, kKjvReadBuffer)) {
      const int error = reader.Error();
      abandon();
      throw KjvError(KjvReadMessage(path, error));
    }
    int previous = 0;
    for (;;) {
      const uint32_t at = reader.TextPos();
      if (!reader.ReadLine(line)) break;
      KjvVerseLine verse;
      if (!ParseKjvVerseLine(line, verse)) continue;
      const bool starts = verse.chapter > 0 && verse.chapter != previous;
      previous = verse.chapter;
      // Chapters beyond the record's 16 bits cannot be asked for anyway.
      if (!starts || verse.chapter > 0xFFFF) continue;
      KjvIndexRec rec;
      rec.book = static_cast<uint16_t>(book);
      rec.chapter = static_cast<uint16_t>(verse.chapter);
      rec.offset = at;
      // A chapter met again further on keeps its first place, where reading
      // from the file's start would find it too; the engine would store the
      // equal key beside the first.
      int32_t recNo = 0;
      int32_t rc = DSFindPos(out.get(), &rec, recNo);
      if (rc != kDSFound) rc = DSInsert(out.get(), &rec);
      if (rc != kDSOk && rc != kDSFound) {
        abandon();
        return false;
      }
    }
    if (reader.Error() != 0) {
      const int error = reader.Error();
      abandon();
      throw KjvError(KjvReadMessage(path, error));
    }
    reader.Close();
  }
  if (DSClose(out) != kDSOk) {
    abandon();
    return false;
  }
  return true;
}

uint32_t KjvIndex::ChapterOffset(int book, int chapter) {
  if (!Open()) return 0;
  if (book < 0 || book > 0xFFFF || chapter < 0 || chapter > 0xFFFF) return 0;
  KjvIndexRec key;
  key.book = static_cast<uint16_t>(book);
  key.chapter = static_cast<uint16_t>(chapter);
  int32_t recNo = 0;
  if (DSFind(handle_.get(), &key, recNo) != kDSFound) return 0;
  return key.offset;
}

}  // namespace orv
