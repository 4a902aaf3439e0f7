#include "edit/ilt_editor.h"

#include "model/text_utils.h"
#include "page/ilt_writeback.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "platform/utf8.h"

namespace orv {
namespace {

inline constexpr std::string_view kEmptyGloss = "...";

}  // namespace

std::string IltStoredText(std::string_view typed) {
  std::string s = TrimRight(typed);
  for (char& c : s) {
    if (c == ' ') c = '-';
  }
  // The last character is never compared with the one before it, which
  // leaves a trailing run of two.
  if (s.size() > 2) {
    size_t j = 0;
    while (j + 2 < s.size()) {
      if (s[j] == '-' && s[j + 1] == '-') {
        s.erase(j, 1);
      } else {
        ++j;
      }
    }
  }
  if (s == kEmptyGloss) s.clear();
  return s;
}

IltEditor::IltEditor(Page& page, PageEnv& env, const PageLayout& layout, ViewState& view,
                     PageEditorMemory& memory, PreviousPageStep previousPage)
    : PageWordEditor(page, layout, view, memory.iltCite, std::move(previousPage)), env_(env) {}

bool IltEditor::Activate() { return page_.lines.firstIltLine != 0 && PageWordEditor::Activate(); }

std::string IltEditor::Value() {
  if (!OnWord()) return "";
  const std::string& text = Entry().text[static_cast<size_t>(page_.lines.firstIltLine)];
  return text == kEmptyGloss ? "" : text;
}

bool IltEditor::Save(const std::string& typed) {
  if (!OnWord() || page_.lines.firstIltLine == 0) return false;
  std::string text = IltStoredText(typed);
  text.resize(Utf8FitLength(text, kEntryTextCapacity));
  WordEntry& e = Entry();
  std::string& gloss = e.text[static_cast<size_t>(page_.lines.firstIltLine)];
  if (text == gloss) return false;
  e.changed = true;
  gloss = text;
  page_.lines.iltChanged = true;
  return true;
}

void IltEditor::MarkChanged() { view_.relayoutNeeded = true; }

bool IltEditor::Done(const std::string& typed) {
  const bool changed = Save(typed);
  if (changed) MarkChanged();
  if (page_.lines.iltChanged) WritePendingEdits(page_, env_);
  return changed;
}

}  // namespace orv
