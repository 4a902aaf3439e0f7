// Feeds arbitrary bytes to the archive reader as an archive file, read into
// small XLAT and CITE stores that are restored before every input. The first
// byte picks the mode (bit 0: Strong's numbers only, bit 1: process zeros
// too); the rest is the file. Besides the sanitizers' findings it aborts when
// the result is not one of the reader's codes, when a store breaks its
// invariants, when CITE gains or loses records or has a citation or word
// pointer changed, when Strong's-only mode touches XLAT or a selection, or
// when a refused file changes anything.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_reader.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"

namespace {

using namespace orv;

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "archive_fuzz: %s\n", what);
  std::abort();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> out;
  FILE* f = std::fopen(path.c_str(), "rb");
  Require(f != nullptr, "cannot read a store file");
  uint8_t buf[4096];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + got);
  std::fclose(f);
  return out;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  Require(f && (size == 0 || std::fwrite(data, 1, size, f) == size) && std::fclose(f) == 0,
          "cannot write a file");
}

template <typename Rec>
std::vector<Rec> All(TXRDataStore& store) {
  std::vector<Rec> out;
  TDSControl* h = store.Open(true);
  std::string why;
  Require(DSCheckInvariants(h, why) == kDSOk, "store invariants broken");
  DSSetPos(h, 0);
  Rec r;
  while (DSNext(h, &r) == kDSOk) out.push_back(r);
  store.Close();
  return out;
}

CiteRec Cite(int book, int chapter, int verse, int word) {
  CiteRec r;
  r.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
            static_cast<uint8_t>(word)};
  r.foc2 = word;
  r.use = 1;
  r.strongs = static_cast<uint16_t>(100 * verse + word);
  return r;
}

// The stores, made once per process in a folder removed at exit.
struct World {
  std::string dir;
  std::unique_ptr<DatastoreSet> ds;
  std::vector<uint8_t> citeFile, xlatFile;
  std::vector<CiteRec> cite;
  std::vector<XlatRec> xlat;

  World() {
    char tmpl[] = "/tmp/archive_fuzz_XXXXXX";
    Require(::mkdtemp(tmpl) != nullptr, "mkdtemp");
    dir = tmpl;
    ds = std::make_unique<DatastoreSet>(dir + "/", dir + "/");
    TDSControl* h = ds->CiteDS.Open(true);
    // Genesis 1:1 (5 words), 1:2 (3 words), Exodus 1:1 (2 words).
    const int verses[3][4] = {{1, 1, 1, 5}, {1, 1, 2, 3}, {2, 1, 1, 2}};
    for (const auto& v : verses) {
      for (int word = 1; word <= v[3]; ++word) {
        CiteRec r = Cite(v[0], v[1], v[2], word);
        DSInsert(h, &r);
      }
    }
    ds->CiteDS.Close();
    h = ds->XlatDS.Open(true);
    for (const char* word : {"ab", "abw"}) {
      XlatRec r;
      r.word.Set(word);
      for (Gloss40& g : r.gloss) g.Set("old");
      DSInsert(h, &r);
    }
    ds->XlatDS.Close();
    citeFile = ReadFile(dir + "/CITE.XRD");
    xlatFile = ReadFile(dir + "/XLAT.XRD");
    cite = All<CiteRec>(ds->CiteDS);
    xlat = All<XlatRec>(ds->XlatDS);
  }
  ~World() {
    ds.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

World& TheWorld() {
  static World w;
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  World& w = TheWorld();
  WriteFile(w.dir + "/CITE.XRD", w.citeFile.data(), w.citeFile.size());
  WriteFile(w.dir + "/XLAT.XRD", w.xlatFile.data(), w.xlatFile.size());
  WriteFile(w.dir + "/in.TXT", data + 1, size - 1);

  ArchiveReadOptions o;
  o.strongsOnly = (data[0] & 1) != 0;
  o.nonZeroOnly = (data[0] & 2) == 0;
  int32_t rc = ReadArchive(*w.ds, w.dir + "/in.TXT", o);
  Require(rc == kArchiveOk || rc == kArchiveNotArchive || rc == kArchiveShortValues ||
              rc == kArchiveNoPosition,
          "unexpected result");
  Require(w.ds->CiteDS.OpenCount() == 0 && w.ds->XlatDS.OpenCount() == 0, "store left open");

  std::vector<CiteRec> cite = All<CiteRec>(w.ds->CiteDS);
  Require(cite.size() == w.cite.size(), "CITE gained or lost records");
  for (size_t i = 0; i < cite.size(); ++i) {
    Require(cite[i].cite == w.cite[i].cite && cite[i].foc2 == w.cite[i].foc2,
            "a citation or word pointer changed");
    if (o.strongsOnly || rc == kArchiveNotArchive) {
      Require(cite[i].use == w.cite[i].use && cite[i].flags == w.cite[i].flags,
              "Strong's-only mode changed a selection or flags");
    }
    if (rc == kArchiveNotArchive)
      Require(cite[i].strongs == w.cite[i].strongs, "refused file read");
  }
  std::vector<XlatRec> xlat = All<XlatRec>(w.ds->XlatDS);
  for (const XlatRec& r : xlat) {
    Require(r.word.len <= kWordCap, "word longer than its capacity");
    for (const Gloss40& g : r.gloss) Require(g.len <= kGlossCap, "translation too long");
  }
  if (o.strongsOnly || rc == kArchiveNotArchive) {
    Require(xlat.size() == w.xlat.size() &&
                std::memcmp(xlat.data(), w.xlat.data(), xlat.size() * sizeof(XlatRec)) == 0,
            "XLAT changed");
  }
  return 0;
}
