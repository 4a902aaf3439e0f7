#include "edit/strongs_editor.h"

#include "edit/record_write.h"
#include "model/datastore_set.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "platform/user_interface.h"

namespace orv {

StrongsEditor::StrongsEditor(Page& page, const PageLayout& layout, ViewState& view,
                             PageEditorMemory& memory, DatastoreSet& stores, UserInterface& ui,
                             PreviousPageStep previousPage)
    : PageWordEditor(page, layout, view, memory.strongsCite, std::move(previousPage)),
      stores_(stores),
      ui_(ui) {}

StrongsEditor::~StrongsEditor() { ReleaseCite(); }

bool StrongsEditor::Activate() {
  // Opening a missing CITE would create an empty one; without it no
  // record is found and only the page's number changes.
  if (!held_ && stores_.CiteDS.Exists()) {
    stores_.CiteDS.Open(true);
    held_ = true;
  }
  if (PageWordEditor::Activate()) return true;
  ReleaseCite();
  return false;
}

void StrongsEditor::ReleaseCite() {
  if (!held_) return;
  stores_.CiteDS.Release();
  held_ = false;
}

bool StrongsEditor::Done(const std::string& typed) {
  view_.relayoutNeeded = true;
  const bool changed = Save(typed);
  if (changed) MarkChanged();
  ReleaseCite();
  return changed;
}

std::string StrongsEditor::Value() { return OnWord() ? std::to_string(record_.strongs) : ""; }

void StrongsEditor::LoadWord() {
  record_ = CiteRec{};
  record_.cite = Current();
  recNo_ = 0;
  if (!OnWord()) return;
  // A word without a CITE record shows the number the page shows.
  record_.strongs = static_cast<uint16_t>(Entry().strongs);
  TDSControl* h = stores_.CiteDS.Handle();
  if (held_ && DSIsOpen(h)) {
    CiteRec probe{};
    probe.cite = Current();
    int32_t recNo = 0;
    if (DSFind(h, &probe, recNo) == kDSFound) {
      record_ = probe;
      recNo_ = recNo;
    }
  }
}

bool StrongsEditor::Save(const std::string& typed) {
  const std::string text = TrimRight(typed);
  // The number shown, 0 for a word without one, goes back unchanged.
  if (text.empty() || !OnWord() || text == std::to_string(record_.strongs)) return false;
  const StrongsReading r = ReadStrongsNumber(text);
  if (r.reading != NumberReading::kNumber) {
    ui_.Message(r.reading == NumberReading::kOutOfRange ? kStrongsNumberOutOfRange
                                                        : kInvalidStrongsEntry);
    return false;
  }
  if (r.number == record_.strongs) return false;
  CiteRec changed = record_;
  changed.strongs = static_cast<uint16_t>(r.number);
  RecordChange write(stores_.CiteDS.Handle(), RecordChangeKind::kUpdate, recNo_, &record_, &changed,
                     sizeof(CiteRec));
  if (recNo_ != 0 && write.Apply() != kDSOk) {
    ui_.Message(kStrongsWriteFailed);
    return false;
  }
  record_ = changed;
  Entry().strongs = r.number;
  return true;
}

void StrongsEditor::MarkChanged() {
  view_.relayoutNeeded = true;
  view_.reloadWords = WordReload::kAfterEdit;
}

}  // namespace orv
