// A small text built into datastores for the run searches and the range
// value: a Genesis of the test's own, and one word (q, worth 100 in both
// numberings) in chapter 1 verse 1 of every other book. CITE, FOC2 and
// BOOK are held open while the test runs.
#pragma once

#include <string>
#include <vector>

#include "build/build_fixture.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "model/books.h"
#include "search/run_scan.h"

namespace orv::test {

// Genesis 1:1-2 of five words, in letters whose source spelling is their
// storage letter (m final in 1:1.3). Values, Original / Traditional:
// gab 63/6, dza 11/12, blM 332/72, adb 9/7, nab 53/53. The letter stream:
//   g a b | d z a | b l m | a d b | n a b
inline constexpr const char kRunGenesis[] =
    "*BOOK Genesis\n*R-L\n*1\n"
    "1 gab dza blM\n"
    "2 adb nab\n";

class RunTextFixture : public StoreDirsFixture {
 protected:
  void Build(const std::string& genesis = kRunGenesis) {
    WriteSource(sourceDir_, 1, genesis);
    for (int b = 2; b <= kBookCount; ++b) {
      WriteSource(sourceDir_, b, "*BOOK " + BookName(b) + "\n*R-L\n*1\n1 q\n");
    }
    RunBuild(ctx_, BuildFlags{true, true, true}, [] { return true; });
    set_.CiteDS.Open(true);
    set_.FOc2DS.Open(true);
    set_.BookDS.Open(true);
  }
  ~RunTextFixture() override {
    for (TXRDataStore* s : {&set_.CiteDS, &set_.FOc2DS, &set_.BookDS}) s->ForceClose();
  }

  // Every run `filter` finds from `from`, each scan going on after the last
  // run's last word, as "Gen 1:1.1/2" (start, words).
  std::vector<std::string> Runs(RunFilter& filter, Citation from = kFirstCite) {
    std::vector<std::string> out;
    int32_t after = PositionBefore(set_, from);
    for (RunScan r = ScanForRun(set_, filter, after); r.found;
         r = ScanForRun(set_, filter, after)) {
      out.push_back(CitationText(r.start) + "/" + std::to_string(r.words));
      after = r.last;
    }
    return out;
  }

  DatastoreCounts counts_{set_};
};

}  // namespace orv::test
