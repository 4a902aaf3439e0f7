// The database browser without its form (TBrowseDB, "Browse Database"):
// walks the WORD datastore record by record, that is every occurrence of
// every word in word order, and finds words, steps to the next or previous
// word, sends the page to an occurrence, and, in sync mode (Sync Edit, with
// the word definition editor open beside it), finds the next word of the
// text that has no definition yet.
#pragma once

#include <functional>
#include <string>

#include "model/citation.h"
#include "model/records.h"

namespace orv {

class DatastoreSet;
class UserInterface;
struct ViewState;

inline constexpr char kBrowseCaption[] = "Browse Database";
inline constexpr char kNoWordDatabase[] = "No Word database - Need to build";
inline constexpr char kDatabaseEmpty[] = "Database is empty";
inline constexpr char kEntryNotFound[] = "Entry not found - database error";
inline constexpr char kAtBeginning[] = "At beginning of database";
inline constexpr char kAtEnd[] = "At end of database";
inline constexpr char kAtStart[] = "At start of database";
inline constexpr char kNoMoreUndefined[] = "No more undefined words";
inline constexpr char kNoUndefined[] = "No undefined words";

// Where "Find next undefined word in" looks: to the end of the chapter,
// the book or the text.
enum class UndefinedScope { kChapter, kBook, kBible };

// The browser's place and its undefined-word search, owned by the session.
struct BrowserState {
  WordRec record{};       // the record shown
  int32_t recNo = 0;      // its record number; 0 before the first
  bool sync = false;      // Sync Edit is on
  int32_t searchPos = 0;  // CITE record number the search reached; 0 = none begun
  Citation searchEnd;     // the search stops at this citation
};

// What the form shows.
struct BrowserView {
  std::string word;    // `Word`: storage letters
  std::string hebrew;  // `Hebrew`: the word reversed, to read right to left
  std::string book;    // `Book`: the book's name
  std::string chap;    // `Chap`
  std::string vers;    // `Vers`: ": " and the verse
};

class DbBrowser {
 public:
  // All references must outlive the browser.
  DbBrowser(DatastoreSet& stores, UserInterface& ui, ViewState& view, BrowserState& state);
  // Leaves sync mode and releases WORD.
  ~DbBrowser();
  DbBrowser(const DbBrowser&) = delete;
  DbBrowser& operator=(const DbBrowser&) = delete;

  // `FormShow`: opens WORD; false (after kNoWordDatabase) when it is
  // missing or empty, and the browser closes. Shows the first occurrence of
  // view.popupWord when view.popupFromPage (kEntryNotFound when absent),
  // else the record at WORD's cursor (or the first record). Sync mode off.
  bool Open();

  const BrowserView& View() const { return shown_; }
  const BrowserState& State() const { return state_; }

  // `PreviousClick` / `NextClick`: one record back or forward
  // (kAtBeginning / kAtEnd when there is none). True when it moved.
  bool Previous();
  bool Next();
  // `SelectClick`: the page goes to the record's citation.
  void Select();
  // `SelectPrevClick` / `SelectNextClick`: Previous / Next, then Select.
  bool SelectPrev();
  bool SelectNext();
  // `PrevWordClick` / `NextWordClick`: back to the last occurrence of the
  // word before `typed` (the `Word` field), or on to the first occurrence of
  // the word after it (kAtStart / kAtEnd off the datastore's ends).
  bool PrevWord(const std::string& typed);
  bool NextWord(const std::string& typed);
  // `FindClick`: the first occurrence of `typed` (storage letters or
  // Unicode Hebrew, at most 11 letters), or of the next word in word order.
  // When no record lies there `Word` and `Hebrew` are emptied.
  void Find(const std::string& typed);

  // `SyncEditClick`: sync mode on (holding FOC2, CITE and XLAT, the search
  // reset, the editor loaded with the current word) or off.
  void SetSync(bool on);
  bool Sync() const { return state_.sync; }
  // `CBUndefinedClick` (sync mode only): the next word of the text from
  // view.clickedCite on (the first click) or after the last find, within
  // `scope`, whose XLAT record is missing or holds six empty definitions.
  // Shows it, loads the editor with it and its occurrence, and sends the
  // page there. Else kNoMoreUndefined (or kNoUndefined when the search had
  // no place to start) and false.
  bool FindUndefined(UndefinedScope scope);

  // Loads the word definition editor beside the browser (sync mode) with a
  // word (storage letters) and an occurrence (null: none).
  std::function<void(const std::string& word, Citation cite)> loadEditor;

 private:
  void Show(const WordRec& rec);
  bool Step(bool forward, const char* atEnd);
  bool WalkPastWord(const std::string& typed, bool forward, const char* atEnd);
  bool BeginSearch(UndefinedScope scope, CiteRec& rec);
  bool Defined(const CiteRec& rec, std::string& word, Citation& first);

  DatastoreSet& stores_;
  UserInterface& ui_;
  ViewState& view_;
  BrowserState& state_;
  BrowserView shown_;
  bool heldWord_ = false;
  bool heldSync_ = false;
  std::string editorWord_;  // the word the editor was last loaded with
};

}  // namespace orv
