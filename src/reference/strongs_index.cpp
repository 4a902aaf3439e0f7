#include "reference/strongs_index.h"

#include <sys/stat.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "model/text_reader.h"

namespace orv {
namespace {

static_assert(std::endian::native == std::endian::little, "index records are little-endian");

// The dictionary is read once from end to end; a large buffer keeps the
// number of reads small.
constexpr size_t kBuildBuffer = 32768;

struct IndexRecord {
  uint32_t number = 0;
  int32_t offset = 0;
};

void Encode(const IndexRecord& r, uint8_t* rec) {
  std::memcpy(rec, &r.number, 4);
  std::memcpy(rec + 4, &r.offset, 4);
}

IndexRecord Decode(const uint8_t* rec) {
  IndexRecord r;
  std::memcpy(&r.number, rec, 4);
  std::memcpy(&r.offset, rec + 4, 4);
  return r;
}

int CompareNumbers(const void* a, const void* b) {
  uint32_t x = Decode(static_cast<const uint8_t*>(a)).number;
  uint32_t y = Decode(static_cast<const uint8_t*>(b)).number;
  return x < y ? -1 : (x > y ? 1 : 0);
}

uint32_t NumberPrefix(const void* rec) { return Decode(static_cast<const uint8_t*>(rec)).number; }

int32_t SetNumberOrder(TDSControl* h) {
  return DSSetCompare(h, CompareNumbers, nullptr, NumberPrefix);
}

// Open codes with which the store is usable (86: it works without a full
// block directory).
bool Opened(int32_t rc) { return rc == kDSOk || rc == kDSCreated || rc == kDSNoDirectory; }

void RemoveFile(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

bool HeaderLineNumber(const std::string& line, uint32_t& number) {
  if (line.empty() || line[0] != '*') return false;
  size_t end = line.find(' ', 1);
  if (end == std::string::npos) end = line.size();
  if (end <= 1) return false;
  uint64_t n = 0;
  for (size_t i = 1; i < end; ++i) {
    char c = line[i];
    if (c < '0' || c > '9') return false;
    n = n * 10 + static_cast<uint64_t>(c - '0');
    if (n > std::numeric_limits<uint32_t>::max()) return false;
  }
  number = static_cast<uint32_t>(n);
  return true;
}

bool DictionaryAge(const std::string& nativePath, int32_t& age) {
  struct stat st {};
  if (::stat(nativePath.c_str(), &st) != 0) return false;
  uint64_t ms = static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000u +
                static_cast<uint64_t>(st.st_mtim.tv_nsec) / 1000000u;
  age = static_cast<int32_t>(static_cast<uint32_t>(ms));
  return true;
}

StrongsIndex::StrongsIndex(std::string indexPath, std::string dictionaryPath)
    : indexPath_(std::move(indexPath)), dictionaryPath_(std::move(dictionaryPath)) {}

StrongsIndex::~StrongsIndex() { Close(); }

void StrongsIndex::Close() {
  // Opened read-only: nothing to write back, so a failed close loses nothing.
  if (handle_ && DSClose(handle_) != kDSOk) handle_.reset();
}

int32_t StrongsIndex::Count() const { return handle_ ? DSCount(handle_.get()) : 0; }

bool StrongsIndex::OpenForReading() {
  Close();
  // DSOpen would create a missing file, even for reading; probing first keeps
  // a lookup from leaving an empty index behind.
  if (DSProbe(indexPath_) != kDSOk) return false;
  DSParams params = DSSetParams(kStrongsIndexRecordSize, 0, 0, false);
  if (!Opened(DSOpen(indexPath_, handle_, 'r', params))) return false;
  if (SetNumberOrder(handle_.get()) != kDSOk) {
    handle_.reset();
    return false;
  }
  return true;
}

bool StrongsIndex::Ensure() {
  int32_t age = 0;
  if (OpenForReading() && DictionaryAge(dictionaryPath_, age)) {
    TDSControl* h = handle_.get();
    int32_t stored = 0;
    int32_t stop = 0;
    // The order check reads every block once: a few dozen blocks for the
    // whole dictionary, and it catches damage that the header does not show
    // (unreadable blocks, counts that disagree, keys out of order).
    if (DSGetHeader(h).recordSize == kStrongsIndexRecordSize && DSCount(h) > 0 &&
        DSGetUserLong(h, 1, stored) == kDSOk && stored == age && DSCheckOrder(h, stop) == kDSOk) {
      return true;
    }
  }
  return Rebuild();
}

bool StrongsIndex::Rebuild() {
  Close();
  // The old file goes first: the engine would refuse a damaged header, or
  // take over a header whose marks or flags are not an index's, and nothing
  // in it is worth keeping.
  RemoveFile(indexPath_);
  DSHandle h;
  if (!Opened(DSOpen(indexPath_, h, 'w', DSSetParams(kStrongsIndexRecordSize, 0, 0, false))))
    return false;
  int32_t age = 0;
  int32_t rc = SetNumberOrder(h.get());
  if (rc == kDSOk) rc = DSClear(h.get());
  if (rc == kDSOk) rc = Fill(h.get(), age);
  if (rc == kDSOk) rc = DSSetUserLong(h.get(), 1, age);
  if (rc == kDSOk) rc = DSClose(h);
  if (rc != kDSOk) {
    // A half-built index must not pass for a good one at the next start.
    h.reset();
    RemoveFile(indexPath_);
    return false;
  }
  return OpenForReading();
}

int32_t StrongsIndex::Fill(TDSControl* h, int32_t& age) {
  // The age is taken before reading, so a dictionary changed while it is
  // read leaves an index that the next check finds stale.
  if (!DictionaryAge(dictionaryPath_, age)) return kDSEnd;
  PositionedReader in;
  if (!in.Open(dictionaryPath_, kBuildBuffer)) return kDSEnd;
  uint8_t rec[kStrongsIndexRecordSize];
  bool any = false;
  uint32_t highest = 0;
  std::string line;
  for (;;) {
    uint32_t offset = in.TextPos();
    if (!in.ReadLine(line)) break;
    if (line.empty() || line[0] != '*') continue;
    // Offsets are kept in 31 bits; entries further on are still found by
    // reading on from the last indexed one.
    if (offset > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) break;
    uint32_t number = 0;
    if (!HeaderLineNumber(line, number)) continue;
    Encode({number, static_cast<int32_t>(offset)}, rec);
    int32_t rc = kDSOk;
    if (!any || number > highest) {
      // The usual case, a dictionary in ascending order, only ever appends.
      rc = DSAppend(h, rec);
      any = true;
      highest = number;
    } else {
      uint8_t found[kStrongsIndexRecordSize];
      Encode({number, 0}, found);
      int32_t recNo = 0;
      rc = DSFind(h, found, recNo);
      if (rc == kDSFound) continue;  // the first header of a number wins, as a scan would find it
      if (rc == kDSOk || rc == kDSEnd) rc = DSInsert(h, rec);
      if (rc == kDSFound) rc = kDSOk;
    }
    if (rc != kDSOk) return rc;
  }
  return in.Error() == 0 ? kDSOk : kDSShortRead;
}

int32_t StrongsIndex::Locate(uint32_t number, IndexSpot& spot) {
  spot = IndexSpot();
  TDSControl* h = handle_.get();
  uint8_t rec[kStrongsIndexRecordSize];
  Encode({number, 0}, rec);
  int32_t recNo = 0;
  int32_t rc = DSFind(h, rec, recNo);
  if (rc == kDSFound) {
    spot.exact = true;
  } else if (rc == kDSOk) {
    if (recNo < 2) return kDSOk;
    // DSPrev rather than record number recNo - 1: after keyed inserts the
    // record numbers have gaps.
    rc = DSPrev(h, rec);
    if (rc == kDSEnd) return kDSOk;
  } else if (rc == kDSEnd) {
    // Past the last record of a full last block: the last entry is the one
    // below the number.
    if (DSCount(h) == 0) return kDSOk;
    int32_t last = 0;
    rc = DSLastPos(h, last);
    if (rc == kDSOk) rc = DSReadAt(h, last, rec);
  }
  if (rc != kDSOk && rc != kDSFound) {
    spot = IndexSpot();
    return rc;
  }
  int32_t offset = Decode(rec).offset;
  spot.offset = offset > 0 ? static_cast<uint32_t>(offset) : 0;
  if (spot.offset == 0) spot.exact = false;
  return kDSOk;
}

}  // namespace orv
