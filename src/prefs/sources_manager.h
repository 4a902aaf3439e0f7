// The sources manager's decisions, apart from its grid: the rows of one of
// the two source tables (interlinear texts or translation databases), which
// buttons are enabled, Add Ref, Create, Del Ref and the closing rule that
// writes the rows back into the table.
//
// Stored paths are relative to the data root ("\ORV\"), where the line
// sources resolve them (see page/line_assign.h), or full when the
// directory lies outside it; they end in "\".
#pragma once

#include <string>
#include <vector>

#include "config/il_sources.h"

namespace orv {

class UserInterface;

enum class SourcesMode { kInterlinearTexts, kTranslationDatabases };

// `MaxEntries` as both modes set it.
inline constexpr int kManagedMaxEntries = 10;
inline constexpr int kDirColumn = 2;  // `DirColumn`: the grid column of the directory
inline constexpr const char* kUnknownLanguage = "(language?)";
inline constexpr const char* kProgramDirMessage = "Cannot use program directory";
inline constexpr const char* kDataRootMessage = "Cannot use root of data directory";
inline constexpr const char* kCreateDirMessage = "Could not create directory ";
inline constexpr const char* kCreateFilesMessage = "Error creating ILT files";
inline constexpr const char* kTableFullMessage = "The table holds as many sources as it can";
inline constexpr const char* kFirstEntryMessage = "The first source cannot be removed";
inline constexpr const char* kNoSuchEntryMessage = "There is no source with that number";

struct SourceRow {
  std::string identifier;  // column 0
  std::string language;    // column 1
  std::string directory;   // column 2: the stored path
};

// TSources' state over one table of `il`, which must outlive it.
class SourcesManager {
 public:
  // `ManageInterlinearTexts` / `ManageTranslationDatabases`: the rows from
  // the table. `programDir` and `dataRoot` are native folders.
  SourcesManager(TILObject& il, SourcesMode mode, std::string programDir, std::string dataRoot,
                 int maxEntries = kManagedMaxEntries);

  SourcesMode Mode() const { return mode_; }
  std::string Caption() const;
  // `KindLabel`: "ILT files" or "Translation databases".
  std::string KindLabel() const;
  std::vector<std::string> Headers() const;

  // Grid rows 1..`EntryCount`; the grid edits identifiers and languages here.
  std::vector<SourceRow> rows;
  int SelectedRow() const { return selectedRow_; }
  int EntryCount() const { return static_cast<int>(rows.size()); }
  int MaxEntries() const { return maxEntries_; }

  bool AddRefEnabled() const;
  bool CreateEnabled() const;
  // Row 1, the source the program relies on, is never removed.
  bool DelRefEnabled() const { return selectedRow_ >= 2 && selectedRow_ <= EntryCount(); }

  // `SG1SelectCell`: false for the directory column (not selectable);
  // otherwise `row` becomes `SelectedRow`.
  bool SelectCell(int row, int column);

  // `BtnAddRefClick`: the folder dialog at the data root, then AddDirectory.
  bool AddRef(UserInterface& ui);
  // Adds the native folder `chosen` as a row; refuses the program folder,
  // the data root and a full table with their messages. Returns whether a
  // row was added.
  bool AddDirectory(UserInterface& ui, const std::string& chosen);

  // `BtnNewClick`: three input boxes (identifier, language, directory),
  // then CreateSource. Interlinear texts only.
  bool Create(UserInterface& ui);
  // Creates the folder `typed` (relative to the data root) with the 39 book
  // files and registers it in the table with a row of its own. On failure
  // nothing is registered and the files made are removed again.
  bool CreateSource(UserInterface& ui, const std::string& identifier, const std::string& language,
                    const std::string& typed);

  // `BtnDelRefClick`: removes `SelectedRow`'s source from the table (which
  // keeps the line selections consistent) and its row. Lines that showed
  // the source now show nothing; the user is told which (DeletedSourceMessage).
  bool DelRef(UserInterface& ui);

  // `FormClose`: blank identifiers at the end are dropped (row 1 stays),
  // then the table is rewritten from the rows. Lines that showed a dropped
  // source are reported as by DelRef.
  void Close(UserInterface& ui);

 private:
  bool LastRowNamed() const;
  std::string NextLanguage() const;
  bool Refuse(UserInterface& ui, const char* message);
  // Removes entry `position` (1-based) of this mode's table, telling the
  // user about the lines that showed it.
  void DeleteEntry(UserInterface& ui, int position);

  TILObject& il_;
  SourcesMode mode_;
  std::string programDir_;
  std::string dataRoot_;
  int maxEntries_;
  int selectedRow_ = 0;
};

// What the user is told when the source `name` is deleted while `lines`
// (rising, not empty) showed it, e.g. "Line 3 showed the deleted source
// "Greek" and now shows nothing." (without the quoted name when it is empty).
std::string DeletedSourceMessage(const std::string& name, const std::vector<int>& lines);

// The stored path of the native folder `chosen`: relative to `base` when
// inside it, else full; backslashes, ending in "\".
std::string StoredSourcePath(const std::string& chosen, const std::string& base);
// The last component of a stored path, without its final "\".
std::string PathIdentifier(const std::string& stored);

}  // namespace orv
