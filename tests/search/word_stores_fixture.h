// WORD, CITE, FOC2 and FOCC made straight from a list of occurrences (word,
// citation, Strong's number), as a build and the default Strong's numbers
// would make them, for the occurrence list, count and report tests; and
// the bytes of every store file, to show that reading changed none.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "build/build_fixture.h"
#include "model/key_orders.h"
#include "model/letters.h"
#include "support/store_records.h"

namespace orv::test {

struct Occ {
  std::string word;  // storage letters
  Citation cite;
  uint16_t strongs = 0;
};

inline Citation At(int book, int chapter, int verse, int word) {
  return {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
          static_cast<uint8_t>(word)};
}

// `n` distinct three-letter words, one occurrence each from Genesis on,
// enough for several blocks of WORD and FOCC.
inline std::vector<Occ> ManyWords(int n) {
  std::vector<Occ> text;
  for (int i = 0; i < n; ++i) {
    std::string w;
    for (int k = i, d = 0; d < 3; ++d, k /= 22) w += kStorageLetters[k % 22];
    text.push_back({w, At(1 + i / 100, 1 + i % 100 / 5, 1 + i % 5, 1)});
  }
  return text;
}

class WordStoresFixture : public StoreDirsFixture {
 protected:
  ~WordStoresFixture() override {
    for (TXRDataStore* s : Stores()) s->ForceClose();
  }

  std::vector<TXRDataStore*> Stores() {
    return {&set_.WordDS, &set_.CiteDS, &set_.FOc2DS, &set_.FOccDS};
  }

  // Makes the four stores from `text` (any order). FOC2 holds the words in
  // word order, record number = place; CITE names them.
  void Make(std::vector<Occ> text) {
    std::sort(text.begin(), text.end(), [](const Occ& a, const Occ& b) { return a.cite < b.cite; });
    std::vector<std::string> words;
    for (const Occ& o : text) words.push_back(o.word);
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
      const WordRec ra = Rec(a, {}), rb = Rec(b, {});
      return WordOrder(&ra, &rb) < 0;
    });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::map<std::string, int32_t> place;
    TDSControl* foc2 = set_.FOc2DS.Open(true);
    for (const std::string& w : words) {
      Foc2Rec r{};
      r.word.Set(w);
      DSAppend(foc2, &r);
      place[w] = static_cast<int32_t>(place.size()) + 1;
    }
    set_.FOc2DS.Close();
    std::vector<WordRec> word;
    std::vector<CiteRec> cite;
    std::vector<WordRec> first;
    std::set<std::string> seen;
    for (const Occ& o : text) {
      word.push_back(Rec(o.word, o.cite));
      CiteRec c{};
      c.cite = o.cite;
      c.strongs = o.strongs;
      c.foc2 = place[o.word];
      cite.push_back(c);
      if (seen.insert(o.word).second) first.push_back(Rec(o.word, o.cite));
    }
    Fill(set_.WordDS, word);
    Fill(set_.CiteDS, cite);
    Fill(set_.FOccDS, first);
  }

  static WordRec Rec(const std::string& w, Citation cite) {
    WordRec r{};
    r.word.Set(w);
    r.cite = cite;
    return r;
  }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Every store file's bytes (after the stores are closed).
  std::vector<std::string> StoreFiles() {
    std::vector<std::string> out;
    for (TXRDataStore* s : Stores()) out.push_back(Bytes(NativePath(s->Path())));
    return out;
  }
};

}  // namespace orv::test
