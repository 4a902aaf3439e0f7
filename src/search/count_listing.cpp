#include "search/count_listing.h"

#include <functional>

#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/records.h"
#include "search/word_count.h"

namespace orv {
namespace {

enum class Group { kChapter, kBook, kBible };

// DSNextMatch's answer for a CITE record of the number listed.
constexpr int kNumberHere = 1;

// Totals of one word's (or number's) occurrences, taken in text order, by
// chapter, by book and over the whole text. Each group that ends is handed
// on with its count; a tally that saw nothing ends no group.
class GroupTally {
 public:
  using EndFn = std::function<void(Group group, int32_t count, Citation where)>;
  explicit GroupTally(EndFn end) : end_(std::move(end)) {}

  void Add(Citation c) {
    if (!started_) {
      where_ = c;
      started_ = true;
    }
    if (c.chapter != where_.chapter || c.book != where_.book) {
      end_(Group::kChapter, chapterCount_, where_);
      where_.chapter = c.chapter;
      chapterCount_ = 0;
    }
    if (c.book != where_.book) {
      end_(Group::kBook, bookCount_, where_);
      where_.book = c.book;
      bookCount_ = 0;
    }
    ++chapterCount_;
    ++bookCount_;
    ++bibleCount_;
  }

  // Ends the last chapter, book and Bible groups and starts afresh.
  void Finish() {
    if (started_) {
      end_(Group::kChapter, chapterCount_, where_);
      end_(Group::kBook, bookCount_, where_);
      end_(Group::kBible, bibleCount_, where_);
    }
    started_ = false;
    chapterCount_ = bookCount_ = bibleCount_ = 0;
  }

 private:
  EndFn end_;
  bool started_ = false;
  Citation where_;
  int32_t chapterCount_ = 0;
  int32_t bookCount_ = 0;
  int32_t bibleCount_ = 0;
};

std::string GroupName(Group group, Citation where) {
  switch (group) {
    case Group::kChapter:
      return BookName(where.book).append(" ").append(std::to_string(where.chapter));
    case Group::kBook:
      return BookName(where.book);
    case Group::kBible:
      break;
  }
  return "Bible";
}

// The listing of one word's or number's totals, made as its groups end.
struct TotalsListing {
  CountListing result;
  int32_t match;

  TotalsListing(std::string_view text, int32_t matchCount) : match(matchCount) {
    std::string& caption = result.list.caption;
    caption = match == 0 ? "All counts of '" : "Where '";
    caption.append(text).append("'");
    if (match != 0) caption.append(" occurs ").append(CountText(match));
  }
  GroupTally Tally() {
    return GroupTally([this](Group group, int32_t count, Citation where) {
      if (match == 0) {
        result.list.lines.push_back(
            CountText(count).append(" in ").append(GroupName(group, where)));
      } else if (count == match) {
        result.list.lines.push_back(GroupName(group, where));
      }
    });
  }
  CountListing Done(int32_t code) {
    if (IsReadError(code)) result.status = SeekResult::kError;
    if (result.list.lines.empty()) result.message = kNoMatchesForCount;
    return std::move(result);
  }
};

}  // namespace

CountListing ListWordCounts(TDSControl* h, std::string_view word, int32_t match) {
  TotalsListing listing(word, match);
  listing.result.status = SeekWord(h, word);
  if (listing.result.status != SeekResult::kFound) return std::move(listing.result);
  const std::string_view key = WordKey(word);
  GroupTally tally = listing.Tally();
  WordRec rec;
  int32_t code;
  while ((code = DSNext(h, &rec)) == kDSOk && SameWord(rec, key)) tally.Add(rec.cite);
  tally.Finish();
  return listing.Done(code);
}

CountListing ListNumberCounts(TDSControl* h, int number, std::string_view text, int32_t match) {
  TotalsListing listing(text, match);
  GroupTally tally = listing.Tally();
  const DSFilter isNumber = [number](const void* r) {
    return static_cast<const CiteRec*>(r)->strongs == number ? kNumberHere : 0;
  };
  CiteRec rec;
  int32_t code = kDSEnd;
  if (DSIsOpen(h)) {
    DSSetPos(h, 0);
    while ((code = DSNextMatch(h, isNumber, &rec)) == kNumberHere) tally.Add(rec.cite);
  } else {
    code = kDSNoHandle;
  }
  tally.Finish();
  return listing.Done(code);
}

CountListing ListWordsWithCount(TDSControl* h, int32_t match) {
  CountListing result;
  result.list.caption = std::string("Words appearing ").append(CountText(match));
  std::string previous;
  GroupTally tally([&](Group group, int32_t count, Citation where) {
    if (count != match) return;
    result.list.lines.push_back(
        std::string("'").append(previous).append("' in ").append(GroupName(group, where)));
  });
  int32_t code = DSIsOpen(h) ? DSSetPos(h, 0) : kDSNoHandle;
  WordRec rec;
  while (code == kDSOk && (code = DSNext(h, &rec)) == kDSOk) {
    if (rec.word.View() != previous) {
      tally.Finish();
      previous.assign(rec.word.View());
    }
    tally.Add(rec.cite);
  }
  tally.Finish();
  if (IsReadError(code)) result.status = SeekResult::kError;
  if (result.list.lines.empty()) result.message = kNoMatchesForCount;
  return result;
}

}  // namespace orv
