// Datastores filled by hand for the Find and Search submenu tests (WORD
// from (word, citation) pairs, CITE, XLAT and FOC2 from their records),
// with the search environment over them and a word editor that records
// what it is shown. Fill the stores first: a search then holds them open
// for reading only.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "build/build_fixture.h"
#include "cite/citation_text.h"
#include "page/view_state.h"
#include "platform/path_map.h"
#include "search/search_env.h"
#include "search/search_state.h"
#include "support/store_records.h"

namespace orv::test {

class FindFixture : public StoreDirsFixture {
 protected:
  ~FindFixture() override {
    for (TXRDataStore* s : {&set_.WordDS, &set_.CiteDS, &set_.XlatDS, &set_.FOc2DS}) {
      s->ForceClose();
    }
  }

  void Words(const std::vector<std::pair<std::string, Citation>>& occurrences) {
    std::vector<WordRec> recs;
    for (const auto& [word, cite] : occurrences) {
      WordRec r{};
      r.word.Set(word);
      r.cite = cite;
      recs.push_back(r);
    }
    Fill(set_.WordDS, recs);
  }

  static CiteRec Use(Citation cite, uint16_t strongs, uint8_t flags = 0, int32_t foc2 = 0) {
    CiteRec r{};
    r.cite = cite;
    r.strongs = strongs;
    r.flags = flags;
    r.foc2 = foc2;
    return r;
  }

  static XlatRec Entry(const std::string& word, uint8_t flags,
                       const std::vector<std::string>& glosses = {}) {
    XlatRec r{};
    r.word.Set(word);
    r.flags = flags;
    for (size_t i = 0; i < glosses.size(); ++i) r.gloss[i].Set(glosses[i]);
    return r;
  }

  // FOC2 records in the order given: record number i + 1 holds words[i].
  void Foc2(const std::vector<std::string>& words) {
    TDSControl* h = set_.FOc2DS.Open(true);
    for (const std::string& w : words) {
      Foc2Rec r{};
      r.word.Set(w);
      DSAppend(h, &r);
    }
    set_.FOc2DS.Close();
  }

  // CITE made anew with 200 uses in Genesis 2 (170 fill a block): verse 1
  // with Strong's number `first`, the others with `rest`; its second block
  // is damaged (a record count no block holds), so a scan fails half-way.
  void CiteDamagedHalfWay(uint16_t first, uint16_t rest) {
    set_.CiteDS.ForceClose();
    std::filesystem::remove(NativePath(set_.CiteDS.Path()));
    std::vector<CiteRec> uses;
    for (int v = 1; v <= 200; ++v) {
      uses.push_back(Use({1, 2, static_cast<uint8_t>(v), 1}, v == 1 ? first : rest));
    }
    Fill(set_.CiteDS, uses);
    std::fstream f(NativePath(set_.CiteDS.Path()), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(1024 + 2048);  // the count byte of the second block
    f.put(static_cast<char>(0xFF));
  }

  SearchEnv Env() {
    WordEditorFn editor;
    if (withEditor_) {
      editor = [this](const std::string& word, Citation cite) {
        edited_.push_back(word + "@" + (cite.IsNull() ? std::string("null") : CitationText(cite)));
      };
    }
    return SearchEnv{set_, search_, view_, ui_, {}, editor};
  }

  // The marked word of the page, as a citation text; "" for none.
  std::string Marked() const {
    return view_.highlightCite.IsNull() ? "" : CitationText(view_.highlightCite);
  }

  ViewState view_;
  SearchState search_;
  bool withEditor_ = false;
  std::vector<std::string> edited_;  // "word@Gen 1:1.2", "word@null"
};

}  // namespace orv::test
