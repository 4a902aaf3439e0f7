// The full datastore build on synthetic source files of the real text's size:
// 39 books with the Old Testament's chapter counts (929 chapters), 305,500
// words, 39,600 distinct words of 1..11 letters in source spelling with
// Zipf-like frequencies, joining hyphens and annotations. Builds BOOK (as the
// first start does) and then WORD, FOCC, FOC2 and CITE in one pass with the
// pointer pass, packing and closing, and prints
//   full build: X.XX s, peak memory NN MB
// Targets: under 2 s and under 200 MB. Missing a target still exits 0; a
// wrong store content exits 1.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bench_support.h"
#include "build/build_context.h"
#include "build/db_build.h"
#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/letters.h"
#include "model/records.h"

namespace {

constexpr int kWords = 305500;
constexpr int kDistinct = 39600;
constexpr std::array<int, 39> kChapters = {50, 40, 27, 36, 34, 24,  21, 4,  31, 24, 22, 25, 29,
                                           36, 10, 13, 10, 42, 150, 31, 12, 8,  66, 52, 5,  48,
                                           12, 14, 3,  9,  1,  4,   7,  3,  3,  3,  2,  14, 4};
constexpr int kVersesPerChapter = 25;

// Source letters, one per storage letter (in rank order), and the final forms.
constexpr char kSourceLetters[] = "abszydhwjxolkngepuqrmt";
constexpr char kPlain[] = "knpum";
constexpr char kFinal[] = "KNPUM";

// Counts and shows the build's messages; a clean build has none. Answers
// Yes/No/Cancel with No.
class QuietUI : public orv::bench::SilentUI {
 public:
  void Message(const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    ++messages;
  }
  int YesNoCancel(const std::string&) override { return 0; }
  int messages = 0;
};

// Distinct words in source spelling (distinct also once mapped to storage
// letters), 1..11 letters, mostly 3..6.
std::vector<std::string> MakeVocabulary(std::mt19937& rng) {
  std::set<std::string> storage;
  std::vector<std::string> words;
  std::binomial_distribution<int> length(10, 0.4);
  std::uniform_int_distribution<int> letter(0, 21);
  while (static_cast<int>(words.size()) < kDistinct) {
    int n = std::clamp(length(rng) + 1, 1, 11);
    std::string w;
    for (int i = 0; i < n; ++i) w += kSourceLetters[letter(rng)];
    // Final forms at the end, as the source text writes them.
    if (const char* f = std::strchr(kPlain, w.back()); f && rng() % 2)
      w.back() = kFinal[f - kPlain];
    std::string key = w;
    orv::MapLetters(key);
    if (storage.insert(key).second) words.push_back(w);
  }
  return words;
}

// Every vocabulary word once, the rest drawn with Zipf-like weights 1/rank,
// in shuffled order.
std::vector<int> MakeWordSequence(std::mt19937& rng) {
  std::vector<double> cumulative(kDistinct);
  double sum = 0;
  for (int i = 0; i < kDistinct; ++i) cumulative[i] = sum += 1.0 / (i + 1);
  std::uniform_real_distribution<double> u(0, sum);
  std::vector<int> seq(kWords);
  for (int i = 0; i < kWords; ++i) {
    seq[i] = i < kDistinct
                 ? i
                 : static_cast<int>(std::lower_bound(cumulative.begin(), cumulative.end(), u(rng)) -
                                    cumulative.begin());
  }
  std::shuffle(seq.begin(), seq.end(), rng);
  return seq;
}

void WriteSources(const std::string& dir, std::mt19937& rng) {
  std::vector<std::string> vocab = MakeVocabulary(rng);
  std::vector<int> seq = MakeWordSequence(rng);
  int verses = 0;
  for (int c : kChapters) verses += c * kVersesPerChapter;
  size_t next = 0;
  int verseNo = 0;
  for (int b = 1; b <= orv::kBookCount; ++b) {
    std::string text = "*BOOK " + orv::BookName(b) + "\r\n*LANG Hebrew\r\n*R-L\r\n";
    for (int c = 1; c <= kChapters[b - 1]; ++c) {
      // Appended piece by piece: "*" + std::to_string(...) makes GCC 12 at
      // -O3 report a false -Wrestrict inside std::string (GCC bug 105651).
      text += '*';
      text += std::to_string(c) + "\r\n";
      for (int v = 1; v <= kVersesPerChapter; ++v, ++verseNo) {
        // Spread the words evenly over the verses.
        size_t end = static_cast<size_t>(static_cast<int64_t>(kWords) * (verseNo + 1) / verses);
        text += std::to_string(v);
        for (size_t k = 0; next < end; ++next, ++k) {
          if (rng() % 50 == 0) text += " <" + std::to_string(k) + ">";
          text += (k == 8 ? "\r\n " : " ") + vocab[seq[next]];
          if (rng() % 8 == 0) text += "-";
        }
        text += "\r\n";
      }
    }
    std::ofstream(dir + "/" + orv::BookCode(b) + ".OLF", std::ios::binary) << text;
  }
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const orv::bench::ScratchFolder scratch("orv_build_bench");
  if (!scratch.Made()) return orv::bench::Failed("build", "no temporary folder");
  const fs::path root = scratch.Path();
  fs::create_directories(root / "Source");
  std::mt19937 rng(20240611);
  WriteSources((root / "Source").string(), rng);

  int status = 0;
  double seconds = 0;
  {
    QuietUI ui;
    orv::DatastoreSet set(root.string() + "/db/", root.string() + "/db/");
    orv::BuildContext ctx(set, (root / "Source").string() + "/", ui);
    const auto t0 = orv::bench::Clock::now();
    orv::RunBuild(ctx, orv::BuildFlags{false, false, true});
    orv::RunBuild(ctx, orv::BuildFlags{true, true, false}, [] { return true; });
    set.BookDS.ForceClose();
    seconds = orv::bench::SecondsSince(t0);

    int32_t words = set.WordDS.RecordCount();
    int32_t cites = set.CiteDS.RecordCount();
    int32_t distinct = set.FOc2DS.RecordCount();
    int32_t firsts = set.FOccDS.RecordCount();
    int32_t chapters = set.BookDS.RecordCount();
    orv::TDSControl* cite = set.CiteDS.Open(false);
    orv::CiteRec rec;
    int32_t unlinked = 0;
    orv::DSSetPos(cite, 0);
    while (orv::DSNext(cite, &rec) == orv::kDSOk) unlinked += rec.foc2 < 1 || rec.foc2 > distinct;
    set.CiteDS.Close();
    if (words != kWords || cites != kWords || distinct != kDistinct || firsts != kDistinct ||
        chapters != 929 || unlinked != 0 || ui.messages != 0) {
      std::fprintf(
          stderr, "wrong stores: WORD %d CITE %d FOC2 %d FOCC %d BOOK %d unlinked %d messages %d\n",
          words, cites, distinct, firsts, chapters, unlinked, ui.messages);
      status = 1;
    }
  }
  const long peakMb = orv::bench::PeakKb() / 1024;
  std::printf("full build: %.2f s, peak memory %ld MB\n", seconds, peakMb);
  if (seconds >= 2.0) std::printf("target missed: 2 s\n");
  if (peakMb >= 200) std::printf("target missed: 200 MB\n");
  return status;
}
