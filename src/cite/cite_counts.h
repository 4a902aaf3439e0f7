// The chapter, verse and word counts that citation parsing and the
// navigation steps take from the datastores, behind a small interface so the
// parser can be driven by fixed counts as well.
#pragma once

#include <cstdint>

namespace orv {

class DatastoreSet;

// Counts by book number (1..39), chapter and verse; any 0..255 may be asked.
class CiteCounts {
 public:
  virtual ~CiteCounts() = default;
  virtual int Chapters(int book) = 0;
  virtual int Verses(int book, int chapter) = 0;
  virtual int Words(int book, int chapter, int verse) = 0;
};

// Counts read from the set's BOOK store (and CITE for words). Opens nothing:
// the stores are used when the caller holds them open, and the defaults below
// stand in when they are not (an open store without records counts as not
// open). Lookups move the stores' cursors. The set must outlive the object.
class DatastoreCounts final : public CiteCounts {
 public:
  explicit DatastoreCounts(DatastoreSet& set) : set_(set) {}

  // Below 40: the chapter of the BOOK record just before the place of
  // (book + 1, chapter 1), which is the book's last chapter when the book is
  // present (0 when no record lies before). 40 and above: the chapter of the
  // last BOOK record. BOOK not open: 10 below 40, else 3.
  int Chapters(int book) override;
  // The verse count of the BOOK record for (book, chapter); 20 when there is
  // none or BOOK is not open.
  int Verses(int book, int chapter) override;
  // 20 when the BOOK record of the chapter is missing, CITE is not open or
  // holds no occurrence of the verse. Before the chapter's last verse: the
  // word number of the CITE record just before the place of
  // (book, chapter, verse + 1, word 1). The last verse (or one past it): the
  // word number of the last CITE record of that very verse.
  int Words(int book, int chapter, int verse) override;
  // Byte offset of the chapter's line in the book's source file, from the
  // BOOK record; 0 when there is none or BOOK is not open.
  int32_t ChapterOffset(int book, int chapter);

 private:
  DatastoreSet& set_;
};

}  // namespace orv
