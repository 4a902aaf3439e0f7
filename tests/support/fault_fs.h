// File systems for tests that pass every call to another one but can make a
// read or write come back short, or a sync fail, as a full disk or a failing
// device would.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace orv::test {

// Passes every call to `base`; each read or write of a file it opened
// transfers only as many of its bytes as Transfer() allows.
class ShortTransferFS : public FileSystem {
 public:
  explicit ShortTransferFS(FileSystem& base = DefaultFileSystem()) : base_(base) {}
  ShortTransferFS(const ShortTransferFS&) = delete;
  ShortTransferFS& operator=(const ShortTransferFS&) = delete;

  std::unique_ptr<RandomAccessFile> Open(const std::string& path, bool writable) override {
    return Wrap(base_.Open(path, writable));
  }
  std::unique_ptr<RandomAccessFile> Create(const std::string& path) override {
    return Wrap(base_.Create(path));
  }
  bool Remove(const std::string& path) override { return base_.Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return base_.Rename(from, to);
  }
  bool SyncDirectory(const std::string& dir) override {
    return SyncAllowed() && (!syncToDevice || base_.SyncDirectory(dir));
  }

  // Off: a sync is counted (and may fail) but does not wait for the device.
  // Enough for a test whose "crash" drops a handle, which the operating
  // system's cache survives; it keeps sweeps over every sync quick.
  bool syncToDevice = true;

 protected:
  // How many of the `n` bytes of this read (or write) go through.
  virtual size_t Transfer(bool write, size_t n) = 0;
  // Whether this sync (of a file or a folder) succeeds.
  virtual bool SyncAllowed() { return true; }

 private:
  class File final : public RandomAccessFile {
   public:
    File(ShortTransferFS& fs, std::unique_ptr<RandomAccessFile> f) : fs_(fs), f_(std::move(f)) {}
    size_t ReadAt(uint64_t offset, void* buf, size_t n) override {
      return f_->ReadAt(offset, buf, fs_.Transfer(false, n));
    }
    size_t WriteAt(uint64_t offset, const void* buf, size_t n) override {
      return f_->WriteAt(offset, buf, fs_.Transfer(true, n));
    }
    bool Truncate(uint64_t size) override { return f_->Truncate(size); }
    uint64_t Size() override { return f_->Size(); }
    bool Sync() override { return fs_.SyncAllowed() && (!fs_.syncToDevice || f_->Sync()); }

   private:
    ShortTransferFS& fs_;
    std::unique_ptr<RandomAccessFile> f_;
  };

  std::unique_ptr<RandomAccessFile> Wrap(std::unique_ptr<RandomAccessFile> f) {
    if (!f) return nullptr;
    return std::make_unique<File>(*this, std::move(f));
  }

  FileSystem& base_;
};

// Makes the Nth read, write or sync (counted over all its files and folders,
// from 1) fail: half the bytes are transferred and the short count is
// returned, or the sync answers false.
class FaultFS final : public ShortTransferFS {
 public:
  using ShortTransferFS::ShortTransferFS;

  // Fails the nth read, write or sync from now on; 0 = never.
  void FailAt(int64_t n) {
    ops_ = 0;
    failAt_ = n;
    fired_ = false;
    failedWrite_ = false;
    failedSync_ = false;
  }
  int64_t ops() const { return ops_; }
  bool fired() const { return fired_; }
  bool failedWrite() const { return failedWrite_; }
  bool failedSync() const { return failedSync_; }

 private:
  size_t Transfer(bool write, size_t n) override {
    if (++ops_ != failAt_) return n;
    fired_ = true;
    failedWrite_ = write;
    return n / 2;
  }
  bool SyncAllowed() override {
    if (++ops_ != failAt_) return true;
    fired_ = true;
    failedSync_ = true;
    return false;
  }

  int64_t ops_ = 0;
  int64_t failAt_ = 0;
  bool fired_ = false;
  bool failedWrite_ = false;
  bool failedSync_ = false;
};

// Transfers every byte until armed; then every read (or write) transfers
// nothing, every sync fails, or writes stop at `diskFree` bytes in all (a
// full disk: the write that reaches it comes back short).
class BrokenFS final : public ShortTransferFS {
 public:
  bool failReads = false;
  bool failWrites = false;
  bool failSyncs = false;
  int64_t diskFree = -1;  // bytes still writable; -1 = no limit

 private:
  size_t Transfer(bool write, size_t n) override {
    if (write ? failWrites : failReads) return 0;
    if (!write || diskFree < 0) return n;
    size_t put = std::min(n, static_cast<size_t>(diskFree));
    diskFree -= static_cast<int64_t>(put);
    return put;
  }
  bool SyncAllowed() override { return !failSyncs; }
};

}  // namespace orv::test
