#include "datastore/ds_header.h"

#include <algorithm>
#include <cstring>

#include "datastore/ds_bytes.h"
#include "platform/utf8.h"

namespace orv {

void TDSHeader::Encode(uint8_t* out) const {
  DSPut16(out + 0, validMark);
  DSPut16(out + 2, blockSize);
  DSPut16(out + 4, recordSize);
  DSPut16(out + 6, recordsPerBlock);
  DSPut32(out + 8, recordLimit);
  DSPut32(out + 12, static_cast<uint32_t>(recordCount));
  DSPut32(out + 16, blockCount);
  DSPut16(out + 20, dataOffset);
  out[22] = duplicates;
  DSPut16(out + 23, static_cast<uint16_t>(userWord1));
  DSPut16(out + 25, static_cast<uint16_t>(userWord2));
  DSPut32(out + 27, static_cast<uint32_t>(userLong1));
  DSPut32(out + 31, static_cast<uint32_t>(userLong2));
  std::memcpy(out + 35, userText1.data(), 12);
  std::memcpy(out + 47, userText2.data(), 12);
}

TDSHeader TDSHeader::Decode(const uint8_t* in) {
  TDSHeader h;
  h.validMark = DSGet16(in + 0);
  h.blockSize = DSGet16(in + 2);
  h.recordSize = DSGet16(in + 4);
  h.recordsPerBlock = DSGet16(in + 6);
  h.recordLimit = DSGet32(in + 8);
  h.recordCount = static_cast<int32_t>(DSGet32(in + 12));
  h.blockCount = DSGet32(in + 16);
  h.dataOffset = DSGet16(in + 20);
  h.duplicates = in[22];
  h.userWord1 = static_cast<int16_t>(DSGet16(in + 23));
  h.userWord2 = static_cast<int16_t>(DSGet16(in + 25));
  h.userLong1 = static_cast<int32_t>(DSGet32(in + 27));
  h.userLong2 = static_cast<int32_t>(DSGet32(in + 31));
  std::memcpy(h.userText1.data(), in + 35, 12);
  std::memcpy(h.userText2.data(), in + 47, 12);
  return h;
}

DSBlockShape DSBlockRule(int recordSize, int requestedBlockSize) {
  int b;
  int n;
  if (requestedBlockSize != 0 && requestedBlockSize >= recordSize) {
    b = std::min(requestedBlockSize, kDSMaxBlockSize);
    n = (b - 1) / recordSize;
    while (n > 255) {
      b /= 2;
      n = (b - 1) / recordSize;
    }
  } else {
    b = 32768;
    do {
      b /= 2;
      n = (b - 1) / recordSize;
    } while (n > 255);
  }
  return {b, n};
}

std::string DSTextValue(const DSText12& field) {
  size_t len = std::min<size_t>(field[0], kDSUserTextCap);
  return std::string(reinterpret_cast<const char*>(field.data() + 1), len);
}

DSText12 DSTextField(const std::string& text, int cap) {
  DSText12 f{};
  const size_t len = Utf8FitLength(text, static_cast<size_t>(std::clamp(cap, 0, 11)));
  f[0] = static_cast<uint8_t>(len);
  std::memcpy(f.data() + 1, text.data(), len);
  return f;
}

}  // namespace orv
