// Times the citation parser over a mix of typed forms against datastores of
// the size of the whole text (929 BOOK records, ~300,000 CITE records,
// synthetic), so "last" parts and the count checks read real stores. Prints
// "cite parse: N ns per parse" (target: under 5000) and the time to write a
// citation's text.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"

namespace {

using namespace orv;
using bench::Clock;
using bench::SecondsSince;

constexpr std::array<int, 39> kChapters = {50, 40, 27, 36, 34, 24,  21, 4,  31, 24, 22, 25, 29,
                                           36, 10, 13, 10, 42, 150, 31, 12, 8,  66, 52, 5,  48,
                                           12, 14, 4,  9,  1,  4,   7,  3,  3,  3,  2,  14, 3};

int VersesOf(int book, int chapter) { return 18 + (book * 5 + chapter * 3) % 16; }
int WordsOf(int chapter, int verse) { return 7 + (chapter + verse * 5) % 12; }

bool Fill(DatastoreSet& set) {
  TDSControl* book = set.BookDS.Open(true);
  TDSControl* cite = set.CiteDS.Open(true);
  if (!DSIsOpen(book) || !DSIsOpen(cite)) return false;
  for (int b = 1; b <= 39; ++b) {
    for (int c = 1; c <= kChapters[static_cast<size_t>(b - 1)]; ++c) {
      BookRec r;
      r.book = static_cast<uint8_t>(b);
      r.chapter = static_cast<uint8_t>(c);
      r.verses = static_cast<int16_t>(VersesOf(b, c));
      if (DSAppend(book, &r) != kDSOk) return false;
      for (int v = 1; v <= r.verses; ++v) {
        for (int w = 1; w <= WordsOf(c, v); ++w) {
          CiteRec o;
          o.cite = {r.book, r.chapter, static_cast<uint8_t>(v), static_cast<uint8_t>(w)};
          if (DSAppend(cite, &o) != kDSOk) return false;
        }
      }
    }
  }
  return true;
}

}  // namespace

int main() {
  const bench::ScratchFolder scratch("cite_bench");
  if (!scratch.Made()) return bench::Failed("cite", "no temporary folder");
  const std::string& dir = scratch.Path();
  std::filesystem::create_directory(dir + "/Heb");
  std::filesystem::create_directory(dir + "/Xlat");
  int status = 0;
  {
    DatastoreSet set(dir + "\\Heb\\", dir + "\\Xlat\\");
    if (!Fill(set)) {
      std::fprintf(stderr, "cite bench: could not build the stores\n");
      status = 1;
    } else {
      std::printf("stores: BOOK %d, CITE %d records\n", DSCount(set.BookDS.Handle()),
                  DSCount(set.CiteDS.Handle()));
      DatastoreCounts counts(set);
      const std::array<const char*, 12> forms = {
          "Gen 3:16.4", "gen 3",      "Genesis 3:16",       "1 Sam 3", "SONG 2", ":7", "12",
          "Ps last",    "Gen 1:LAST", "Jer 52:34.3 <word>", "Xyz 1",   "Gen 60"};
      constexpr int kRounds = 20000;
      const Citation start{2, 4, 2, 1};
      int ok = 0;
      auto t0 = Clock::now();
      for (int i = 0; i < kRounds; ++i) {
        for (const char* f : forms) {
          Citation c = start;
          ok += ParseCitation(f, c, counts) == kCiteOk;
        }
      }
      const double parses = static_cast<double>(kRounds) * forms.size();
      const double ns = SecondsSince(t0) * 1e9 / parses;
      std::printf("cite parse: %.0f ns per parse (%.0f parses of %zu forms, %d read)\n", ns, parses,
                  forms.size(), ok);

      size_t chars = 0;
      t0 = Clock::now();
      for (int i = 0; i < kRounds * 10; ++i) {
        chars += CitationText({static_cast<uint8_t>(1 + i % 39), static_cast<uint8_t>(i % 150),
                               static_cast<uint8_t>(i % 176), static_cast<uint8_t>(i % 31)})
                     .size();
      }
      std::printf("cite text: %.0f ns per citation (%zu characters)\n",
                  SecondsSince(t0) * 1e9 / (kRounds * 10.0), chars);
      set.BookDS.ForceClose();
      set.CiteDS.ForceClose();
    }
  }
  return status;
}
