// A text file read line by line through its own buffer, which knows the file
// offset of every byte it hands out. Taken just before a line is read,
// TextPos is that line's start offset; TextSeek jumps back to it later. The
// chapter offsets of BOOK and the indexes of the KJV text and the Strong's
// dictionary are made this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orv {

inline constexpr size_t kTextBufferSize = 128;

// Bytes in, bytes out: no code-page conversion. Not copyable.
class PositionedReader {
 public:
  PositionedReader() = default;
  ~PositionedReader();
  PositionedReader(const PositionedReader&) = delete;
  PositionedReader& operator=(const PositionedReader&) = delete;

  // Opens an existing file read-only (closing any file open before) and
  // reads the first buffer of `bufferSize` bytes (0 counts as the default).
  // On failure returns false and Error() holds the errno value.
  bool Open(const std::string& nativePath, size_t bufferSize = kTextBufferSize);
  // Closes the file; harmless when closed.
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Reads the next line without its line end (LF, or CR LF; a CR that is
  // the file's last byte counts as a line end too). Lines have no length
  // limit. Returns false at the end of the file, when closed, or on a read
  // error (Error() then holds the errno value).
  bool ReadLine(std::string& line);
  // The file offset of the next byte to be read (0 when closed).
  uint32_t TextPos() const { return bufferStart_ + static_cast<uint32_t>(pos_); }
  // Makes `offset` the next byte to be read. Inside the current buffer only
  // the position moves; otherwise the buffer is read again from the multiple
  // of the buffer size at or below `offset`. An offset past the end of the
  // file leaves the reader at the end. Nothing when closed.
  void TextSeek(uint32_t offset);

  // The file offset of the buffer's first byte, and the bytes it holds.
  uint32_t BufferStart() const { return bufferStart_; }
  size_t BufferCount() const { return count_; }
  size_t BufferSize() const { return buf_.size(); }
  int Error() const { return error_; }

 private:
  // Reads the buffer at file offset `start`; false at the end or on error.
  bool Fill(uint32_t start);

  int fd_ = -1;
  int error_ = 0;
  std::vector<char> buf_;
  uint32_t bufferStart_ = 0;
  size_t pos_ = 0;
  size_t count_ = 0;
};

}  // namespace orv
