// Records put straight into a datastore set by the tests: CITE occurrences
// and XLAT translations. Each call opens and closes the store (a store the
// test already holds open stays open).
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

}  // namespace orv::test
