// Records put straight into datastores by the tests and benches: CITE
// occurrences, XLAT translations, any records, and all of a store read
// back. Each call opens and closes the store (a store the caller already
// holds open stays open).
#pragma once

#include <string>
#include <vector>

#include "model/citation.h"
#include "model/datastore_set.h"
#include "model/records.h"

namespace orv::test {

inline void AddCite(DatastoreSet& set, Citation cite, uint16_t strongs = 0, uint8_t use = 0) {
  CiteRec r{};
  r.cite = cite;
  r.strongs = strongs;
  r.use = use;
  DSInsert(set.CiteDS.Open(true), &r);
  set.CiteDS.Close();
}

// Adds the word's translations 0, 1, ... unless the word has a record.
inline void AddXlat(DatastoreSet& set, const std::string& word,
                    const std::vector<std::string>& glosses) {
  XlatRec r{};
  r.word.Set(word);
  for (size_t i = 0; i < glosses.size() && i < r.gloss.size(); ++i) r.gloss[i].Set(glosses[i]);
  TDSControl* h = set.XlatDS.Open(true);
  XlatRec probe = r;
  int32_t recNo = 0;
  if (DSFind(h, &probe, recNo) != kDSFound) DSInsert(h, &r);
  set.XlatDS.Close();
}

// Inserts `recs` into `store`.
template <typename Rec>
void Fill(TXRDataStore& store, const std::vector<Rec>& recs) {
  TDSControl* h = store.Open(true);
  for (const Rec& r : recs) DSInsert(h, &r);
  store.Close();
}

// Every record of `store` in record order.
template <typename Rec>
std::vector<Rec> All(TXRDataStore& store) {
  std::vector<Rec> out;
  TDSControl* h = store.Open(true);
  DSSetPos(h, 0);
  Rec r;
  while (DSNext(h, &r) == kDSOk) out.push_back(r);
  store.Close();
  return out;
}

}  // namespace orv::test
