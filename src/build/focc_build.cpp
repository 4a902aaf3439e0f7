#include "build/focc_build.h"

#include <filesystem>

#include "model/books.h"
#include "model/datastore_set.h"
#include "model/key_orders.h"
#include "model/records.h"
#include "model/source_reader.h"
#include "model/text_reader.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {

int32_t BuildBookFOcc(TDSControl* focc, int book, const std::string& sourceDir, UserInterface& ui) {
  // The words seen so far: duplicates allowed, so that an insertion tells
  // whether the word was there already (1) or not (0).
  DSHandle seen;
  DSOpen("", seen, 'w', DSSetParams(sizeof(WordRec), 0, 0, true));
  if (!DSIsOpen(seen.get())) {
    ui.Message("** Abnormal termination **");
    return kDSNoHandle;
  }
  DSSetCompare(seen.get(), WordOrder, nullptr, nullptr);

  PositionedReader reader;
  if (!reader.Open(SourceFilePath(sourceDir, book), kSourceBufferSize)) {
    ui.Message(CannotOpenMessage(book));
    DSClose(seen);
    return kDSEnd;
  }
  int32_t result = kDSOk;
  SourceScanner scanner(book);
  WordSink onWord = [&](const SourceWord& w) {
    if (result != kDSOk) return;
    WordRec rec{StorageWord(w.token), w.cite};
    int32_t rc = DSInsert(seen.get(), &rec);
    if (rc == kDSOk) rc = DSAppend(focc, &rec);
    if (rc != kDSOk && rc != kDSFound) result = rc;
  };
  std::string line;
  while (result == kDSOk && reader.ReadLine(line)) scanner.Scan(line, onWord);
  if (result != kDSOk) ui.Message("** Abnormal termination **");
  DSClose(seen);
  return result;
}

void DropBookFOccFiles(DatastoreSet& set) {
  set.BookFOccDS.ForceClose();
  std::filesystem::path dir =
      std::filesystem::path(NativePath(set.WordDS.Path())).parent_path() / "FOCC";
  for (int book = 1; book <= kBookCount; ++book) {
    std::error_code ec;
    std::filesystem::remove(dir / (BookCode(book) + ".XRD"), ec);
  }
}

void InstallBookFOccBuilder(DatastoreSet& set, const std::string& sourceDir, UserInterface& ui) {
  UserInterface* shown = &ui;
  set.BookFOccDS.SetBookFiller([sourceDir, shown](TDSControl* focc, int book) {
    return BuildBookFOcc(focc, book, sourceDir, *shown);
  });
}

}  // namespace orv
