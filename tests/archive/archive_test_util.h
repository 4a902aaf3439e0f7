// Small XLAT and CITE stores in a temporary folder for the archive tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv::test {

inline XlatRec MakeXlat(const std::string& word, uint8_t status, uint8_t flags,
                        std::initializer_list<std::string> glosses) {
  XlatRec r;
  r.word.Set(word);
  r.status = status;
  r.flags = flags;
  for (Gloss40& g : r.gloss) g.Set("");
  size_t i = 0;
  for (const std::string& g : glosses) r.gloss[i++].Set(g);
  return r;
}

inline CiteRec MakeCite(int book, int chapter, int verse, int word, int use = 0, int flags = 0,
                        int strongs = 0) {
  CiteRec r;
  r.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
            static_cast<uint8_t>(word)};
  r.foc2 = book * 1000 + word;
  r.use = static_cast<uint8_t>(use);
  r.flags = static_cast<uint8_t>(flags);
  r.strongs = static_cast<uint16_t>(strongs);
  return r;
}

inline bool SameBytes(const void* a, const void* b, size_t n) {
  return std::equal(static_cast<const char*>(a), static_cast<const char*>(a) + n,
                    static_cast<const char*>(b));
}

// An archive: the two header lines, then `body` with its LF line ends
// turned into CR LF.
inline std::string Archive(const std::string& body) {
  std::string out = "ORV Archive File\r\nVersion 1.9.1\r\n";
  for (char c : body) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The stores of a datastore set in a fresh folder.
struct ArchiveStores {
  TempDir dir;
  DatastoreSet ds{dir.path() + "/", dir.path() + "/"};
};

}  // namespace orv::test
