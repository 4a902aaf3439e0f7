// The word definition editor without its form: one Hebrew word's six
// definitions and Mark Word (its XLAT record) and, when the editor is opened
// for one occurrence, that occurrence's Strong's number, use number (the
// definition the page shows there) and Mark Use (its CITE record). Besides
// saving, it walks between prefixed forms of the word that occur in the
// text, and lists the word's occurrences.
//
// One object for the whole run, owned by the session. The form (or the
// command line) calls Begin when it is shown, Load before and whenever the
// word or citation changes, copies what the user typed into `fields` and
// calls Save, and calls End when it closes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/citation.h"
#include "model/records.h"

namespace orv {

class DatastoreSet;
class RecordChange;
class UserInterface;
struct ReadFields;
struct TDSControl;
struct ViewState;

inline constexpr int kDefinitionCount = 6;
inline constexpr int kPrefixCount = 10;
// The prefixes of the prefix row, in storage letters, in button order.
inline constexpr std::array<std::string_view, kPrefixCount> kPrefixTable = {
    "v", "vi", "i", "e", "b", "a", "m", "x", "n", "vx"};

inline constexpr char kWordEditCaption[] = "Word Definition Edit";
inline constexpr char kReplaceDefinitions[] = "Replace definitions?";
inline constexpr char kVerseListCaption[] = "Verse List";
inline constexpr char kDefinitionTooLong[] =
    "** Definition too long - maximum is 39 characters: definition ";
inline constexpr char kDefinitionControl[] = "** Invalid character in definition ";
inline constexpr char kInvalidUseNumber[] = "** Invalid use number - enter 0 to 5";
inline constexpr char kStrongsFieldInvalid[] = "** Invalid Strong's number - enter 0 to 8674";
inline constexpr char kPrefixedWordTooLong[] = "Word too long - maximum is 11 characters";
inline constexpr char kNoWordToEdit[] = "Word not in database";
inline constexpr char kSaveFailedXlat[] =
    "The definitions could not be saved: the translation datastore (XLAT) cannot be written. "
    "Nothing was changed.";
inline constexpr char kSaveFailedCite[] =
    "The occurrence could not be saved: the citation datastore (CITE) cannot be written. "
    "Nothing was changed.";

// What the form's fields hold (and the user typed): `Def0`..`Def5`,
// `CBMarkWord`, `Strong`, `XNum`, `CBMarkUse`.
struct WordEditFields {
  std::array<std::string, kDefinitionCount> defs;
  bool markWord = false;
  std::string strongs;  // `Strong`: decimal, or "H7225" / "07225"; "" leaves it alone
  std::string use;      // `XNum`: 0..5; "" leaves it alone
  bool markUse = false;
};

// What the form shows after a refresh (besides `fields`).
struct WordEditDisplay {
  std::string word;               // `Arabic`: storage letters
  std::string hebrew;             // `HebrewWord`: the word reversed (right to left)
  bool occurrenceKnown = false;   // `Strong`, `XNum`, `CBMarkUse` and labels enabled
  std::string citeText;           // `CurrCite`; "" without an occurrence
  bool cancelEnabled = true;      // `Cancel`: not in stay-open mode
  std::string okCaption;          // `OK`: "Save" in stay-open mode, else "OK"
  bool addedBackEnabled = false;  // the prefix row's "<--"
  std::array<bool, kPrefixCount> prefixEnabled{};  // the prefix row's buttons
  std::string remPre1, remPre2;                    // `BRemPre1`/`BRemPre2` captions; "" = disabled
  bool backEnabled = false;                        // `BBack` "<--"
  bool takeBackEnabled = false;                    // `BTakeBack` "<=="
  int focusDef = 0;                                // the definition field that gets the focus
};

enum class WordSaveStatus {
  kSaved,      // something was written, and is on disk
  kUnchanged,  // nothing differed from what is stored
  kRejected,   // bad input: `message` says what; nothing was written
  kFailed,     // a datastore could not be written: `message`; what was stored stays
};

struct WordSaveResult {
  WordSaveStatus status = WordSaveStatus::kUnchanged;
  std::string message;
  bool pageChanged = false;  // the page was marked for rebuilding
};

// TWordEdit's state and logic.
class WordEditor {
 public:
  WordEditor() = default;
  ~WordEditor() = default;
  WordEditor(const WordEditor&) = delete;
  WordEditor& operator=(const WordEditor&) = delete;

  // `FormShow`: opens FOC2, XLAT and CITE (those present; counted opens,
  // balanced by End), empties both prefix stacks. Safe to call again.
  void Begin(DatastoreSet& stores);
  // `FormClose`: balances Begin's opens. Safe to call without Begin.
  void End(DatastoreSet& stores);
  bool Begun() const { return begun_; }

  // Loads `word` (storage letters; a longer word by its first 11, as the
  // datastores key it) and `cite` (null: no particular occurrence): the
  // word's XLAT record (or a new one), and the occurrence's CITE record
  // when `cite` names a book. `fields` are set from them. Skipped when
  // neither changed (unless `force`). Runs Begin when it has not run (End
  // balances it). False when the word is empty or in none of the
  // datastores (neither FOC2 nor XLAT holds it): the editor then holds
  // nothing to save.
  bool Load(DatastoreSet& stores, std::string_view word, Citation cite, bool force = false);

  // Saves `fields`: the definitions (blanks as hyphens) and Mark Word into
  // XLAT (clearing all six deletes the record), and with a known occurrence
  // the Strong's number, use number and Mark Use into CITE. Every field is
  // checked before anything is written; each store written is on disk when
  // this returns kSaved, and on a write failure both are as before. A
  // change marks the page for rebuilding in `view` (RelayoutNeeded and
  // ReloadWords). After the save `fields` show what is stored.
  WordSaveResult Save(DatastoreSet& stores, ViewState& view);

  // The display after any change (the refresh of the form).
  WordEditDisplay Display(DatastoreSet& stores) const;

  // The prefix row: button i (0-based in kPrefixTable) loads prefix + word;
  // "<--" takes the last added prefix off again. The message (empty when
  // done) is kPrefixedWordTooLong or kNoWordToEdit when the form is absent.
  std::string AddPrefix(DatastoreSet& stores, int i);
  void DropAddedPrefix(DatastoreSet& stores);
  // `BRemPreClick`: takes `prefix` (a caption of BRemPre1/BRemPre2) off.
  void RemovePrefix(DatastoreSet& stores, std::string_view prefix);
  // `BBackClick`: puts the last removed prefix back.
  void PutBack(DatastoreSet& stores);
  // `BTakeBackClick`: puts the prefix back and fills the definitions with the
  // stem's, asking kReplaceDefinitions when the longer word has a
  // definition 0 already. Nothing is stored until Save.
  void TakeBack(DatastoreSet& stores, UserInterface& ui);

  // `ShowOccClick`: the word's occurrences in the list dialog (kVerseListCaption),
  // view.clickedCite's line preselected; a chosen line loads that occurrence
  // and goes to it (GoToCite). True when it went.
  bool ShowOccurrences(DatastoreSet& stores, UserInterface& ui, ViewState& view);

  const std::string& Word() const { return word_; }
  Citation Cite() const { return cite_; }
  bool OccurrenceKnown() const { return cite_.book != 0; }
  const XlatRec& Xlat() const { return xlat_; }
  int32_t XlatRecNo() const { return xlatNo_; }
  const CiteRec& CiteRecord() const { return citeRec_; }
  int32_t CiteRecNo() const { return citeNo_; }

  // What the form's fields hold; the form copies the user's typing in here
  // before Save and shows them after every call.
  WordEditFields fields;
  // Set and cleared by the database browser's Sync Edit: the editor stays
  // open beside it, `OK` saves without closing and `Cancel` is disabled.
  bool stayOpen = false;

 private:
  void FieldsFromRecords();
  // The change of XLAT (or CITE) that the fields ask for, if any; false
  // when the store could not be read.
  bool PlanXlat(TDSControl* h, const ReadFields& in, std::optional<RecordChange>& change) const;
  bool PlanCite(TDSControl* h, const ReadFields& in, std::optional<RecordChange>& change) const;
  void Reload(DatastoreSet& stores, std::string word);

  std::string word_;
  Citation cite_;
  bool loaded_ = false;
  XlatRec xlat_{};
  int32_t xlatNo_ = 0;
  CiteRec citeRec_{};
  int32_t citeNo_ = 0;
  std::vector<int> added_;            // lengths of the prefixes added with the row
  std::vector<std::string> removed_;  // prefixes taken off with Remove Prefix
  bool begun_ = false;
  bool heldFoc2_ = false, heldXlat_ = false, heldCite_ = false;
};

}  // namespace orv
