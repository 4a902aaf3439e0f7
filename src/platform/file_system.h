// The file layer under the record-file engine and the settings writer. They
// only ever talk to a FileSystem, so tests can swap in one that fails on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orv {

// An open file addressed by absolute byte offsets. Reads and writes return the
// number of bytes transferred; anything short of the request is a failure the
// caller reports (an I/O error counts as 0 bytes).
class RandomAccessFile {
 public:
  virtual ~RandomAccessFile() = default;
  virtual size_t ReadAt(uint64_t offset, void* buf, size_t n) = 0;
  virtual size_t WriteAt(uint64_t offset, const void* buf, size_t n) = 0;
  virtual bool Truncate(uint64_t size) = 0;
  virtual uint64_t Size() = 0;
  // Returns once the file's data (and its length) are on the device; false
  // when that cannot be promised.
  virtual bool Sync() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file; nullptr if it cannot be opened.
  virtual std::unique_ptr<RandomAccessFile> Open(const std::string& path, bool writable) = 0;
  // Creates a new file for reading and writing; nullptr on failure, also
  // when something already exists at `path` (it is never emptied).
  virtual std::unique_ptr<RandomAccessFile> Create(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // Replaces `to` with `from` in one step: afterwards `to` names either the
  // old file or the new one, never a mix. Both lie in one folder.
  virtual bool Rename(const std::string& from, const std::string& to) {
    (void)from;
    (void)to;
    return false;
  }
  // Makes the folder's entries (files made, renamed or removed in it)
  // lasting; false when that cannot be promised.
  virtual bool SyncDirectory(const std::string& dir) {
    (void)dir;
    return true;
  }
};

// The real file system (POSIX). Paths are native paths.
FileSystem& DefaultFileSystem();

}  // namespace orv
