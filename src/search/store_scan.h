// What the lists, counts and reports share when they read the word
// datastores: the typed word read as storage letters, the run of WORD
// records of one word, and telling the end of the data from a read error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "datastore/data_store.h"
#include "datastore/ds_codes.h"
#include "model/records.h"

namespace orv {

struct TDSControl;

inline constexpr const char kWordNotInDatabase[] = "Word not in database";
inline constexpr const char kErrorAccessingDatastore[] = "Error accessing datastore";

// `text` as the datastores spell a word: blanks around it dropped, Unicode
// Hebrew turned into storage letters, A-Z lowered ("ALEIM" and "אלהים" both
// read as "aleim").
std::string TypedWord(std::string_view text);

// The WORD key of `word`: its first kWordCap bytes, as the build cut it.
std::string_view WordKey(std::string_view word);

// Whether `rec` holds exactly `key` (byte for byte; the key order alone
// would take letters of equal rank for equal).
inline bool SameWord(const WordRec& rec, std::string_view key) { return rec.word.View() == key; }

// Whether a walking call's code (DSNext, DSNextMatch, DSReadAt) says the
// store could not be read, rather than a record or the end of the data.
inline bool IsReadError(int32_t code) { return code != kDSOk && code != kDSEnd; }

// One Open of a datastore for a command that only reads it, balanced by a
// Close when the scope ends, on every path. A store whose file is missing
// is not opened (Open would create it): h() is then null.
class OpenStore {
 public:
  explicit OpenStore(TXRDataStore& store);
  ~OpenStore();
  OpenStore(const OpenStore&) = delete;
  OpenStore& operator=(const OpenStore&) = delete;

  // The engine handle; null or not open when the store could not be opened.
  TDSControl* h() const { return h_; }
  // Whether the store is open and holds records.
  bool HasRecords() const;

 private:
  TXRDataStore& store_;
  TDSControl* h_ = nullptr;
  bool opened_ = false;
};

enum class SeekResult {
  kFound,   // the cursor is just before the word's first record
  kAbsent,  // no record holds exactly the word
  kError,   // the store could not be read (or is not open)
};

// Places the cursor of the WORD store `h` just before the first record of
// WordKey(word), so that DSNext yields the word's records in text order.
SeekResult SeekWord(TDSControl* h, std::string_view word);

}  // namespace orv
