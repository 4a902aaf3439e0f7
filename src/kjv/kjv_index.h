// The chapter index of the King James book files, the datastore "KJV.XRD":
// one 8-byte record per chapter holding the byte offset of the chapter's
// first line in its book's file, so that a chapter is reached with one seek.
// One index object lives for the whole run (the index is opened once, at
// its first use); the King James text objects (kjv_text.h) borrow it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "datastore/ds_object.h"

namespace orv {

#pragma pack(push, 1)
struct KjvIndexRec {
  uint16_t book = 0;
  uint16_t chapter = 0;
  uint32_t offset = 0;  // of the chapter's first verse line in the book file
};
#pragma pack(pop)
static_assert(sizeof(KjvIndexRec) == 8);

// Stored path of the index: the "KJV" folder of the data root.
inline constexpr char kKjvIndexPath[] = "\\ORV\\KJV\\KJV.XRD";
// Read buffer of every King James file reader.
inline constexpr size_t kKjvReadBuffer = 32768;

// Key order of the index: book, then chapter, each compared as a number.
int KjvIndexOrder(const void* a, const void* b);

class KjvIndex {
 public:
  // `programDir` is the native folder holding "KJV/*.str"; `indexPath` the
  // stored path of the index file (platform/path_map.h). Opens nothing.
  explicit KjvIndex(std::string programDir, std::string indexPath = kKjvIndexPath);
  ~KjvIndex();
  KjvIndex(const KjvIndex&) = delete;
  KjvIndex& operator=(const KjvIndex&) = delete;

  // Makes the index ready unless it is already: opens the file for reading,
  // and when it is missing, cannot be opened, is empty, fails its
  // consistency check, has records of another size, or is older than one of
  // the book files, rebuilds it (Build) and opens it again. Returns whether
  // the index is ready; once ready it stays open until Close.
  // Throws KjvError (kjv/kjv_line.h) when a rebuild meets a book file that
  // cannot be read.
  bool Open();
  // The byte offset of the first line of `chapter` in `book`'s file; 0 when
  // the index is not usable or holds no such chapter. Opens the index first
  // (and may throw as Open does).
  uint32_t ChapterOffset(int book, int chapter);

  // Writes the index anew from the 39 book files: one record for each verse
  // line whose chapter is above 0 (and at most 65535) and differs from the
  // previous verse line's chapter, with the offset of that line. Closes the
  // index first and leaves it closed (not ready). Returns false when the
  // index file cannot be written (none is left behind). Throws KjvError
  // naming the first book file that cannot be read; the index file is then
  // removed, so a partial index is never taken for a whole one.
  bool Build();

  // Closes the index; the next use opens it again.
  void Close();
  bool Ready() const { return ready_; }
  const std::string& ProgramFolder() const { return programDir_; }
  // The native path of the index file.
  std::string IndexFile() const;

 private:
  // Opens the existing file and checks it (its age too when `checkAge`);
  // false (nothing left open) when it is not usable as it is.
  bool OpenExisting(bool checkAge);
  bool OlderThanBookFiles(const std::string& indexFile) const;

  std::string programDir_;
  std::string indexPath_;
  DSHandle handle_;
  bool ready_ = false;
};

}  // namespace orv
