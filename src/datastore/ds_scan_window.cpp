// The forward walk's read-ahead window (W1 in docs/file-format.md).
#include <algorithm>

#include "datastore/ds_control.h"

namespace orv {
namespace {

// The most bytes read at a time: a walk through a store costs a few reads
// per megabyte, and the buffer is nothing beside the cache.
constexpr uint32_t kWindowBytes = 64 * 1024;

// Reads blocks from `block` on. A walk that goes on from the window's end
// reads twice as many blocks as last time, up to the most; any other place
// starts again with one, so a short run read after a seek costs one block.
int32_t Fill(TDSControl& c, uint32_t block) {
  DSScanWindow& w = c.window;
  const uint32_t most = std::max<uint32_t>(1, kWindowBytes / static_cast<uint32_t>(c.B()));
  const bool goesOn = w.count > 0 && block == w.first + w.count;
  w.next = goesOn ? std::min(most, w.next * 2) : 1;
  if (w.capacity < w.next) {
    w.buf.reset(new uint8_t[static_cast<size_t>(most) * static_cast<size_t>(c.B())]);
    w.capacity = most;
  }
  const uint32_t want = std::min<uint32_t>(w.next, c.hdr.blockCount - block);
  const size_t bytes = static_cast<size_t>(want) * static_cast<size_t>(c.B());
  const uint64_t offset = DSBlockOffset(c, block);
  const size_t got = c.file->ReadAt(offset, w.buf.get(), bytes);
  w.first = block;
  w.count = static_cast<uint32_t>(got / static_cast<size_t>(c.B()));
  // The file may end before the store's last blocks, which are then in the
  // cache (made since the last write-back) or missing (a damaged file: the
  // block itself reads short). A read that comes back short although the
  // file holds every byte asked for failed.
  if (got < bytes && c.file->Size() >= offset + bytes) w.count = 0;
  return w.count > 0 ? kDSOk : kDSShortRead;
}

}  // namespace

int32_t DSScanBlock(TDSControl& c, uint32_t block, const uint8_t** out) {
  // W1: a block whose bytes differ from the file's is always in the cache,
  // so the cache is asked first; an operation holding every block
  // (pinAll) and a store without a file use the cache alone.
  uint8_t* cached = nullptr;
  if (DSCacheHas(c, block, &cached) || c.pinAll || !c.file) {
    if (int32_t rc = DSCacheGet(c, block, true, &cached)) return rc;
    *out = cached;
    return kDSOk;
  }
  DSScanWindow& w = c.window;
  if (w.count == 0 || block < w.first || block - w.first >= w.count) {
    if (int32_t rc = Fill(c, block)) return rc;
  }
  const uint8_t* buf = w.buf.get() + static_cast<size_t>(block - w.first) * c.B();
  // As in the cache: a count above the slots of a block means a damaged file.
  if (buf[0] > c.N()) return kDSShortRead;
  *out = buf;
  return kDSOk;
}

void DSScanWindowDrop(TDSControl& c) { c.window.count = 0; }

}  // namespace orv
