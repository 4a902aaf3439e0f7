// The data sources of the page: the Hebrew source texts, the interlinear
// translation texts (per-book ".ILT" files) and the translation databases
// (the XLAT datastore), and the eight interlinear line selections that pick
// among the last two kinds.
//
// Source numbers run from 1 over the interlinear texts in table order, then
// over the translation databases in table order; 0 means "no source".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr int kMaxHebrewSources = 5;
inline constexpr int kMaxInterlinearTexts = 10;
inline constexpr int kMaxTranslationDbs = 10;
inline constexpr size_t kSourceNameCapacity = 20;      // bytes
inline constexpr size_t kSourceLanguageCapacity = 20;  // bytes
inline constexpr int kInterlinearLines = 8;

// What a source number names, and what a line source reads.
enum class SourceKind {
  kNone,      // no source
  kText,      // per-book text files: the Hebrew ".OLF" or an interlinear ".ILT"
  kDatabase,  // a translation database (XLAT, reached through CITE)
};

// One source. `path` is a stored directory path such as "ILT_X\" or
// "C:\Data\"; it is kept as written (see platform/path_map.h).
struct SourceEntry {
  std::string name;      // at most kSourceNameCapacity bytes
  std::string language;  // at most kSourceLanguageCapacity bytes; unused for Hebrew
  std::string path;
  friend bool operator==(const SourceEntry&, const SourceEntry&) = default;
};

// The Hebrew source texts. Entry 1 is the one the program reads; it exists
// even while the count is 0, with its path preset to "Source\".
struct HebrewSources {
  std::array<SourceEntry, kMaxHebrewSources> entry{SourceEntry{"", "", "Source\\"}};
  int count = 0;

  // Forgets every entry and restores the preset of entry 1.
  void Reset() { *this = HebrewSources{}; }
  // Stores the next entry (name cut to its capacity); false when 5 are held.
  bool Append(std::string_view name, std::string_view path);
  friend bool operator==(const HebrewSources&, const HebrewSources&) = default;
};

// TILObject: the interlinear text and translation database tables together
// with the eight line selections, so that changing a table renumbers the
// selections in the same step. One object for the whole run.
class TILObject {
 public:
  // Selection of line n (1..8); 0 for a line outside 1..8.
  int32_t Selection(int n) const;
  // Requires nothing: a line outside 1..8 is ignored. Any value is kept;
  // only positive ones name a source.
  void SetSelection(int n, int32_t source);

  int InterlinearCount() const { return static_cast<int>(ilt_.size()); }
  int DatabaseCount() const { return static_cast<int>(db_.size()); }
  int SourceCount() const { return InterlinearCount() + DatabaseCount(); }
  const std::vector<SourceEntry>& InterlinearTexts() const { return ilt_; }
  const std::vector<SourceEntry>& Databases() const { return db_; }

  // The entry that source number s names, nullptr for 0, negative numbers
  // and numbers beyond the total.
  const SourceEntry* Source(int32_t s) const;
  // kText when source s is an interlinear text, kDatabase when a
  // translation database, kNone when s names no source.
  SourceKind KindOf(int32_t s) const;
  // The kind of line n's source (kNone for a line that shows nothing).
  SourceKind LineKindOf(int n) const { return KindOf(Selection(n)); }
  // Name of source s; empty when s names no source.
  std::string SourceName(int32_t s) const;
  // Name, language and path of line n's source; empty when it has none.
  std::string LineName(int n) const;
  std::string LineLanguage(int n) const;
  std::string LinePath(int n) const;

  // Appends an interlinear text (name and language cut to their capacity);
  // ignored when 10 are held. Every selection above the old interlinear
  // count goes up by one, since the databases move up one number.
  void AddInterlinearText(std::string_view name, std::string_view language, std::string_view path);
  // Appends a translation database; ignored when 10 are held.
  void AddTranslationDatabase(std::string_view name, std::string_view language,
                              std::string_view path);
  // Removes interlinear text i (1-based position in its table): positive
  // selections equal to i become 0, those above i go down by one. Ignored
  // when i is not a position in the table.
  void DeleteInterlinearText(int i);
  // Removes translation database i (1-based position in its table), whose
  // source number is c = interlinear count + i: positive selections equal to
  // c become 0, those above c go down by one. Ignored when i is not a
  // position in the table.
  void DeleteTranslationDatabase(int i);

  // Empties both tables; the selections are kept.
  void ClearTables();

  friend bool operator==(const TILObject&, const TILObject&) = default;

 private:
  void DropSource(int32_t number);

  std::vector<SourceEntry> ilt_;
  std::vector<SourceEntry> db_;
  std::array<int32_t, kInterlinearLines> selection_{};
};

}  // namespace orv
