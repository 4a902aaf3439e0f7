// A file system for tests that passes every call to another one but makes
// the Nth read or write (counted over all its files, from 1) come back short:
// half the bytes are transferred and the short count is returned, as a full
// disk or a failing device would do.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace orv::test {

class FaultFS final : public FileSystem {
 public:
  explicit FaultFS(FileSystem& base = DefaultFileSystem()) : base_(base) {}
  FaultFS(const FaultFS&) = delete;
  FaultFS& operator=(const FaultFS&) = delete;

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

  std::unique_ptr<RandomAccessFile> Open(const std::string& path, bool writable) override {
    return Wrap(base_.Open(path, writable));
  }
  std::unique_ptr<RandomAccessFile> Create(const std::string& path) override {
    return Wrap(base_.Create(path));
  }
  bool Remove(const std::string& path) override { return base_.Remove(path); }

 private:
  class File final : public RandomAccessFile {
   public:
    File(FaultFS& fs, std::unique_ptr<RandomAccessFile> f) : fs_(fs), f_(std::move(f)) {}
    size_t ReadAt(uint64_t offset, void* buf, size_t n) override {
      if (!fs_.Tick(false)) return f_->ReadAt(offset, buf, n);
      return f_->ReadAt(offset, buf, n / 2);
    }
    size_t WriteAt(uint64_t offset, const void* buf, size_t n) override {
      if (!fs_.Tick(true)) return f_->WriteAt(offset, buf, n);
      return f_->WriteAt(offset, buf, n / 2);
    }
    bool Truncate(uint64_t size) override { return f_->Truncate(size); }
    uint64_t Size() override { return f_->Size(); }

   private:
    FaultFS& fs_;
    std::unique_ptr<RandomAccessFile> f_;
  };

  std::unique_ptr<RandomAccessFile> Wrap(std::unique_ptr<RandomAccessFile> f) {
    if (!f) return nullptr;
    return std::make_unique<File>(*this, std::move(f));
  }
  // Counts one transfer; true when it is the one to fail.
  bool Tick(bool write) {
    if (++ops_ != failAt_) return false;
    fired_ = true;
    failedWrite_ = write;
    return true;
  }

  FileSystem& base_;
  int64_t ops_ = 0;
  int64_t failAt_ = 0;
  bool fired_ = false;
  bool failedWrite_ = false;
};

}  // namespace orv::test
