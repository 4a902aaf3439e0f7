// File systems for tests that pass every call to another one but can make a
// read or write come back short, as a full disk or a failing device would.
#pragma once

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

 protected:
  // How many of the `n` bytes of this read (or write) go through.
  virtual size_t Transfer(bool write, size_t n) = 0;

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

// Makes the Nth read or write (counted over all its files, from 1) come back
// short: half the bytes are transferred and the short count is returned.
class FaultFS final : public ShortTransferFS {
 public:
  using ShortTransferFS::ShortTransferFS;

  // Fails the nth read or write from now on; 0 = never.
  void FailAt(int64_t n) {
    ops_ = 0;
    failAt_ = n;
    fired_ = false;
    failedWrite_ = false;
  }
  int64_t ops() const { return ops_; }
  bool fired() const { return fired_; }
  bool failedWrite() const { return failedWrite_; }

 private:
  size_t Transfer(bool write, size_t n) override {
    if (++ops_ != failAt_) return n;
    fired_ = true;
    failedWrite_ = write;
    return n / 2;
  }

  int64_t ops_ = 0;
  int64_t failAt_ = 0;
  bool fired_ = false;
  bool failedWrite_ = false;
};

// Transfers every byte until armed; then every read (or write) transfers
// nothing.
class BrokenFS final : public ShortTransferFS {
 public:
  bool failReads = false;
  bool failWrites = false;

 private:
  size_t Transfer(bool write, size_t n) override {
    return (write ? failWrites : failReads) ? 0 : n;
  }
};

}  // namespace orv::test
