#include "edit/word_editor.h"

#include <cstring>
#include <optional>

#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "datastore/data_store.h"
#include "edit/record_write.h"
#include "edit/word_fields.h"
#include "model/datastore_set.h"
#include "model/key_orders.h"
#include "model/text_utils.h"
#include "page/view_state.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

constexpr const char kStrongsOpen[] = "         <";  // nine blanks before the number

// One counted Open of a store that is there; a missing one is not created
// (Open would make an empty file), except XLAT, which a first definition
// makes. Returns whether Open ran (and Close must balance it).
bool OpenPresent(TXRDataStore& store, bool create) {
  if (!create && !DSIsOpen(store.Handle()) && store.RecordCount() <= 0) return false;
  store.Open(true);
  return true;
}

TDSControl* HandleIf(bool held, const TXRDataStore& store) {
  TDSControl* h = held ? store.Handle() : nullptr;
  return DSIsOpen(h) ? h : nullptr;
}

// What a lookup found; kError when the store could not be read (or is not
// open), which a save must not take for "no record".
enum class Lookup { kFound, kAbsent, kError };

// The record of exactly `word` in a store in word order. The key order
// takes bytes of equal rank (non-letters) for equal, so the run of equal
// keys is searched for the very word.
template <class Rec>
Lookup FindWord(TDSControl* h, std::string_view word, Rec& rec, int32_t& recNo) {
  // A store that is not there holds no record; a change then fails on
  // the missing handle.
  if (!h || word.empty() || word.size() > static_cast<size_t>(kWordCap)) return Lookup::kAbsent;
  Rec key{};
  key.word.Set(word);
  rec = key;
  const int32_t rc = DSFind(h, &rec, recNo);
  if (rc == kDSOk || rc == kDSEnd) return Lookup::kAbsent;
  if (rc != kDSFound) return Lookup::kError;
  while (rec.word.View() != word) {
    const int32_t next = DSNext(h, &rec);
    if (IsReadError(next)) return Lookup::kError;
    if (next != kDSOk || WordOrder(&key, &rec) != 0) return Lookup::kAbsent;
    DSGetPos(h, recNo);
  }
  return Lookup::kFound;
}

Lookup FindCite(TDSControl* h, Citation cite, CiteRec& rec, int32_t& recNo) {
  rec = CiteRec{};
  rec.cite = cite;
  if (!h) return Lookup::kAbsent;
  const int32_t rc = DSFind(h, &rec, recNo);
  if (rc == kDSFound && rec.cite == cite) return Lookup::kFound;
  return rc == kDSOk || rc == kDSEnd || rc == kDSFound ? Lookup::kAbsent : Lookup::kError;
}

XlatRec NewXlat(std::string_view word) {
  XlatRec rec{};
  rec.word.Set(word);
  for (Gloss40& g : rec.gloss) g.Set("");
  return rec;
}

bool Occurs(TDSControl* foc2, std::string_view form) {
  Foc2Rec rec;
  int32_t recNo = 0;
  return FindWord(foc2, form, rec, recNo) == Lookup::kFound;
}

bool HasDefinition(const XlatRec& rec) {
  for (const Gloss40& g : rec.gloss) {
    if (g.len > 0) return true;
  }
  return false;
}

WordSaveResult Refused(WordSaveStatus status, std::string message) {
  WordSaveResult r;
  r.status = status;
  r.message = std::move(message);
  return r;
}

}  // namespace

void WordEditor::Begin(DatastoreSet& stores) {
  if (!begun_) {
    heldFoc2_ = OpenPresent(stores.FOc2DS, false);
    heldXlat_ = OpenPresent(stores.XlatDS, true);
    heldCite_ = OpenPresent(stores.CiteDS, false);
    begun_ = true;
  }
  added_.clear();
  removed_.clear();
}

void WordEditor::End(DatastoreSet& stores) {
  if (!begun_) return;
  if (heldCite_) stores.CiteDS.Close();
  if (heldXlat_) stores.XlatDS.Close();
  if (heldFoc2_) stores.FOc2DS.Close();
  heldFoc2_ = heldXlat_ = heldCite_ = begun_ = false;
}

bool WordEditor::Load(DatastoreSet& stores, std::string_view typed, Citation cite, bool force) {
  // The page shows longer words whole; the datastores key them by their
  // first 11 letters, as the build cut them.
  const std::string_view word = WordKey(typed);
  if (!force && word == word_ && cite == cite_ && !word_.empty()) return loaded_;
  if (!begun_) Begin(stores);
  word_ = std::string(word);
  cite_ = cite;
  citeRec_ = CiteRec{};
  citeRec_.cite = cite;
  citeNo_ = 0;
  xlat_ = NewXlat(word);
  xlatNo_ = 0;
  loaded_ = false;
  if (!word.empty()) {
    if (cite.book != 0) {
      CiteRec rec;
      if (FindCite(HandleIf(heldCite_, stores.CiteDS), cite, rec, citeNo_) == Lookup::kFound) {
        citeRec_ = rec;
      } else {
        citeNo_ = 0;
      }
    }
    XlatRec rec;
    const bool defined =
        FindWord(HandleIf(heldXlat_, stores.XlatDS), word, rec, xlatNo_) == Lookup::kFound;
    if (defined) {
      xlat_ = rec;
    } else {
      xlatNo_ = 0;
    }
    loaded_ = defined || Occurs(HandleIf(heldFoc2_, stores.FOc2DS), word);
  }
  if (!loaded_) xlatNo_ = citeNo_ = 0;
  FieldsFromRecords();
  return loaded_;
}

void WordEditor::FieldsFromRecords() {
  for (int i = 0; i < kDefinitionCount; ++i) {
    fields.defs[static_cast<size_t>(i)] = xlat_.gloss[static_cast<size_t>(i)].Str();
  }
  fields.markWord = xlat_.flags & kMarkFlag;
  fields.markUse = OccurrenceKnown() && (citeRec_.flags & kMarkFlag);
  fields.strongs = OccurrenceKnown() ? std::to_string(citeRec_.strongs) : "";
  fields.use = OccurrenceKnown() ? std::to_string(citeRec_.use) : "";
}

WordEditDisplay WordEditor::Display(DatastoreSet& stores) const {
  WordEditDisplay d;
  d.word = word_;
  d.hebrew = Reverse(word_);
  d.occurrenceKnown = OccurrenceKnown();
  d.citeText = d.occurrenceKnown ? CitationText(cite_) : "";
  d.cancelEnabled = !stayOpen;
  d.okCaption = stayOpen ? "Save" : "OK";
  d.addedBackEnabled = !added_.empty();
  TDSControl* foc2 = HandleIf(heldFoc2_, stores.FOc2DS);
  for (int i = 0; i < kPrefixCount; ++i) {
    const std::string form = std::string(kPrefixTable[static_cast<size_t>(i)]).append(word_);
    d.prefixEnabled[static_cast<size_t>(i)] =
        form.size() <= static_cast<size_t>(kWordCap) && Occurs(foc2, form);
  }
  for (const std::string_view prefix : kPrefixTable) {
    if (word_.size() <= prefix.size() || !word_.starts_with(prefix)) continue;
    if (!Occurs(foc2, std::string_view(word_).substr(prefix.size()))) continue;
    (prefix.size() == 1 ? d.remPre1 : d.remPre2) = std::string(prefix);
  }
  d.backEnabled = !removed_.empty();
  d.takeBackEnabled = d.backEnabled && xlat_.gloss[0].len > 0;
  d.focusDef = d.occurrenceKnown && citeRec_.use < kDefinitionCount ? citeRec_.use : 0;
  return d;
}

void WordEditor::Reload(DatastoreSet& stores, std::string word) { Load(stores, word, kNullCite); }

std::string WordEditor::AddPrefix(DatastoreSet& stores, int i) {
  if (i < 0 || i >= kPrefixCount) return "";
  const std::string_view prefix = kPrefixTable[static_cast<size_t>(i)];
  std::string form = std::string(prefix).append(word_);
  if (form.size() > static_cast<size_t>(kWordCap)) return kPrefixedWordTooLong;
  if (!Occurs(HandleIf(heldFoc2_, stores.FOc2DS), form)) return kNoWordToEdit;
  added_.push_back(static_cast<int>(prefix.size()));
  Reload(stores, std::move(form));
  return "";
}

void WordEditor::DropAddedPrefix(DatastoreSet& stores) {
  if (added_.empty()) return;
  const size_t n = std::min(static_cast<size_t>(added_.back()), word_.size());
  added_.pop_back();
  Reload(stores, word_.substr(n));
}

void WordEditor::RemovePrefix(DatastoreSet& stores, std::string_view prefix) {
  if (prefix.empty() || prefix.size() >= word_.size() || !word_.starts_with(prefix)) return;
  removed_.emplace_back(prefix);
  Reload(stores, word_.substr(prefix.size()));
}

void WordEditor::PutBack(DatastoreSet& stores) {
  if (removed_.empty()) return;
  std::string longer = removed_.back().append(word_);
  removed_.pop_back();
  Reload(stores, std::move(longer));
}

void WordEditor::TakeBack(DatastoreSet& stores, UserInterface& ui) {
  if (removed_.empty()) return;
  const XlatRec stem = xlat_;
  PutBack(stores);
  if (xlat_.gloss[0].len > 0 && !ui.YesNo(kReplaceDefinitions)) return;
  for (int i = 0; i < kDefinitionCount; ++i) {
    fields.defs[static_cast<size_t>(i)] = stem.gloss[static_cast<size_t>(i)].Str();
  }
}

WordSaveResult WordEditor::Save(DatastoreSet& stores, ViewState& view) {
  WordSaveResult r;
  ReadFields in;
  std::string bad = loaded_ ? ReadWordFields(fields, OccurrenceKnown(), in) : kNoWordToEdit;
  if (!bad.empty()) return Refused(WordSaveStatus::kRejected, std::move(bad));
  if (OccurrenceKnown() && in.allEmpty) in.use = 0;
  std::optional<RecordChange> xlatChange;
  std::optional<RecordChange> citeChange;
  if (!PlanXlat(HandleIf(heldXlat_, stores.XlatDS), in, xlatChange)) {
    return Refused(WordSaveStatus::kFailed, kSaveFailedXlat);
  }
  if (OccurrenceKnown() && !PlanCite(HandleIf(heldCite_, stores.CiteDS), in, citeChange)) {
    return Refused(WordSaveStatus::kFailed, kSaveFailedCite);
  }
  if (xlatChange && xlatChange->Apply() != kDSOk) {
    return Refused(WordSaveStatus::kFailed, kSaveFailedXlat);
  }
  if (citeChange && citeChange->Apply() != kDSOk) {
    if (xlatChange) xlatChange->Undo();
    return Refused(WordSaveStatus::kFailed, kSaveFailedCite);
  }
  if (xlatChange || citeChange) {
    r.status = WordSaveStatus::kSaved;
    r.pageChanged = true;
    view.relayoutNeeded = true;
    view.reloadWords = WordReload::kAfterEdit;
  }
  Load(stores, word_, cite_, true);
  return r;
}

// The record as it is now, not as loaded: another window may have changed
// it since. False when XLAT could not be read.
bool WordEditor::PlanXlat(TDSControl* h, const ReadFields& in,
                          std::optional<RecordChange>& change) const {
  XlatRec stored;
  int32_t recNo = 0;
  const Lookup found = FindWord(h, word_, stored, recNo);
  if (found == Lookup::kError) return false;
  const bool hasRecord = found == Lookup::kFound;
  XlatRec next = hasRecord ? stored : NewXlat(word_);
  bool changed = false;
  for (size_t i = 0; i < kDefinitionCount; ++i) {
    if (in.defs[i] == next.gloss[i].View()) continue;
    next.gloss[i].Set(in.defs[i]);
    changed = true;
  }
  if (fields.markWord != ((next.flags & kMarkFlag) != 0)) {
    next.flags ^= kMarkFlag;
    changed = true;
  }
  // Clearing the definitions drops the record, mark and all; a record that
  // holds only a mark (no definitions) stays while the mark is kept. A new
  // word is stored only when it gets something.
  if (in.allEmpty && hasRecord && (HasDefinition(stored) || !fields.markWord)) {
    change.emplace(h, RecordChangeKind::kDelete, recNo, &stored, nullptr, sizeof stored);
  } else if (changed) {
    change.emplace(h, hasRecord ? RecordChangeKind::kUpdate : RecordChangeKind::kInsert, recNo,
                   &stored, &next, sizeof next);
  }
  return true;
}

// An occurrence without a CITE record keeps its fields unsaved. False when
// CITE could not be read.
bool WordEditor::PlanCite(TDSControl* h, const ReadFields& in,
                          std::optional<RecordChange>& change) const {
  CiteRec stored;
  int32_t recNo = 0;
  const Lookup found = FindCite(h, cite_, stored, recNo);
  if (found != Lookup::kFound) return found == Lookup::kAbsent;
  CiteRec next = stored;
  if (in.use) next.use = static_cast<uint8_t>(*in.use);
  if (in.strongs) next.strongs = static_cast<uint16_t>(*in.strongs);
  next.flags = fields.markUse ? next.flags | kMarkFlag : next.flags & ~kMarkFlag;
  if (std::memcmp(&next, &stored, sizeof next) != 0) {
    change.emplace(h, RecordChangeKind::kUpdate, recNo, &stored, &next, sizeof next);
  }
  return true;
}

bool WordEditor::ShowOccurrences(DatastoreSet& stores, UserInterface& ui, ViewState& view) {
  OpenStore words(stores.WordDS);
  OpenStore cites(stores.CiteDS);
  const SeekResult found = SeekWord(words.h(), word_);
  if (found != SeekResult::kFound) {
    ui.Message(found == SeekResult::kAbsent ? kWordNotInDatabase : kErrorAccessingDatastore);
    return false;
  }
  ListRequest list;
  list.caption = kVerseListCaption;
  list.pick = true;
  WordRec rec;
  while (DSNext(words.h(), &rec) == kDSOk && SameWord(rec, WordKey(word_))) {
    if (list.selected < 0 && rec.cite == view.clickedCite) {
      list.selected = static_cast<int>(list.lines.size());
    }
    CiteRec place;
    int32_t recNo = 0;
    const bool numbered = FindCite(cites.h(), rec.cite, place, recNo) == Lookup::kFound;
    list.lines.push_back(CitationText(rec.cite)
                             .append(kStrongsOpen)
                             .append(std::to_string(numbered ? place.strongs : 0))
                             .append(">"));
  }
  const int chosen = ui.ShowList(list);
  if (chosen < 0 || static_cast<size_t>(chosen) >= list.lines.size()) return false;
  Citation cite = kNullCite;
  DatastoreCounts counts(stores);
  if (ParseCitation(list.lines[static_cast<size_t>(chosen)], cite, counts) != kCiteOk) return false;
  Load(stores, word_, cite);
  GoToCite(view, cite);
  return true;
}

}  // namespace orv
