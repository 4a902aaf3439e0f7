#include "model/text_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orv {

PositionedReader::~PositionedReader() { Close(); }

bool PositionedReader::Open(const std::string& nativePath, size_t bufferSize) {
  Close();
  error_ = 0;
  int fd;
  do {
    fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    error_ = errno;
    return false;
  }
  fd_ = fd;
  buf_.assign(bufferSize == 0 ? kTextBufferSize : bufferSize, '\0');
  Fill(0);
  // A descriptor that cannot be read (a directory) is no open file.
  if (error_ != 0) Close();
  return error_ == 0;
}

void PositionedReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  bufferStart_ = 0;
  pos_ = 0;
  count_ = 0;
}

// pread at an explicit offset keeps the buffer start the one source of truth
// for where the buffer came from; the descriptor's own position is unused.
bool PositionedReader::Fill(uint32_t start) {
  bufferStart_ = start;
  pos_ = 0;
  count_ = 0;
  if (fd_ < 0) return false;
  ssize_t n;
  do {
    n = ::pread(fd_, buf_.data(), buf_.size(), static_cast<off_t>(start));
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    error_ = errno;
    return false;
  }
  count_ = static_cast<size_t>(n);
  return count_ > 0;
}

bool PositionedReader::ReadLine(std::string& line) {
  line.clear();
  if (fd_ < 0) return false;
  bool any = false;
  for (;;) {
    if (pos_ >= count_) {
      // A seek past the end leaves pos_ beyond count_; the file offset of the
      // next byte is then TextPos, which is where the next buffer starts.
      uint32_t next = bufferStart_ + static_cast<uint32_t>(pos_);
      if (!Fill(next)) {
        pos_ = next - bufferStart_;
        break;
      }
    }
    any = true;
    const char* begin = buf_.data() + pos_;
    const void* lf = std::memchr(begin, '\n', count_ - pos_);
    if (lf) {
      size_t take = static_cast<size_t>(static_cast<const char*>(lf) - begin);
      line.append(begin, take);
      pos_ += take + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    line.append(begin, count_ - pos_);
    pos_ = count_;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

void PositionedReader::TextSeek(uint32_t offset) {
  if (fd_ < 0) return;
  if (offset >= bufferStart_ && offset - bufferStart_ < count_) {
    pos_ = offset - bufferStart_;
    return;
  }
  uint32_t size = static_cast<uint32_t>(buf_.size());
  Fill(offset - offset % size);
  pos_ = offset % size;
}

}  // namespace orv
