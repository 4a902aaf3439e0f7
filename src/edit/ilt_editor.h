// The ILT editor without its form (TILTEdit, "ILT Edit"): steps through the
// page's words and changes each word's gloss on the first interlinear line
// that shows an interlinear text (ILT) file, the only line that can be
// edited. Changed entries are marked in the buffer; the page's ILT
// write-back stores them in the book's file when the editor is done, when
// the buffer is emptied, and at close.
#pragma once

#include <string>
#include <string_view>

#include "edit/page_word_editor.h"

namespace orv {

struct PageEnv;

inline constexpr char kIltEditCaption[] = "ILT Edit";

// A typed gloss as an interlinear text stores it: trailing blanks removed,
// blanks as hyphens, a run of hyphens inside the text shrunk to one (a run
// at the very end to two, so a gloss can still join the next word), "..."
// as empty. Not yet cut to the entry's capacity.
std::string IltStoredText(std::string_view typed);

class IltEditor : public PageWordEditor {
 public:
  // `memory.iltCite` is the editor's place; `env` is the page's (for the
  // write-back).
  IltEditor(Page& page, PageEnv& env, const PageLayout& layout, ViewState& view,
            PageEditorMemory& memory, PreviousPageStep previousPage);

  // `FormActivate`: as PageWordEditor::Activate; false too when no line
  // shows an interlinear text.
  bool Activate();

  // `DoneClick`: saves `typed` and writes every pending edit to its file
  // (a failure is told as "Error writing ILT changes" and the edits stay
  // pending, the file as it was). True when the page must be repainted.
  bool Done(const std::string& typed);

 protected:
  // Stores IltStoredText(typed), cut to 39 bytes, in the entry when it
  // differs, marking the entry and the page's ILT line changed.
  bool Save(const std::string& typed) override;
  // The entry's gloss; "..." shows empty.
  std::string Value() override;
  void MarkChanged() override;

 private:
  PageEnv& env_;
};

}  // namespace orv
