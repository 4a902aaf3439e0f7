#include "edit/db_browser.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/books.h"
#include "model/datastore_set.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "page/view_state.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

inline constexpr uint8_t kPastLastBook = 40;

// A typed word as WORD keys it: storage letters in lower case.
std::string TypedWord(const std::string& typed) {
  std::string s = HebrewToStorage(typed);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

Citation ScopeEnd(Citation start, UndefinedScope scope) {
  switch (scope) {
    case UndefinedScope::kChapter:
      return Citation::FromValue((uint32_t{start.book} << 24) + ((start.chapter + 1u) << 16) +
                                 (1u << 8) + 1u);
    case UndefinedScope::kBook:
      return Citation::FromValue(((start.book + 1u) << 24) + (1u << 16) + (1u << 8) + 1u);
    case UndefinedScope::kBible:
      break;
  }
  return {kPastLastBook, 1, 1, 1};
}

// A word (storage letters) and the place shown beside it; a place without
// a book shows none.
BrowserView ViewOf(const std::string& word, Citation c) {
  BrowserView v{word, Reverse(word), "", "", ""};
  if (c.book != 0) {
    v.book = BookName(c.book);
    v.chap = std::to_string(c.chapter);
    v.vers = std::string(": ").append(std::to_string(c.verse));
  }
  return v;
}

}  // namespace

DbBrowser::DbBrowser(DatastoreSet& stores, UserInterface& ui, ViewState& view, BrowserState& state)
    : stores_(stores), ui_(ui), view_(view), state_(state) {}

DbBrowser::~DbBrowser() {
  SetSync(false);
  if (heldWord_) stores_.WordDS.Release();
}

bool DbBrowser::Open() {
  SetSync(false);
  if (!heldWord_ && stores_.WordDS.Exists()) {
    stores_.WordDS.Open(true);
    heldWord_ = true;
  }
  TDSControl* h = stores_.WordDS.Handle();
  if (!DSIsOpen(h) || DSCount(h) == 0) {
    ui_.Message(kNoWordDatabase);
    return false;
  }
  WordRec rec{};
  int32_t recNo = 0;
  if (view_.popupFromPage) {
    rec.word.Set(view_.popupWord);
    if (DSFind(h, &rec, recNo) != kDSFound) {
      ui_.Message(kEntryNotFound);
      return true;
    }
  } else {
    DSGetPos(h, recNo);
    // Before the first record (or on a slot left empty) the walk starts at
    // the first record.
    if (DSReadAt(h, recNo, &rec) != kDSOk) {
      DSSetPos(h, 0);
      DSNext(h, &rec);
      DSGetPos(h, recNo);
    }
  }
  state_.record = rec;
  state_.recNo = recNo;
  Show(rec);
  return true;
}

void DbBrowser::Show(const WordRec& rec) {
  shown_ = ViewOf(rec.word.Str(), rec.cite);
  if (state_.sync && loadEditor && shown_.word != editorWord_) {
    editorWord_ = shown_.word;
    loadEditor(shown_.word, kNullCite);
  }
}

bool DbBrowser::Step(bool forward, const char* atEnd) {
  TDSControl* h = stores_.WordDS.Handle();
  WordRec rec{};
  DSSetPos(h, state_.recNo);
  if ((forward ? DSNext(h, &rec) : DSPrev(h, &rec)) != kDSOk) {
    ui_.Message(atEnd);
    return false;
  }
  DSGetPos(h, state_.recNo);
  state_.record = rec;
  Show(rec);
  return true;
}

bool DbBrowser::Previous() { return Step(false, kAtBeginning); }
bool DbBrowser::Next() { return Step(true, kAtEnd); }

void DbBrowser::Select() {
  if (state_.record.cite.book != 0) GoToCite(view_, state_.record.cite);
}

bool DbBrowser::SelectPrev() {
  if (!Previous()) return false;
  Select();
  return true;
}

bool DbBrowser::SelectNext() {
  if (!Next()) return false;
  Select();
  return true;
}

bool DbBrowser::WalkPastWord(const std::string& typed, bool forward, const char* atEnd) {
  TDSControl* h = stores_.WordDS.Handle();
  const std::string word = TypedWord(typed);
  WordRec rec{};
  DSSetPos(h, state_.recNo);
  do {
    if ((forward ? DSNext(h, &rec) : DSPrev(h, &rec)) != kDSOk) {
      ui_.Message(atEnd);
      return false;
    }
  } while (rec.word.View() == word);
  DSGetPos(h, state_.recNo);
  state_.record = rec;
  Show(rec);
  return true;
}

bool DbBrowser::PrevWord(const std::string& typed) { return WalkPastWord(typed, false, kAtStart); }
bool DbBrowser::NextWord(const std::string& typed) { return WalkPastWord(typed, true, kAtEnd); }

void DbBrowser::Find(const std::string& typed) {
  TDSControl* h = stores_.WordDS.Handle();
  WordRec key{};
  key.word.Set(TypedWord(typed));
  int32_t recNo = 0;
  const int32_t rc = DSFindPos(h, &key, recNo);
  WordRec rec{};
  if ((rc == kDSOk || rc == kDSFound) && DSReadAt(h, recNo, &rec) == kDSOk) {
    state_.record = rec;
    state_.recNo = recNo;
    Show(rec);
    return;
  }
  // Past the last word: nothing to show.
  shown_.word.clear();
  shown_.hebrew.clear();
}

void DbBrowser::SetSync(bool on) {
  if (on == state_.sync) return;
  state_.sync = on;
  if (on) {
    // The page normally holds FOC2 and CITE open; these counted opens keep
    // them for the search whatever the page does meanwhile.
    for (TXRDataStore* s : {&stores_.FOc2DS, &stores_.CiteDS}) {
      if (s->Exists()) s->Open(true);
    }
    stores_.XlatDS.Open(true);
    heldSync_ = true;
    state_.searchPos = 0;
    editorWord_.clear();
    Show(state_.record);
    return;
  }
  if (heldSync_) {
    for (TXRDataStore* s : {&stores_.FOc2DS, &stores_.CiteDS, &stores_.XlatDS}) s->Release();
    heldSync_ = false;
  }
  editorWord_.clear();
}

}  // namespace orv

namespace orv {

// The first click starts at the clicked word (the page's first word when
// none was clicked); a start before the first CITE record, or between
// records, starts at the record after it.
bool DbBrowser::BeginSearch(UndefinedScope scope, CiteRec& rec) {
  TDSControl* h = stores_.CiteDS.Handle();
  const Citation start = view_.clickedCite.IsNull() ? view_.currentCite : view_.clickedCite;
  state_.searchEnd = ScopeEnd(start, scope);
  CiteRec probe{};
  probe.cite = start;
  int32_t recNo = 0;
  const int32_t rc = DSFind(h, &probe, recNo);
  if (rc == kDSFound) {
    rec = probe;
  } else if (rc != kDSOk || DSReadAt(h, recNo, &rec) != kDSOk) {
    return false;
  }
  state_.searchPos = recNo;
  return true;
}

// Whether the occurrence's word has a definition; `word` and `first` are
// its FOC2 word and first occurrence. An occurrence whose word cannot be
// read counts as defined: there is nothing to show for it.
bool DbBrowser::Defined(const CiteRec& rec, std::string& word, Citation& first) {
  Foc2Rec f{};
  if (DSReadAt(stores_.FOc2DS.Handle(), rec.foc2, &f) != kDSOk) return true;
  XlatRec x{};
  x.word = f.word;
  int32_t recNo = 0;
  if (DSFind(stores_.XlatDS.Handle(), &x, recNo) == kDSFound &&
      std::any_of(x.gloss.begin(), x.gloss.end(), [](const Gloss40& g) { return g.len != 0; })) {
    return true;
  }
  word = f.word.Str();
  first = f.cite;
  return false;
}

bool DbBrowser::FindUndefined(UndefinedScope scope) {
  if (!state_.sync) return false;
  TDSControl* cite = stores_.CiteDS.Handle();
  CiteRec rec{};
  bool more =
      DSIsOpen(cite) && DSIsOpen(stores_.FOc2DS.Handle()) && DSIsOpen(stores_.XlatDS.Handle());
  if (more && state_.searchPos == 0) {
    more = BeginSearch(scope, rec);
  } else if (more) {
    DSSetPos(cite, state_.searchPos);
    more = DSNext(cite, &rec) == kDSOk && DSGetPos(cite, state_.searchPos) == kDSOk;
  }
  // Most words recur; each word's answer is looked up once per click.
  std::vector<int8_t> known(static_cast<size_t>(DSCount(stores_.FOc2DS.Handle())) + 1, -1);
  std::string word;
  Citation first;
  while (more && rec.cite < state_.searchEnd) {
    const bool cached = rec.foc2 > 0 && static_cast<size_t>(rec.foc2) < known.size() &&
                        known[static_cast<size_t>(rec.foc2)] == 1;
    if (!cached && !Defined(rec, word, first)) {
      shown_ = ViewOf(word, first);
      editorWord_ = word;
      if (loadEditor) loadEditor(word, rec.cite);
      GoToCite(view_, rec.cite);
      return true;
    }
    if (!cached && rec.foc2 > 0 && static_cast<size_t>(rec.foc2) < known.size()) {
      known[static_cast<size_t>(rec.foc2)] = 1;
    }
    more = DSNext(cite, &rec) == kDSOk && DSGetPos(cite, state_.searchPos) == kDSOk;
  }
  ui_.Message(state_.searchPos != 0 ? kNoMoreUndefined : kNoUndefined);
  return false;
}

}  // namespace orv
