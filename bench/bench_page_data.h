// What the page benches show besides the Hebrew text: interlinear texts
// made from the source files, translations for every word, and settings
// with Strong's numbers, thematic values and all eight interlinear lines.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "config/settings.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"

namespace orv::bench {

// An interlinear text for a book: every word of the source glossed as
// `tag` + "-" + its number in the line, keeping the source's lines.
inline void WriteIlt(const std::string& olf, const std::string& ilt, const std::string& tag) {
  std::ifstream in(olf, std::ios::binary);
  std::ofstream out(ilt, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '*') {
      out << line << "\r\n";
      continue;
    }
    std::istringstream words(line);
    std::string token;
    int n = 0;
    const bool verseLine = line[0] >= '0' && line[0] <= '9';
    out << (verseLine ? "" : " ");
    while (words >> token) {
      if (verseLine && n == 0) {
        out << token;
      } else if (token[0] != '<') {
        out << ' ' << tag << '-' << n;
      }
      ++n;
    }
    out << "\r\n";
  }
}

// A translation for every distinct word of the text.
inline void FillXlat(DatastoreSet& set) {
  TDSControl* foc2 = set.FOc2DS.Open(false);
  TDSControl* xlat = set.XlatDS.Open(true);
  Foc2Rec w{};
  DSSetPos(foc2, 0);
  while (DSNext(foc2, &w) == kDSOk) {
    XlatRec r{};
    r.word = w.word;
    r.gloss[0].Set("translation");
    DSAppend(xlat, &r);
  }
  set.FOc2DS.Close();
  set.XlatDS.Close();
}

// Six interlinear texts for `books` under scratch + "/ilt<n>/" (each with
// glosses of its own width), two translation-database lines, all eight
// lines selected, Strong's numbers and traditional thematic values shown.
// `prog` is the program folder holding Source/*.OLF.
inline void SetUpEightLines(Settings& settings, const std::string& scratch, const std::string& prog,
                            const std::vector<int>& books) {
  static const char* const kTags[] = {"in", "word", "gloss", "and-the", "translation", "of"};
  for (int n = 0; n < 6; ++n) {
    const std::string dir = scratch + "/ilt" + std::to_string(n + 1) + "/";
    std::filesystem::create_directories(dir);
    for (int book : books) {
      const std::string code = BookCode(book);
      WriteIlt(prog + "Source/" + code + ".OLF", dir + code + ".ILT", kTags[n]);
    }
    settings.il.AddInterlinearText("Glosses " + std::to_string(n + 1), "English", dir);
  }
  settings.il.AddTranslationDatabase("Words", "English", "Xlat_English\\");
  settings.il.AddTranslationDatabase("Words again", "English", "Xlat_English\\");
  for (int n = 1; n <= 8; ++n) settings.il.SetSelection(n, n);
  settings.showStrongs = true;
  settings.thematic = kTraditionalValue;
}

}  // namespace orv::bench
