// Times the archive at the size of the whole text: a database in which every
// word has a definition with six translations and every occurrence a
// selection and a Strong's number (~305,500 occurrences, ~39,600 words,
// synthetic). Writes the full archive, reads it back into rebuilt stores
// (CITE without user data, XLAT empty), checks that everything came back,
// and prints "archive write: X.XX s (target under 1 s), read: Y.YY s
// (target under 2 s)".
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../tests/support/store_records.h"
#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "bench_support.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/key_orders.h"
#include "model/records.h"

namespace {

using namespace orv;
using bench::Clock;
using bench::SecondsSince;
using orv::test::All;
using orv::test::Fill;

constexpr int kWords = 39600;
constexpr int kOccurrences = 305500;
constexpr const char* kLetters = "abwzidevthslkngopcqrmx";

// Distinct words of 4 to 8 letters: the index in base 22, padded.
std::string WordOf(int i) {
  int len = 4 + i % 5;
  std::string w(static_cast<size_t>(len), 'a');
  for (int k = len - 1, n = i; k >= 0 && n > 0; --k, n /= 22)
    w[static_cast<size_t>(k)] = kLetters[n % 22];
  return w;
}

std::vector<XlatRec> Definitions() {
  std::vector<XlatRec> out;
  for (int i = 0; i < kWords; ++i) {
    XlatRec r;
    r.word.Set(WordOf(i));
    r.flags = static_cast<uint8_t>(i % 2);
    for (int g = 0; g < 6; ++g) {
      r.gloss[static_cast<size_t>(g)].Set("meaning-" + std::to_string(g) + "-of-word-" +
                                          std::to_string(i));
    }
    out.push_back(r);
  }
  std::sort(out.begin(), out.end(),
            [](const XlatRec& a, const XlatRec& b) { return WordOrder(&a, &b) < 0; });
  return out;
}

// 39 books of chapters of 25 verses of 5 to 20 words, in text order.
std::vector<CiteRec> Occurrences() {
  std::vector<CiteRec> out;
  out.reserve(kOccurrences);
  const int perBook = kOccurrences / 39 + 1;
  for (int book = 1; book <= 39; ++book) {
    int inBook = 0;
    for (int chapter = 1; inBook < perBook; ++chapter) {
      for (int verse = 1; verse <= 25 && inBook < perBook; ++verse) {
        int words = 5 + (book * 7 + chapter * 3 + verse) % 16;
        for (int word = 1; word <= words && inBook < perBook; ++word, ++inBook) {
          if (static_cast<int>(out.size()) == kOccurrences) return out;
          CiteRec r;
          r.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter),
                    static_cast<uint8_t>(verse), static_cast<uint8_t>(word)};
          int n = static_cast<int>(out.size());
          r.foc2 = 1 + n % kWords;
          r.use = static_cast<uint8_t>(n % 6);
          r.flags = static_cast<uint8_t>(n % 3 == 0);
          r.strongs = static_cast<uint16_t>(1 + n % 8674);
          out.push_back(r);
        }
      }
    }
  }
  return out;
}

template <typename Rec>
bool Same(const std::vector<Rec>& a, const std::vector<Rec>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Rec)) == 0;
}

}  // namespace

int main() {
  const bench::ScratchFolder scratch("archive_bench");
  if (!scratch.Made()) return bench::Failed("archive", "no temporary folder");
  const std::string& dir = scratch.Path();
  std::filesystem::create_directory(dir + "/from");
  std::filesystem::create_directory(dir + "/to");
  const std::string archive = dir + "/archive.TXT";
  int rc = 0;
  const std::vector<XlatRec> xlat = Definitions();
  const std::vector<CiteRec> cite = Occurrences();
  DatastoreSet from(dir + "/from/", dir + "/from/");
  Fill(from.XlatDS, xlat);
  Fill(from.CiteDS, cite);
  // The rebuilt stores: every occurrence, no user data, no definitions.
  DatastoreSet to(dir + "/to/", dir + "/to/");
  std::vector<CiteRec> bare = cite;
  for (CiteRec& r : bare) {
    r.use = 0;
    r.flags = 0;
    r.strongs = 0;
  }
  Fill(to.CiteDS, bare);

  auto t0 = Clock::now();
  int32_t written = WriteFullArchive(from, archive);
  double write = SecondsSince(t0);
  t0 = Clock::now();
  int32_t read = ReadArchive(to, archive, {});
  double readTime = SecondsSince(t0);

  bool same = Same(All<XlatRec>(to.XlatDS), xlat) && Same(All<CiteRec>(to.CiteDS), cite);
  std::fprintf(stderr, "%zu definitions, %zu occurrences, archive of %ju bytes\n", xlat.size(),
               cite.size(), static_cast<uintmax_t>(std::filesystem::file_size(archive)));
  if (written != 0 || read != kArchiveOk || !same) {
    std::fprintf(stderr, "FAILED: write %d, read %d, %s\n", written, read,
                 same ? "stores equal" : "stores differ");
    rc = 1;
  }
  std::printf("archive write: %.2f s (target under 1 s), read: %.2f s (target under 2 s)\n", write,
              readTime);
  return rc;
}
