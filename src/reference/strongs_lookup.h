// The Strong's definitions viewer without its window: turns the text the user
// clicked or typed ("7225", "07225", "1254-2") into the caption and the lines
// of the dictionary entry, or the message to show instead. The dictionary
// "Hebrew.def" is opened at the first lookup and stays open; its index
// "Hebrew.XRD" is made sure of (and rebuilt when missing, empty, damaged or
// stale) at the first lookup that gets that far.
//
// Dictionary syntax: an entry is a header line "*" + number + " " + text and
// every following line up to the next line beginning with "*" or the end of
// the file; entries are expected in ascending number order.
#pragma once

#include <string>
#include <vector>

#include "model/text_reader.h"
#include "reference/strongs_index.h"
#include "reference/supplement_list.h"

namespace orv {

inline constexpr char kDictionaryFile[] = "Hebrew.def";
inline constexpr char kSupplementFile[] = "OT.VRB";
inline constexpr char kStrongsIndexStored[] = "\\ORV\\Hebrew.XRD";  // a stored path

inline constexpr char kCannotOpenDictionary[] = "Cannot open Strong's data file";
inline constexpr char kDefinitionNotFound[] = "Definition not found";

struct StrongsDefinition {
  bool shown = false;              // false: show `message` instead of the entry
  std::string caption;             // "Strong's definition " + the text as passed in
  std::vector<std::string> lines;  // the entry, first line without its "*"
  std::string message;             // empty when shown
};

// One viewer's state for the program run. Not copyable.
class StrongsLookup {
 public:
  // Native paths of the dictionary and of its index; the supplement list as
  // read at start.
  StrongsLookup(std::string dictionaryPath, std::string indexPath, SupplementList supplements);
  StrongsLookup(const StrongsLookup&) = delete;
  StrongsLookup& operator=(const StrongsLookup&) = delete;

  // Looks up `text`: a Strong's number in decimal (leading zeros allowed),
  // optionally followed by "-" and a supplement number. With a supplement
  // number n from 1 to the list's highest, "  - " and supplement line n are
  // appended to the entry's first line; any other suffix changes nothing.
  // The caption is set whatever the outcome. A dictionary that cannot be
  // opened gives kCannotOpenDictionary, and is not tried again in this run;
  // no matching header gives kDefinitionNotFound.
  StrongsDefinition Show(const std::string& text);

  // Closes the index and the dictionary (program end). A later Show opens
  // them again.
  void Close();

  // Whether the index was made sure of in this run (for tests and benches).
  bool IndexValid() const { return indexValid_; }

 private:
  enum class Dictionary { kNotTried, kOpen, kFailed };

  // Positions the dictionary where reading for `key` should begin.
  void SeekFor(const std::string& key);
  // Reads lines from the dictionary's current position until a header line
  // begins with "*" + key; false at the end of the file.
  bool ScanTo(const std::string& key, std::string& header);
  // Whether the line at the spot is a header line, and the header of
  // `number` when the spot is exact: an index that points elsewhere is stale.
  bool LandsOnHeader(const IndexSpot& spot, uint32_t number);

  std::string dictionaryPath_;
  SupplementList supplements_;
  StrongsIndex index_;
  bool indexValid_ = false;
  Dictionary state_ = Dictionary::kNotTried;
  PositionedReader dict_;
};

}  // namespace orv
