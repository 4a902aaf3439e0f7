#include "edit/page_word_editor.h"

#include <utility>

#include "cite/citation_text.h"
#include "model/text_utils.h"
#include "page/page_layout.h"
#include "page/page_words.h"
#include "page/view_state.h"

namespace orv {

int FindEntryIndex(const PageBuffer& buffer, Citation cite) {
  int low = 1;
  int high = buffer.count;
  while (high >= low) {
    const int middle = low + (high - low) / 2;
    const Citation here = buffer.entry[static_cast<size_t>(middle)].cite;
    if (cite <= here) {
      high = middle - 1;
      if (cite == here) low = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

PageWordEditor::PageWordEditor(Page& page, const PageLayout& layout, ViewState& view,
                               Citation& current, PreviousPageStep previousPage)
    : page_(page),
      view_(view),
      layout_(layout),
      current_(current),
      previousPage_(std::move(previousPage)) {}

bool PageWordEditor::Activate() {
  const Citation clicked = view_.clickedCite;
  if (clicked.book == 0 || clicked.chapter == 0) return false;
  const int index = FindEntryIndex(page_.buffer, clicked);
  // A clicked word the buffer no longer holds (the page moved on since)
  // leaves nothing to edit.
  if (index < 1 || index > page_.buffer.count) return false;
  current_ = clicked;
  index_ = index;
  active_ = true;
  LoadWord();
  return true;
}

bool PageWordEditor::OnWord() const { return index_ >= 1 && index_ <= page_.buffer.count; }

WordEntry& PageWordEditor::Entry() { return page_.buffer.entry[static_cast<size_t>(index_)]; }

PageWordView PageWordEditor::View() {
  PageWordView v;
  if (!OnWord()) return v;
  v.cite = CitationText(current_);
  v.hebrew = Reverse(Entry().hebrew);
  v.value = Value();
  v.prevEnabled = index_ > 1;
  v.nextEnabled = index_ < layout_.lastPlaced;
  return v;
}

void PageWordEditor::StepTo(int index) {
  index_ = index;
  current_ = Entry().cite;
  LoadWord();
}

StepOutcome PageWordEditor::Prev(const std::string& typed) {
  StepOutcome out;
  out.changed = Save(typed);
  if (index_ <= layout_.firstPlaced && previousPage_ && previousPage_()) {
    // The buffer now holds the new page, perhaps of the chapter before,
    // where the current word is not found and the index lands after its
    // last entry.
    out.changed = true;
    index_ = FindEntryIndex(page_.buffer, current_);
  }
  if (index_ > 1) {
    StepTo(index_ - 1);
  } else if (OnWord()) {
    LoadWord();
  }
  if (out.changed) MarkChanged();
  return out;
}

StepOutcome PageWordEditor::Next(const std::string& typed) {
  StepOutcome out;
  out.changed = Save(typed);
  if (index_ >= layout_.lastPlaced) {
    out.close = true;
  } else {
    StepTo(index_ + 1);
  }
  // The save before closing is laid out and repainted too.
  if (out.changed) MarkChanged();
  return out;
}

}  // namespace orv
