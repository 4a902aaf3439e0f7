// A small text for the word definition editor: WORD, CITE, FOC2 and FOCC
// from a list of occurrences, an XLAT with a few definitions, and the
// editor over them. The words give prefix forms: amr, iamr and viamr;
// aleim and baleim; an 11-letter word, and an 11-letter form equal to
// "v" + the first ten letters of it, which a 12-letter key would hit.
#pragma once

#include <string>
#include <vector>

#include "edit/word_editor.h"
#include "page/view_state.h"
#include "search/word_stores_fixture.h"

namespace orv::test {

inline constexpr char kLong[] = "abwzidevths";   // 11 letters
inline constexpr char kLongV[] = "vabwzidevth";  // "v" + kLong cut to 11

class WordEditorFixture : public WordStoresFixture {
 protected:
  WordEditorFixture() {
    Make({{"amr", At(1, 1, 1, 1), 559},
          {"iamr", At(1, 1, 1, 2), 559},
          {"viamr", At(1, 1, 1, 3), 559},
          {"aleim", At(1, 1, 2, 1), 430},
          {"aleim", At(1, 1, 3, 1), 430},
          {"baleim", At(1, 1, 3, 2), 430},
          {kLong, At(1, 1, 4, 1), 1},
          {kLongV, At(1, 1, 4, 2), 2}});
    XlatRec god{};
    god.word.Set("aleim");
    god.gloss[0].Set("God");
    god.gloss[1].Set("gods");
    XlatRec withGod{};
    withGod.word.Set("baleim");
    withGod.gloss[0].Set("with-God");
    Fill(set_.XlatDS, std::vector<XlatRec>{god, withGod});
  }
  ~WordEditorFixture() override {
    editor_.End(set_);
    set_.XlatDS.ForceClose();
  }

  XlatRec XlatOf(const std::string& word) {
    for (const XlatRec& r : ReadAll<XlatRec>(set_.XlatDS)) {
      if (r.word.View() == word) return r;
    }
    return XlatRec{};
  }
  bool HasXlat(const std::string& word) {
    for (const XlatRec& r : ReadAll<XlatRec>(set_.XlatDS)) {
      if (r.word.View() == word) return true;
    }
    return false;
  }
  CiteRec CiteAt(Citation c) {
    for (const CiteRec& r : ReadAll<CiteRec>(set_.CiteDS)) {
      if (r.cite == c) return r;
    }
    return CiteRec{};
  }
  // Every byte of XLAT and CITE on disk.
  std::string Disk() {
    return Bytes(NativePath(set_.XlatDS.Path())) + Bytes(NativePath(set_.CiteDS.Path()));
  }

  WordEditor editor_;
  ViewState view_;
};

}  // namespace orv::test
