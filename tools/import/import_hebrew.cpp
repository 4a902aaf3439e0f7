#include "import/import_hebrew.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "import/olf_writer.h"
#include "import/oshb_reader.h"
#include "model/books.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, kBookCount> kOsisNames = {
    "Gen",  "Exod",  "Lev",  "Num",  "Deut", "Josh", "Judg", "Ruth", "1Sam", "2Sam",
    "1Kgs", "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",  "Ps",   "Prov",
    "Eccl", "Song",  "Isa",  "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel", "Amos",
    "Obad", "Jonah", "Mic",  "Nah",  "Hab",  "Zeph", "Hag",  "Zech", "Mal"};

ImportResult WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return ImportResult::Fail("Cannot write " + path.string());
  return {};
}

}  // namespace

std::string OshbFileName(int book) {
  return (book >= 1 && book <= kBookCount)
             ? std::string(kOsisNames[static_cast<size_t>(book - 1)]) + ".xml"
             : "";
}

ImportResult ImportHebrew(const std::string& oshbDir, const std::string& outDir,
                          HebrewImportStats* stats, std::vector<OshbBook>* books,
                          const ImportBookDone& bookDone) {
  const fs::path in(oshbDir);
  const fs::path out(outDir);
  std::error_code ec;
  fs::create_directories(out / "Source", ec);
  if (ec) return ImportResult::Fail("Cannot create " + (out / "Source").string());

  if (books) books->clear();
  HebrewImportStats counts;
  std::string strongs = StrongsHeader();
  OshbBook text;
  for (int book = 1; book <= kBookCount; ++book) {
    ImportResult r = ReadOshbBook((in / OshbFileName(book)).string(), text);
    if (!r.ok) return r;
    r = WriteFile(out / "Source" / (BookCode(book) + ".OLF"), OlfText(book, text));
    if (!r.ok) return r;
    strongs += StrongsVerses(book, text);
    ++counts.books;
    counts.undottedShin += text.undottedShin;
    for (const OshbChapter& c : text.chapters) {
      ++counts.chapters;
      for (const OshbVerse& v : c.verses) {
        ++counts.verses;
        counts.words += static_cast<long>(v.strongs.size());
      }
    }
    if (books) books->push_back(std::move(text));
    if (bookDone && !bookDone(book)) return ImportResult::Fail(kImportStopped);
  }
  ImportResult r = WriteFile(out / "Strongs.dat", strongs);
  if (r.ok && stats) *stats = counts;
  return r;
}

}  // namespace orv
