#include "import/import_interlinear.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "import/ilt_writer.h"
#include "import/import_hebrew.h"
#include "import/kjv_gloss.h"
#include "import/morph_gloss.h"
#include "import/oshb_reader.h"
#include "import/translit.h"
#include "model/books.h"
#include "model/supplied_sources.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr const char* kWhat[] = {
    "King James words carrying each word's Strong's number",
    "OSHB morphology, part by part",
    "Simple academic transliteration",
};
static_assert(std::size(kWhat) == kSuppliedSources.size());

ImportResult WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return ImportResult::Fail(file.string() + ": cannot be written");
  return {};
}

}  // namespace

std::array<std::string, kSuppliedSources.size()> InterlinearBookTexts(
    int book, const OshbBook& hebrew, const std::map<VerseRef, std::string>& kjv,
    InterlinearTimes* times) {
  std::vector<IltBookWriter> writers;
  for (size_t s = 0; s < kSuppliedSources.size(); ++s)
    writers.emplace_back(book, kSuppliedSources[s].language, kWhat[s]);
  InterlinearTimes t;
  const std::string noText;
  std::vector<std::string> glosses;
  for (const OshbChapter& c : hebrew.chapters) {
    for (const OshbVerse& v : c.verses) {
      const auto t0 = Clock::now();
      const auto found = kjv.find(VerseRef{c.number, v.number});
      const std::string& tokens = found == kjv.end() ? noText : found->second;
      writers[0].Verse(c.number, v.number, KjvGlosses(v.strongs, KjvPhrases(tokens)));
      const auto t1 = Clock::now();
      glosses.clear();
      for (const std::string& code : v.morph) glosses.push_back(MorphGloss(code));
      writers[1].Verse(c.number, v.number, glosses);
      const auto t2 = Clock::now();
      glosses.clear();
      for (const std::string& word : v.pointed) glosses.push_back(Transliterate(word));
      writers[2].Verse(c.number, v.number, glosses);
      t.kjvGloss += std::chrono::duration<double>(t1 - t0).count();
      t.morphology += std::chrono::duration<double>(t2 - t1).count();
      t.transliteration += Since(t2);
    }
  }
  if (times) {
    times->kjvGloss += t.kjvGloss;
    times->morphology += t.morphology;
    times->transliteration += t.transliteration;
  }
  std::array<std::string, kSuppliedSources.size()> texts;
  for (size_t s = 0; s < texts.size(); ++s) texts[s] = writers[s].Text();
  return texts;
}

ImportResult ImportInterlinear(const std::string& oshbDir, const std::string& kjvDir,
                               const std::string& outDir, InterlinearTimes* times,
                               const std::vector<OshbBook>* hebrew,
                               const ImportBookDone& bookDone) {
  if (oshbDir.empty()) {
    return ImportResult::Fail(
        "The interlinear lines are made from the Hebrew XML: name its folder with --hebrew DIR "
        "or ORV_OSHB_DIR");
  }
  InterlinearTimes t;
  std::vector<fs::path> dirs;
  for (const SuppliedSource& s : kSuppliedSources) {
    dirs.push_back(fs::path(outDir) / s.folder);
    std::error_code ec;
    fs::create_directories(dirs.back(), ec);
    if (ec)
      return ImportResult::Fail(dirs.back().string() + ": cannot be created (" + ec.message() +
                                ")");
  }
  const bool read = !hebrew || hebrew->size() != static_cast<size_t>(kBookCount);
  OshbBook book;
  std::map<VerseRef, std::string> kjv;
  for (int b = 1; b <= kBookCount; ++b) {
    auto t0 = Clock::now();
    if (read) {
      ImportResult r = ReadOshbBook((fs::path(oshbDir) / OshbFileName(b)).string(), book);
      if (!r.ok) return r;
    }
    ImportResult r = ReadKjvVerses((fs::path(kjvDir) / (BookCode(b) + ".str")).string(), kjv);
    if (!r.ok) {
      return ImportResult::Fail(r.message + ": the King James text is imported first (--only kjv)");
    }
    t.reading += Since(t0);
    const OshbBook& words = read ? book : (*hebrew)[static_cast<size_t>(b - 1)];
    const auto texts = InterlinearBookTexts(b, words, kjv, &t);
    for (size_t s = 0; s < texts.size(); ++s) {
      ImportResult written = WriteText(dirs[s] / (BookCode(b) + ".ILT"), texts[s]);
      if (!written.ok) return written;
    }
    if (bookDone && !bookDone(b)) return ImportResult::Fail(kImportStopped);
  }
  if (times) *times = t;
  return {};
}

}  // namespace orv
