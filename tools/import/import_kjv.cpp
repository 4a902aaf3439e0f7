#include "import/import_kjv.h"

// SWORD's headers have unused parameters; they are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#pragma GCC diagnostic pop

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "import/hebrew_verses.h"
#include "import/kjv_book.h"
#include "import/kjv_osis.h"
#include "import/verse_map.h"
#include "model/books.h"

namespace orv {
namespace {

constexpr const char* kPackage = "sword-text-kjv";

// OSIS names of the books, in the order of BookCode.
constexpr std::array<const char*, kBookCount> kOsisBooks = {
    "Gen",  "Exod",  "Lev",  "Num",  "Deut", "Josh", "Judg", "Ruth", "1Sam", "2Sam",
    "1Kgs", "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",  "Ps",   "Prov",
    "Eccl", "Song",  "Isa",  "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel", "Amos",
    "Obad", "Jonah", "Mic",  "Nah",  "Hab",  "Zeph", "Hag",  "Zech", "Mal"};

std::string FindKjvModule(sword::SWMgr& mgr) {
  std::string plain;
  for (const auto& [name, module] : mgr.getModules()) {
    if (std::string(module->getType()) != "Biblical Texts") continue;
    const char* abbreviation = module->getConfigEntry("Abbreviation");
    if (std::string(name.c_str()) != "KJV" &&
        !(abbreviation && std::string(abbreviation) == "KJV")) {
      continue;
    }
    const auto& config = module->getConfig();
    for (auto it = config.find("Feature"); it != config.end() && it->first == "Feature"; ++it) {
      if (it->second == "StrongsNumbers") return name.c_str();
    }
    if (plain.empty()) plain = name.c_str();
  }
  return plain;
}

struct KeyDeleter {
  void operator()(sword::SWKey* k) const { delete k; }
};

// Reads one entry of the module at `key`.
bool ReadEntry(sword::SWModule& module, sword::VerseKey& key, KjvEntry& entry, std::string& error) {
  module.setKey(key);
  std::string raw = module.getRawEntry();
  if (!ReadKjvEntry(raw, entry, error)) {
    error = std::string("SWORD module ") + module.getName() + ", " + key.getOSISRef() +
            ": markup cannot be read (" + error + ")";
    return false;
  }
  return true;
}

// Gathers one book of the module under the Hebrew verse numbers.
ImportResult ReadBook(sword::SWModule& module, sword::VerseKey& key, int swordBook,
                      const std::string& osisBook, const VerseMap& map, KjvBook& book) {
  key.setTestament(1);
  key.setBook(static_cast<char>(swordBook));
  const int chapters = key.getChapterMax();
  std::string error;
  KjvEntry entry;
  for (int c = 1; c <= chapters; ++c) {
    key.setChapter(c);
    // A module may give a psalm's title in the chapter heading instead.
    key.setVerse(0);
    if (!ReadEntry(module, key, entry, error)) return ImportResult::Fail(error);
    if (!entry.title.empty()) book.AddTitle(c, entry.title);
    const int verses = key.getVerseMax();
    for (int v = 1; v <= verses; ++v) {
      key.setVerse(v);
      if (!ReadEntry(module, key, entry, error)) return ImportResult::Fail(error);
      if (!entry.title.empty()) book.AddTitle(c, entry.title);
      book.AddText(map.HebrewVerse(osisBook, {c, v}), entry.body);
    }
  }
  return {};
}

}  // namespace

std::string FindKjvModule() {
  sword::SWMgr mgr;
  return FindKjvModule(mgr);
}

ImportResult ImportKjv(const std::string& verseMapPath, const std::string& outDir,
                       const std::string& swordModule, const ImportBookDone& bookDone) {
  const std::filesystem::path hebrewDir = std::filesystem::path(verseMapPath).parent_path();
  VerseMap map;
  ImportResult loaded = map.Load(verseMapPath);
  if (!loaded.ok) return loaded;

  sword::SWMgr mgr;
  const std::string name = swordModule.empty() ? FindKjvModule(mgr) : swordModule;
  sword::SWModule* module = name.empty() ? nullptr : mgr.getModule(name.c_str());
  if (!module) {
    return ImportResult::Fail((name.empty()
                                   ? std::string("No King James module is installed for SWORD")
                                   : "The SWORD module \"" + name + "\" is not installed") +
                              ": install the Debian package " + kPackage);
  }
  std::unique_ptr<sword::SWKey, KeyDeleter> ownedKey(module->createKey());
  auto* key = dynamic_cast<sword::VerseKey*>(ownedKey.get());
  if (!key) return ImportResult::Fail("The SWORD module \"" + name + "\" is not a Bible text");
  // Chapter headings (verse 0) are read for titles, and setting chapter and
  // verse one by one must not roll over into the next book.
  key->setIntros(true);
  key->setAutoNormalize(false);

  std::map<std::string, int> swordBooks;
  key->setTestament(1);
  for (int b = 1; b <= key->getBookMax(); ++b) {
    key->setBook(static_cast<char>(b));
    swordBooks[key->getOSISBookName()] = b;
  }

  const std::filesystem::path dir = std::filesystem::path(outDir) / "KJV";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) return ImportResult::Fail(dir.string() + ": cannot be created (" + ec.message() + ")");

  for (int b = 1; b <= kBookCount; ++b) {
    const std::string osisBook = kOsisBooks[static_cast<size_t>(b - 1)];
    auto found = swordBooks.find(osisBook);
    if (found == swordBooks.end()) {
      return ImportResult::Fail("The SWORD module \"" + name + "\" has no book " + osisBook);
    }
    KjvBook book;
    // Every verse of the Hebrew text gets its line, even one that the map
    // leaves without KJV text at the end of a chapter (1 Samuel 20:42, whose
    // KJV verse the map puts in 21:1).
    std::vector<VerseRef> hebrewVerses;
    ImportResult numbers =
        ReadHebrewVerseNumbers((hebrewDir / (osisBook + ".xml")).string(), hebrewVerses);
    if (!numbers.ok) return numbers;
    for (VerseRef v : hebrewVerses) book.AddText(v, {});
    ImportResult read = ReadBook(*module, *key, found->second, osisBook, map, book);
    if (!read.ok) return read;
    const std::filesystem::path file = dir / (BookCode(b) + ".str");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string text = book.Render();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) return ImportResult::Fail(file.string() + ": cannot be written");
    if (bookDone && !bookDone(b)) return ImportResult::Fail(kImportStopped);
  }
  return {};
}

}  // namespace orv
