// The 59-byte header record at the start of every record file, and the rule
// that picks a block size for a record size. Byte layout: docs/file-format.md.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orv {

inline constexpr int kDSHeaderBytes = 59;
inline constexpr int kDSHeaderArea = 1024;     // data offset of every named file
inline constexpr int kDSMaxRecordSize = 16383;
inline constexpr int kDSMaxBlockSize = 16384;
inline constexpr uint32_t kDSNoLimit = 2147483647u;
inline constexpr int kDSUserTextCap = 11;

// A length-prefixed text of capacity 11: one length byte, then 11 bytes.
using DSText12 = std::array<uint8_t, 12>;

struct TDSHeader {
  uint16_t validMark = 0;
  uint16_t blockSize = 0;
  uint16_t recordSize = 0;
  uint16_t recordsPerBlock = 0;
  uint32_t recordLimit = 0;
  int32_t recordCount = 0;
  uint32_t blockCount = 0;
  uint16_t dataOffset = 0;
  uint8_t duplicates = 0;
  int16_t userWord1 = 0;
  int16_t userWord2 = 0;
  int32_t userLong1 = 0;
  int32_t userLong2 = 0;
  DSText12 userText1{};
  DSText12 userText2{};

  // Little-endian, fields back to back, exactly kDSHeaderBytes bytes.
  void Encode(uint8_t* out) const;
  static TDSHeader Decode(const uint8_t* in);
};

struct DSBlockShape {
  int blockSize;
  int recordsPerBlock;
};

// Block size and records per block for a record size (1..16383) and a
// requested block size (0 = default). Never more than 255 records a block.
DSBlockShape DSBlockRule(int recordSize, int requestedBlockSize);

// Text of a length-prefixed field, and a field holding `text` cut to `cap`
// bytes (never inside a UTF-8 sequence). Unused bytes are zero.
std::string DSTextValue(const DSText12& field);
DSText12 DSTextField(const std::string& text, int cap = kDSUserTextCap);

}  // namespace orv
