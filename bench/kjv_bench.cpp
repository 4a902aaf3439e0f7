// Loading a King James chapter from the real text: every chapter of the 39
// books in order (a new book opens its file), then Psalms chapters in a
// scattered order (seek within one file). Prints
//   index build: X ms
//   chapter load: X.XXX ms mean, X.XXX ms max over N loads (target under 2 ms)
// The text comes from $ORV_PROGRAM_DIR/KJV when it holds the files; else it
// is imported into a temporary folder with the `orv` program beside this one
// and the Hebrew XML in $ORV_OSHB_DIR (default ../shared/data/oshb). Without
// either the bench says so and exits 0, as it does when missing the target;
// a chapter that does not load exits 1.
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kjv/kjv_line.h"
#include "kjv/kjv_text.h"
#include "model/books.h"

using orv::bench::Clock;
using orv::bench::MsSince;

int main() {
  const orv::bench::ScratchFolder scratch("orvkjvbench");
  std::string why;
  const std::string prog = scratch.ProgramDirWith(orv::KjvBookPath("", 1), "kjv", why);
  if (prog.empty()) return orv::bench::Skip("kjv", why);
  int status = 0;
  try {
    orv::KjvIndex index(prog, scratch.Root() + "/KJV/KJV.XRD");
    const auto start = Clock::now();
    if (!index.Open()) throw orv::KjvError("the index could not be built");
    std::printf("index build: %.1f ms\n", MsSince(start));

    // Every chapter: chapter 1 is at offset 0, a later one at offset 0 is missing.
    std::vector<orv::Citation> chapters;
    for (int book = 1; book <= orv::kBookCount; ++book) {
      for (int c = 1; c <= 255 && (c == 1 || index.ChapterOffset(book, c) != 0); ++c) {
        chapters.push_back({static_cast<uint8_t>(book), static_cast<uint8_t>(c), 1, 1});
      }
    }
    std::vector<orv::Citation> order = chapters;
    for (int k = 0; k < 3000; ++k) {
      order.push_back({19, static_cast<uint8_t>(1 + (k * 37) % 150), 1, 1});
    }

    orv::TKJV kjv(index);
    kjv.SetShowNumbers(true);
    orv::bench::Tally loads;
    for (const orv::Citation& cite : order) {
      const auto load = Clock::now();
      kjv.LoadVerse(cite);
      loads.Add(MsSince(load));
      if (!kjv.VerseFound()) {
        std::printf("chapter %s %d did not load\n", orv::BookCode(cite.book).c_str(),
                    int{cite.chapter});
        status = 1;
      }
    }
    const double mean = loads.Mean();
    std::printf("chapters: %zu\n", chapters.size());
    std::printf("chapter load: %.3f ms mean, %.3f ms max over %zu loads (target under 2 ms)%s\n",
                mean, loads.worst, order.size(), mean < 2.0 ? "" : "  ** target missed");
  } catch (const orv::KjvError& e) {
    status = orv::bench::Failed("kjv", e.what());
  }
  return status;
}
