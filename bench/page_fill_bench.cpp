// Filling the page buffer from the real text: 512 words from the Hebrew
// source with one interlinear-text line and one translation-database line,
// then with the three supplied lines (KJV gloss, morphology,
// transliteration), from the start of every chapter of Genesis, Psalms and
// 1 Kings (each fill a reload, so every source is placed anew). Prints
//   page fill: X.XXX ms mean, X.XXX ms max over N fills (target under 5 ms)
//   page fill, supplied lines: ... (target under 5 ms)
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_page_data.h"
#include "bench_support.h"
#include "config/settings.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_stores.h"
#include "page/page_words.h"

using orv::bench::Clock;

namespace {

// Fills the page from the start of every chapter of three books with the
// lines `settings` shows and prints the figures; 1 when a fill lacks words,
// numbers or anything on one of the first `lines` lines.
int Measure(const char* label, const orv::Settings& settings, orv::DatastoreSet& set,
            const std::string& prog, int lines) {
  orv::bench::SilentUI ui;
  orv::PageEnv env{settings, set, ui};
  orv::Page page;
  orv::WordReload reload = orv::WordReload::kValid;
  orv::AssignSources(page, env, prog, reload);
  orv::bench::Tally fills;
  int status = 0;
  const struct { int book, chapters; } books[] = {{1, 50}, {19, 150}, {11, 22}};
  for (const auto& b : books) {
    for (int c = 1; c <= b.chapters; ++c) {
      reload = orv::WordReload::kReadAgain;
      const auto start = Clock::now();
      orv::Citation at{static_cast<uint8_t>(b.book), static_cast<uint8_t>(c), 1, 1};
      orv::FillResult r = orv::FillBuffer(page, env, at, orv::kPageWanted, reload);
      const double ms = orv::bench::MsSince(start);
      int numbered = 0;
      for (int k = 1; k <= r.last; ++k) numbered += page.buffer.entry[k].strongs != 0;
      // A word may have no gloss on a line; the page as a whole has some.
      bool filled = r.last >= 1 && numbered > 0;
      for (int n = 1; filled && n <= lines; ++n) {
        bool any = false;
        for (int k = 1; k <= r.last && !any; ++k) any = !page.buffer.entry[k].text[n].empty();
        filled = any;
      }
      if (!filled) {
        if (status == 0) {
          const orv::WordEntry& e = page.buffer.entry[1];
          std::printf("%s at %d %d:1: %d words, first \"%s\" \"%s\" \"%s\" %d\n", label, b.book, c,
                      r.last, e.hebrew.c_str(), e.text[1].c_str(), e.text[2].c_str(), e.strongs);
        }
        status = 1;
      }
      fills.Add(ms);
    }
  }
  orv::FinishPage(page, env);
  std::printf("%s: %.3f ms mean, %.3f ms max over %d fills (target under 5 ms)\n", label,
              fills.Mean(), fills.worst, fills.count);
  return status;
}

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("orvpagebench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("page fill", why);
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  const std::string prog = scratch.Prog();
  const std::string ilt = scratch.Path() + "/ilt/";
  std::filesystem::create_directories(ilt);
  for (int book : {1, 11, 19}) {
    const std::string code = orv::BookCode(book);
    orv::bench::WriteIlt(prog + "Source/" + code + ".OLF", ilt + code + ".ILT", "gloss");
  }
  orv::BuildLetterValueTables();
  orv::Settings settings;
  settings.showStrongs = true;
  settings.thematic = 1;
  settings.il.AddInterlinearText("Glosses", "English", ilt);
  settings.il.AddTranslationDatabase("Words", "English", "Xlat_English\\");
  settings.il.SetSelection(1, 1);
  settings.il.SetSelection(2, 2);
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  orv::bench::FillXlat(set);
  int status = Measure("page fill", settings, set, prog, 2);

  // The supplied lines as a first start shows them.
  std::string why2;
  if (!scratch.Import("kjv,interlinear", false, why2)) {
    orv::bench::Skip("page fill, supplied lines", why2);
    return status;
  }
  orv::Settings supplied;
  supplied.showStrongs = true;
  supplied.thematic = 1;
  int line = 0;
  for (const char* folder : {"KJV-Gloss", "Morphology", "Transliteration"}) {
    supplied.il.AddInterlinearText(folder, "English", prog + "Interlinear/" + folder + "/");
    supplied.il.SetSelection(++line, supplied.il.InterlinearCount());
  }
  status |= Measure("page fill, supplied lines", supplied, set, prog, 3);
  return status;
}
