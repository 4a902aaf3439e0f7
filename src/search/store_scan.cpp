#include "search/store_scan.h"

#include <algorithm>

#include "datastore/ds_object.h"
#include "model/letter_values.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "platform/path_map.h"

namespace orv {

std::string TypedWord(std::string_view text) {
  return LowerText(TrimBlanks(HebrewToStorage(TrimBlanks(text))));
}

std::string_view WordKey(std::string_view word) {
  return word.substr(0, std::min(word.size(), static_cast<size_t>(kWordCap)));
}

OpenStore::OpenStore(TXRDataStore& store) : store_(store) {
  if (!DSIsOpen(store.Handle()) && DSProbe(NativePath(store.Path())) != kDSOk) return;
  h_ = store.Open(true);
  opened_ = true;
}

OpenStore::~OpenStore() {
  if (opened_) store_.Close();
}

bool OpenStore::HasRecords() const { return DSIsOpen(h_) && DSCount(h_) > 0; }

SeekResult SeekWord(TDSControl* h, std::string_view word) {
  if (!DSIsOpen(h)) return SeekResult::kError;
  const std::string_view key = WordKey(word);
  WordRec probe{};
  probe.word.Set(key);
  int32_t recNo = 0;
  const int32_t found = DSFindPos(h, &probe, recNo);
  if (found == kDSOk || found == kDSEnd) return SeekResult::kAbsent;
  if (found != kDSFound) return SeekResult::kError;
  // The key order takes letters of equal rank for equal; the first record
  // of the run must hold the very word.
  WordRec first{};
  const int32_t read = DSReadAt(h, recNo, &first);
  if (read != kDSOk) return SeekResult::kError;
  if (!SameWord(first, key)) return SeekResult::kAbsent;
  DSSetPos(h, recNo - 1);
  return SeekResult::kFound;
}

}  // namespace orv
