// Small XLAT and CITE stores in a temporary folder for the archive tests,
// and a file system that makes the store files' reads or writes fail.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "platform/file_system.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv::test {

inline XlatRec MakeXlat(const std::string& word, uint8_t status, uint8_t flags,
                        std::initializer_list<std::string> glosses) {
  XlatRec r;
  r.word.Set(word);
  r.status = status;
  r.flags = flags;
  for (Gloss40& g : r.gloss) g.Set("");
  size_t i = 0;
  for (const std::string& g : glosses) r.gloss[i++].Set(g);
  return r;
}

inline CiteRec MakeCite(int book, int chapter, int verse, int word, int use = 0, int flags = 0,
                        int strongs = 0) {
  CiteRec r;
  r.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
            static_cast<uint8_t>(word)};
  r.foc2 = book * 1000 + word;
  r.use = static_cast<uint8_t>(use);
  r.flags = static_cast<uint8_t>(flags);
  r.strongs = static_cast<uint16_t>(strongs);
  return r;
}

inline bool SameBytes(const void* a, const void* b, size_t n) {
  return std::equal(static_cast<const char*>(a), static_cast<const char*>(a) + n,
                    static_cast<const char*>(b));
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// An archive: the two header lines, then `body` with its LF line ends
// turned into CR LF.
inline std::string Archive(const std::string& body) {
  std::string out = "ORV Archive File\r\nVersion 1.9.1\r\n";
  for (char c : body) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The stores of a datastore set in a fresh folder.
struct ArchiveStores {
  TempDir dir;
  DatastoreSet ds{dir.path() + "/", dir.path() + "/"};
};

// Passes every call to the real file system until armed; then every read
// (or write) of a store file transfers nothing.
class BrokenFS final : public FileSystem {
 public:
  bool failReads = false;
  bool failWrites = false;

  std::unique_ptr<RandomAccessFile> Open(const std::string& path, bool writable) override {
    return Wrap(DefaultFileSystem().Open(path, writable));
  }
  std::unique_ptr<RandomAccessFile> Create(const std::string& path) override {
    return Wrap(DefaultFileSystem().Create(path));
  }
  bool Remove(const std::string& path) override { return DefaultFileSystem().Remove(path); }

 private:
  class File final : public RandomAccessFile {
   public:
    File(BrokenFS& fs, std::unique_ptr<RandomAccessFile> f) : fs_(fs), f_(std::move(f)) {}
    size_t ReadAt(uint64_t offset, void* buf, size_t n) override {
      return fs_.failReads ? 0 : f_->ReadAt(offset, buf, n);
    }
    size_t WriteAt(uint64_t offset, const void* buf, size_t n) override {
      return fs_.failWrites ? 0 : f_->WriteAt(offset, buf, n);
    }
    bool Truncate(uint64_t size) override { return f_->Truncate(size); }
    uint64_t Size() override { return f_->Size(); }

   private:
    BrokenFS& fs_;
    std::unique_ptr<RandomAccessFile> f_;
  };
  std::unique_ptr<RandomAccessFile> Wrap(std::unique_ptr<RandomAccessFile> f) {
    return f ? std::make_unique<File>(*this, std::move(f)) : nullptr;
  }
};

}  // namespace orv::test
