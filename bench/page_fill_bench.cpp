// Filling the page buffer from the real text: 512 words from the Hebrew
// source with one interlinear-text line and one translation-database line,
// from the start of every chapter of Genesis, Psalms and 1 Kings (each fill
// a reload, so every source is placed anew). Prints
//   page fill: X.XXX ms mean, X.XXX ms max over N fills (target under 5 ms)
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_data.h"
#include "bench_page_data.h"
#include "config/settings.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "platform/user_interface.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

}  // namespace

int main() {
  const std::string scratch = orv::bench::TempFolder("orvpagebench");
  std::string why;
  if (scratch.empty() || !orv::bench::ImportWithOrv(scratch, "hebrew", true, why)) {
    std::printf("page fill bench skipped: %s\n",
                scratch.empty() ? "no temporary folder" : why.c_str());
    if (!scratch.empty()) fs::remove_all(scratch);
    return 0;
  }
  setenv("ORV_ROOT", (scratch + "/root").c_str(), 1);
  const std::string prog = scratch + "/prog/";
  fs::create_directories(scratch + "/ilt");
  for (int book : {1, 11, 19}) {
    const std::string code = orv::BookCode(book);
    orv::bench::WriteIlt(prog + "Source/" + code + ".OLF", scratch + "/ilt/" + code + ".ILT",
                         "gloss");
  }
  orv::BuildLetterValueTables();
  orv::Settings settings;
  settings.showStrongs = true;
  settings.thematic = 1;
  settings.il.AddInterlinearText("Glosses", "English", scratch + "/ilt/");
  settings.il.AddTranslationDatabase("Words", "English", "Xlat_English\\");
  settings.il.SetSelection(1, 1);
  settings.il.SetSelection(2, 2);
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  orv::bench::FillXlat(set);
  orv::bench::SilentUI ui;
  orv::PageEnv env{settings, set, ui};
  orv::Page page;
  orv::WordReload reload = orv::WordReload::kValid;
  orv::AssignSources(page, env, prog, reload);

  double total = 0;
  double worst = 0;
  int fills = 0;
  int status = 0;
  const struct { int book, chapters; } books[] = {{1, 50}, {19, 150}, {11, 22}};
  for (const auto& b : books) {
    for (int c = 1; c <= b.chapters; ++c) {
      reload = orv::WordReload::kReadAgain;
      auto start = Clock::now();
      orv::Citation at{static_cast<uint8_t>(b.book), static_cast<uint8_t>(c), 1, 1};
      orv::FillResult r = orv::FillBuffer(page, env, at, orv::kPageWanted, reload);
      double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      int numbered = 0;
      for (int k = 1; k <= r.last; ++k) numbered += page.buffer.entry[k].strongs != 0;
      if (r.last < 1 || page.buffer.entry[1].text[1].empty() ||
          page.buffer.entry[1].text[2].empty() || numbered == 0) {
        if (status == 0) {
          const orv::WordEntry& e = page.buffer.entry[1];
          std::printf("page fill at %d %d:1: %d words, first \"%s\" \"%s\" \"%s\" %d\n", b.book, c,
                      r.last, e.hebrew.c_str(), e.text[1].c_str(), e.text[2].c_str(), e.strongs);
        }
        status = 1;
      }
      total += ms;
      worst = std::max(worst, ms);
      ++fills;
    }
  }
  orv::FinishPage(page, env);
  std::printf("page fill: %.3f ms mean, %.3f ms max over %d fills (target under 5 ms)\n",
              total / fills, worst, fills);
  fs::remove_all(scratch);
  return status;
}
