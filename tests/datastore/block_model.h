// A model of a record store's blocks for randomized tests: the records block
// by block, with the engine's split rule, block removal, appending and
// packing, so that it predicts every record number.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orv::test {

using Rec = std::vector<uint8_t>;

struct Pos {
  size_t b, s;
};

// The records block by block, as the engine should hold them.
class BlockModel {
 public:
  explicit BlockModel(size_t n) : n_(n) {}
  const std::vector<std::vector<Rec>>& blocks() const { return blocks_; }
  size_t Count() const {
    size_t c = 0;
    for (const auto& b : blocks_) c += b.size();
    return c;
  }
  std::vector<Rec> Flat() const {
    std::vector<Rec> out;
    for (const auto& b : blocks_) out.insert(out.end(), b.begin(), b.end());
    return out;
  }
  size_t n() const { return n_; }
  int32_t RecNo(Pos p) const { return static_cast<int32_t>(p.b * n_ + p.s + 1); }
  Pos PosOfIndex(size_t i) const {
    for (size_t b = 0;; ++b) {
      if (i < blocks_[b].size()) return {b, i};
      i -= blocks_[b].size();
    }
  }
  bool Full(size_t b) const { return blocks_[b].size() == n_; }
  int32_t LastRecNo() const { return RecNo({blocks_.size() - 1, blocks_.back().size() - 1}); }
  // Where a record that must end up at sorted index i may be put.
  std::vector<Pos> Candidates(size_t i) const {
    if (blocks_.empty()) return {{0, 0}};
    if (i == Count()) return {{blocks_.size() - 1, blocks_.back().size()}, {blocks_.size(), 0}};
    Pos p = PosOfIndex(i);
    std::vector<Pos> out{p};
    if (p.s == 0 && p.b > 0) out.push_back({p.b - 1, blocks_[p.b - 1].size()});
    return out;
  }
  // Inserts with the split rule; returns the new record's number.
  int32_t Insert(Pos p, const Rec& r) {
    if (p.b == blocks_.size()) blocks_.emplace_back();
    if (Full(p.b)) {
      size_t kept = n_ / 2 + (p.s > n_ / 2 ? 1 : 0);
      std::vector<Rec> moved(blocks_[p.b].begin() + static_cast<long>(kept), blocks_[p.b].end());
      blocks_[p.b].resize(kept);
      blocks_.insert(blocks_.begin() + static_cast<long>(p.b) + 1, moved);
      if (p.s > kept) p = {p.b + 1, p.s - kept};
    }
    blocks_[p.b].insert(blocks_[p.b].begin() + static_cast<long>(p.s), r);
    return RecNo(p);
  }
  // Inserts `r` at whichever of the places allowed for the sorted indexes
  // `idx` gives it record number `got`; false if none does.
  bool InsertAsLanded(const std::vector<size_t>& idx, const Rec& r, int32_t got) {
    for (size_t i : idx) {
      for (Pos c : Candidates(i)) {
        BlockModel trial = *this;
        if (trial.Insert(c, r) == got) {
          *this = std::move(trial);
          return true;
        }
      }
    }
    return false;
  }
  void Erase(Pos p) {
    blocks_[p.b].erase(blocks_[p.b].begin() + static_cast<long>(p.s));
    if (blocks_[p.b].empty()) blocks_.erase(blocks_.begin() + static_cast<long>(p.b));
  }
  void Append(const Rec& r) {
    if (blocks_.empty() || Full(blocks_.size() - 1)) blocks_.emplace_back();
    blocks_.back().push_back(r);
  }
  void Pack() {
    std::vector<Rec> all = Flat();
    blocks_.clear();
    for (const Rec& r : all) Append(r);
  }
  void Clear() { blocks_.clear(); }
  void Set(Pos p, const Rec& r) { blocks_[p.b][p.s] = r; }

 private:
  size_t n_;
  std::vector<std::vector<Rec>> blocks_;
};

// A little-endian field of `size` bytes at `off`.
inline uint64_t Field(const std::vector<uint8_t>& f, size_t off, size_t size) {
  uint64_t v = 0;
  for (size_t i = size; i-- > 0;) v = (v << 8) | f[off + i];
  return v;
}

// Compares the bytes of a closed store file with the model: header fields,
// zero padding, length, and every block's count and records. Returns what
// differs first, or "" when nothing does.
inline std::string FileMismatch(const std::vector<uint8_t>& f, const BlockModel& m, int blockSize,
                                size_t recSize, bool dups) {
  const auto& blocks = m.blocks();
  if (f.size() < 1024) return "file shorter than its header area";
  const uint64_t want[][3] = {{0, 2, 1},
                              {2, 2, static_cast<uint64_t>(blockSize)},
                              {4, 2, recSize},
                              {6, 2, m.n()},
                              {8, 4, 2147483647u},
                              {12, 4, m.Count()},
                              {16, 4, blocks.size()},
                              {20, 2, 1024},
                              {22, 1, dups ? 1u : 0u}};
  for (const auto& w : want) {
    if (Field(f, w[0], w[1]) != w[2]) return "header field at byte " + std::to_string(w[0]);
  }
  for (size_t i = 59; i < 1024; ++i) {
    if (f[i] != 0) return "header area not zero at byte " + std::to_string(i);
  }
  if (f.size() != 1024 + blocks.size() * static_cast<size_t>(blockSize)) return "file length";
  for (size_t b = 0; b < blocks.size(); ++b) {
    size_t base = 1024 + b * static_cast<size_t>(blockSize);
    if (f[base] != blocks[b].size()) return "count of block " + std::to_string(b);
    for (size_t s = 0; s < blocks[b].size(); ++s) {
      const uint8_t* at = &f[base + 1 + s * recSize];
      if (!std::equal(at, at + recSize, blocks[b][s].begin())) {
        return "block " + std::to_string(b) + " slot " + std::to_string(s);
      }
    }
  }
  return "";
}

}  // namespace orv::test
