// The datastore class: one object per record file, made once at start-up
// with the file's path and record shape, opened and closed by the commands
// that use it. Opens are counted so a command can open a store another
// command already holds open.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "datastore/ds_object.h"

namespace orv {

// TXRDataStore: one keyed record file (a datastore) with its open count, path,
// key order and the engine handle the rest of the program works through.
class TXRDataStore {
 public:
  // Stores the values (the tag cut to 4 characters); opens nothing.
  // `path` is a stored path (see platform/path_map.h).
  TXRDataStore(std::string path, bool duplicates, int recordSize, std::string tag, uint32_t kind);
  virtual ~TXRDataStore();
  TXRDataStore(const TXRDataStore&) = delete;
  TXRDataStore& operator=(const TXRDataStore&) = delete;

  void SetCompare(DSCompare key, DSCompare order, DSPrefix prefix);
  // Adds one to the open count and returns the engine handle, opening the file
  // in mode "w" (creating it, with the kind and tag in its header) unless it
  // is open already. Callers check the handle with DSIsOpen.
  TDSControl* Open(bool usePrefix);
  // Balances one Open; the last one writes and closes the file. If the close
  // fails the store stays open (the code is returned) so nothing is lost.
  int32_t Close();
  // Lowers the open count while it is above 1; the store stays open.
  void Release();
  // Closes regardless of the open count.
  int32_t ForceClose();
  // Whether the file exists and holds records. May leave the store open in
  // mode "r". Once true, stays true for the object's life.
  bool Exists();
  int32_t RecordCount();
  std::string Tag() const { return tag_; }

  TDSControl* Handle() const { return handle_.get(); }
  const std::string& Path() const { return path_; }
  int32_t OpenCount() const { return openCount_; }
  bool Ready() const { return ready_; }
  // Test seam: the file system the engine uses for this store.
  void SetFileSystem(FileSystem* fs) { fs_ = fs; }
  // For a store whose folder cannot be written: Open (and OpenBook) then
  // open a present file in mode "r", and never create, fill or change one.
  // Takes effect at the next open.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool ReadOnly() const { return readOnly_; }
  // Whether the last open found a journal it could only roll back in
  // memory (a read-only store): the last commit is what it reads, and the
  // changes after it stay on disk until an open for change puts them back.
  bool RolledBackInMemory() const;
  // Whether a journal lies beside the store: a save was cut short, and the
  // next open puts back the last commit (in memory only when read-only).
  bool SaveCutShort() const;

  // For a build that writes the whole store anew: closes the store, and
  // from then on Open works on an empty file beside it (the path with
  // kReplaceSuffix appended), written without a journal, while the store
  // itself stays as it was. Requires: the store is not read-only.
  void BeginReplace();
  // Closes the new file (which commits it) and moves it over the store in
  // one step, so a crash leaves the old store or the new one. 0 at once
  // when no replacement is under way; else 0 or the engine's code, with
  // the old store kept.
  int32_t FinishReplace();
  bool Replacing() const { return replacing_; }
  // Bench seam: off, the store is opened without a journal and a build
  // writes it in place (BeginReplace does nothing), as before journals.
  void SetJournal(bool on) { journal_ = on; }
  // Whether the store was changed through this object since it was made
  // (a build's replacement of the whole store does not count).
  bool ChangedThisRun() const;
  static constexpr char kReplaceSuffix[] = "-new";

 protected:
  DSParams Params() const;
  std::string NativeFile() const;
  // The file opens work on: the store's, or its replacement's.
  std::string OpenFile() const;
  void ApplyCompare(bool usePrefix);

  int32_t existence_ = 0;
  uint32_t kind_;
  std::string tag_;
  int32_t openCount_ = 0;
  bool ready_ = false;
  int recordSize_;
  bool duplicates_;
  DSCompare keyCmp_;
  DSCompare orderCmp_;
  DSPrefix prefix_;
  DSHandle handle_;
  std::string path_;
  FileSystem* fs_ = nullptr;
  bool readOnly_ = false;
  bool replacing_ = false;
  bool changed_ = false;  // changes made through handles already closed
  bool journal_ = true;
  int32_t CloseHandle();
};

// Fills an empty per-book first-occurrence store for `book` (1..39). The
// database build supplies it; returns an engine code.
using TBookFiller = std::function<int32_t(TDSControl* handle, int book)>;

// The stored path of the file of `book`, or "" when there is no such book.
// The engine knows nothing of books; the datastore set names the files.
using TBookFileName = std::function<std::string(int book)>;

// TXRDS2: one of a family of per-book files of the same shape (the per-book
// first-occurrence stores), switched when the book changes.
class TXRDS2 : public TXRDataStore {
 public:
  // `bookFile` names each book's file; its folder is made on first use.
  TXRDS2(TBookFileName bookFile, bool duplicates, int recordSize, std::string tag, uint32_t kind);

  void SetBookFiller(TBookFiller filler) { filler_ = std::move(filler); }
  // The handle of `book`'s file, opened in mode "w" and filled through the
  // book filler when empty (an empty file stays empty without one). The file
  // stays open until another book is opened or ForceClose.
  TDSControl* OpenBook(int book);
  int CurrentBook() const { return currentBook_; }

 private:
  TBookFileName bookFile_;
  int currentBook_ = 0;
  TBookFiller filler_;
};

}  // namespace orv
