#include "archive/archive_out.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

#include "model/temp_file.h"

namespace orv {
namespace {

constexpr size_t kFlushAt = 1 << 20;

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

ArchiveOut::~ArchiveOut() { Abandon(); }

bool ArchiveOut::Begin(const std::string& target) {
  Abandon();
  error_ = 0;
  target_ = target;
  // Renaming over a symbolic link would replace the link, not the file the
  // user picked through it.
  std::error_code ec;
  if (std::filesystem::is_symlink(target_, ec)) {
    std::filesystem::path real = std::filesystem::canonical(target_, ec);
    if (!ec) target_ = real.string();
  }
  // Beside the target, so that the final step is a rename within one folder.
  if (MakeTempName(temp_, DirectoryOf(target_)) != 0) {
    temp_.clear();
    return false;
  }
  file_ = std::fopen(temp_.c_str(), "wb");
  if (!file_) {
    ::unlink(temp_.c_str());
    temp_.clear();
    return false;
  }
  // A replaced archive keeps its permissions.
  struct stat st;
  if (::stat(target_.c_str(), &st) == 0) ::chmod(temp_.c_str(), st.st_mode & 07777);
  buf_.clear();
  buf_.reserve(kFlushAt + 4096);
  return true;
}

ArchiveOut& ArchiveOut::Text(std::string_view text) {
  buf_.append(text);
  return *this;
}

ArchiveOut& ArchiveOut::Number(int64_t n) {
  char digits[24];
  auto r = std::to_chars(digits, digits + sizeof digits, n);
  buf_.append(digits, r.ptr);
  return *this;
}

void ArchiveOut::EndLine() {
  buf_.append("\r\n");
  if (buf_.size() >= kFlushAt) Flush();
}

void ArchiveOut::Line(std::string_view text) {
  Text(text);
  EndLine();
}

void ArchiveOut::Flush() {
  if (file_ && error_ == 0 && !buf_.empty() &&
      std::fwrite(buf_.data(), 1, buf_.size(), file_) != buf_.size()) {
    error_ = errno != 0 ? errno : EIO;
  }
  buf_.clear();
}

int ArchiveOut::Commit() {
  if (!file_) return error_ != 0 ? error_ : EBADF;
  Flush();
  errno = 0;
  if (std::fclose(file_) != 0 && error_ == 0) error_ = errno != 0 ? errno : EIO;
  file_ = nullptr;
  if (error_ == 0) error_ = ReplaceFile(target_, temp_);
  if (error_ != 0) ::unlink(temp_.c_str());
  temp_.clear();
  return error_;
}

void ArchiveOut::Abandon() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  buf_.clear();
}

}  // namespace orv
