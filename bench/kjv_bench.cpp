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
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "kjv/kjv_line.h"
#include "kjv/kjv_text.h"
#include "model/books.h"
#include "platform/program_dir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

std::string TempFolder() {
  std::string tmpl = (fs::temp_directory_path() / "orvkjvbench-XXXXXX").string();
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  const char* made = mkdtemp(buf.data());
  return made ? made : "";
}

// A program folder holding KJV/*.str, importing one into `scratch` when
// needed; "" (with the reason in `why`) when there is none.
std::string FindProgramFolder(const std::string& scratch, std::string& why) {
  if (const char* env = std::getenv("ORV_PROGRAM_DIR")) {
    if (fs::exists(orv::KjvBookPath(env, 1))) return env;
  }
  const fs::path orv = fs::path(orv::ExecutablePath()).parent_path() / "orv";
  const char* oshbEnv = std::getenv("ORV_OSHB_DIR");
  const std::string oshb = oshbEnv ? oshbEnv : "../shared/data/oshb";
  if (!fs::exists(orv) || !fs::exists(fs::path(oshb) / "VerseMap.xml")) {
    why =
        "no KJV/*.str in $ORV_PROGRAM_DIR, and no `orv` program beside the bench or no "
        "VerseMap.xml in " +
        oshb + " (set ORV_OSHB_DIR) to import them";
    return "";
  }
  const std::string prog = scratch + "/prog";
  const std::string command = "ORV_PROGRAM_DIR='" + prog + "' ORV_ROOT='" + scratch + "/root' '" +
                              orv.string() + "' import --only kjv --hebrew '" + oshb +
                              "' >/dev/null";
  if (std::system(command.c_str()) != 0 || !fs::exists(orv::KjvBookPath(prog, 1))) {
    why = "the King James import failed (is the SWORD module installed? sword-text-kjv)";
    return "";
  }
  return prog;
}

}  // namespace

int main() {
  const std::string scratch = TempFolder();
  if (scratch.empty()) {
    std::printf("kjv bench skipped: no temporary folder\n");
    return 0;
  }
  std::string why;
  const std::string prog = FindProgramFolder(scratch, why);
  if (prog.empty()) {
    std::printf("kjv bench skipped: %s\n", why.c_str());
    fs::remove_all(scratch);
    return 0;
  }
  int status = 0;
  try {
    orv::KjvIndex index(prog, scratch + "/root/KJV/KJV.XRD");
    auto start = Clock::now();
    if (!index.Open()) throw orv::KjvError("the index could not be built");
    std::printf("index build: %.1f ms\n", Ms(start));

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
    double total = 0;
    double worst = 0;
    for (const orv::Citation& cite : order) {
      start = Clock::now();
      kjv.LoadVerse(cite);
      const double ms = Ms(start);
      total += ms;
      worst = std::max(worst, ms);
      if (!kjv.VerseFound()) {
        std::printf("chapter %s %d did not load\n", orv::BookCode(cite.book).c_str(),
                    int{cite.chapter});
        status = 1;
      }
    }
    const double mean = total / static_cast<double>(order.size());
    std::printf("chapters: %zu\n", chapters.size());
    std::printf("chapter load: %.3f ms mean, %.3f ms max over %zu loads (target under 2 ms)%s\n",
                mean, worst, order.size(), mean < 2.0 ? "" : "  ** target missed");
  } catch (const orv::KjvError& e) {
    std::printf("kjv bench failed: %s\n", e.what());
    status = 1;
  }
  fs::remove_all(scratch);
  return status;
}
