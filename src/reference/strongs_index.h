// The index "Hebrew.XRD" of the Strong's dictionary "Hebrew.def": a record
// file of (entry number, byte offset of the entry's header line) pairs, so a
// lookup reads a few lines of the dictionary instead of all of it. The index
// belongs to one state of the dictionary: its header's user long 1 holds the
// dictionary's file age at the time it was built.
//
// Record layout (8 bytes, keys unique):
//   bytes 0-3  entry number, unsigned 32 bits (the key, compared unsigned)
//   bytes 4-7  byte offset of the header line, signed 32 bits
#pragma once

#include <cstdint>
#include <string>

#include "datastore/ds_object.h"

namespace orv {

inline constexpr int kStrongsIndexRecordSize = 8;

// The dictionary's file age as the index header keeps it: the modification
// time in milliseconds since 1970, wrapped to 32 bits. Only equality
// matters, so the wrap does no harm, and a rewrite within the same second
// still changes it. False when the file cannot be examined.
bool DictionaryAge(const std::string& nativePath, int32_t& age);

// The number of a dictionary header line: the characters after its leading
// "*" up to the first space, when they are all digits and fit 32 bits.
bool HeaderLineNumber(const std::string& line, uint32_t& number);

// Where reading the dictionary should begin for a number.
struct IndexSpot {
  uint32_t offset = 0;  // 0 = from the beginning of the dictionary
  bool exact = false;   // the offset is the number's own header line
};

// Owns the open index handle. Not copyable.
class StrongsIndex {
 public:
  StrongsIndex(std::string indexPath, std::string dictionaryPath);
  ~StrongsIndex();
  StrongsIndex(const StrongsIndex&) = delete;
  StrongsIndex& operator=(const StrongsIndex&) = delete;

  // Opens the index for reading when it is usable: it opens, has 8-byte
  // records, holds at least one record in strictly ascending order, and its
  // user long 1 equals the dictionary's current file age. Otherwise it is
  // rebuilt first. True when the index is open afterwards.
  bool Ensure();
  // Rebuilds the index from the dictionary whatever its state (a damaged
  // file is removed first) and opens it for reading. True when open.
  // An entry whose number is not above every number before it (a dictionary
  // out of order) is put in its place by key; of two headers with the same
  // number the first in the file is kept.
  bool Rebuild();
  bool IsOpen() const { return static_cast<bool>(handle_); }
  // Closes the index; harmless when closed.
  void Close();

  // Finds where to read for `number`: its own record, else the record of the
  // next lower number, else the beginning. Returns 0, or the engine's code
  // when the index could not be read (damaged blocks); `spot` then says
  // "from the beginning". Requires: IsOpen().
  int32_t Locate(uint32_t number, IndexSpot& spot);

  // Records in the open index (0 when closed).
  int32_t Count() const;

 private:
  bool OpenForReading();
  // Writes every header line's record; the engine's code of the first failure.
  int32_t Fill(TDSControl* h, int32_t& age);

  std::string indexPath_;
  std::string dictionaryPath_;
  DSHandle handle_;
};

}  // namespace orv
