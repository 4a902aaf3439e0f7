// The Strong's number editor without its form (TStrongEdit, "Strong's
// Number Edit"): steps through the page's words and corrects each word's
// Strong's number, in the page's buffer entry and in the word's CITE
// record. A number is on disk once the editor has moved past it; a write
// that fails is told and leaves the record and the page as they were.
#pragma once

#include <string>

#include "edit/page_word_editor.h"
#include "model/records.h"

namespace orv {

class DatastoreSet;
class UserInterface;

inline constexpr char kStrongsEditCaption[] = "Strong's Number Edit";
inline constexpr char kInvalidStrongsEntry[] = "** Invalid Strong's number";
inline constexpr char kStrongsNumberOutOfRange[] = "** Strong's number out of range - 1 to 8674";
inline constexpr char kStrongsWriteFailed[] =
    "The Strong's number could not be saved: the citation datastore (CITE) cannot be written. "
    "Nothing was changed.";

class StrongsEditor : public PageWordEditor {
 public:
  // `memory.strongsCite` is the editor's place.
  StrongsEditor(Page& page, const PageLayout& layout, ViewState& view, PageEditorMemory& memory,
                DatastoreSet& stores, UserInterface& ui, PreviousPageStep previousPage);
  // Releases CITE when Done has not.
  ~StrongsEditor() override;

  // `FormActivate`: as PageWordEditor::Activate, holding CITE open (when it
  // exists) until Done.
  bool Activate();

  // `DoneClick`: saves `typed`, asks for a new layout, and, when the save
  // changed something, for the words to be read again; releases CITE.
  // True when the page must be repainted.
  bool Done(const std::string& typed);

 protected:
  // An empty field changes nothing. Not a number ("abc"): "** Invalid
  // Strong's number"; outside 1..8674 (70000): kStrongsNumberOutOfRange.
  bool Save(const std::string& typed) override;
  // The CITE record of the current citation.
  void LoadWord() override;
  std::string Value() override;
  void MarkChanged() override;

 private:
  void ReleaseCite();

  DatastoreSet& stores_;
  UserInterface& ui_;
  bool held_ = false;
  CiteRec record_{};
  int32_t recNo_ = 0;  // 0 when the current word has no CITE record
};

}  // namespace orv
