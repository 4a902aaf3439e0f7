// Result codes of the record-file engine. Every DS operation returns one of
// these (or a filter's own non-zero value from DSNextMatch).
#pragma once

#include <cstdint>

namespace orv {

inline constexpr int32_t kDSOk = 0;
inline constexpr int32_t kDSFound = 1;  // DSFind/DSInsert: equal key; DSOpen: file created
inline constexpr int32_t kDSCreated = 1;
inline constexpr int32_t kDSEnd =
    -1;  // not found, at the end, empty, limit reached, open impossible
inline constexpr int32_t kDSBadRecordNo = -3;     // record number below 1
inline constexpr int32_t kDSNotAllowed = -17;     // operation not allowed in the open mode
inline constexpr int32_t kDSBadRecordSize = 3;    // DSOpen: record size 0 or less
inline constexpr int32_t kDSSlotBeyond = 3;       // DSUpdate: slot beyond the block's records
inline constexpr int32_t kDSOrderUnreadable = 4;  // DSCheckOrder: a block could not be read
inline constexpr int32_t kDSCountMismatch = 5;    // DSCheckOrder: header count differs
inline constexpr int32_t kDSNoHandle = 11;
inline constexpr int32_t kDSInvalidHandle = 12;  // valid mark is not 1
inline constexpr int32_t kDSNoCompare = 13;
inline constexpr int32_t kDSNoDirectory = 86;  // block directory could not be allocated at open
inline constexpr int32_t kDSShortWrite = 101;
inline constexpr int32_t kDSShortRead = 102;  // also: a block whose count byte exceeds its slots
inline constexpr int32_t kDSNoFile = 103;     // block read without a file / short header write
inline constexpr int32_t kDSDamagedHeader =
    104;                                       // header numbers contradict each other or the file
inline constexpr int32_t kDSSyncFailed = 105;  // a store or its journal could not be synced
inline constexpr int32_t kDSJournalVersion =
    106;  // open: the journal is another version's; both files left
inline constexpr int32_t kDSJournalFailed =
    107;  // the journal could not be written, read or removed
inline constexpr int32_t kDSReplaceFailed = 108;  // a finished store could not be moved into place
inline constexpr int32_t kDSOutOfOrder = 110;
inline constexpr int32_t kDSNoBuffer = 201;

}  // namespace orv
