// What the Strong's number editor and the ILT editor share: they stand on
// one word of the page's word buffer, show its value, and step word by word
// through the page with Prev and Next, saving the value each time they
// leave a word. Prev on the page's first word moves the page back a page
// first. The forms read the typed value and show what View() gives.
#pragma once

#include <functional>
#include <string>

#include "model/citation.h"

namespace orv {

struct Page;
struct PageBuffer;
struct PageLayout;
struct ViewState;
struct WordEntry;

// The editors' places between uses (each editor's current citation), owned
// by the session.
struct PageEditorMemory {
  Citation strongsCite;
  Citation iltCite;
};

// Moves the page back one page (the main window's Prev Page) and lays it
// out again, so that the buffer and the placed range are the new page's.
// Returns whether the position moved.
using PreviousPageStep = std::function<bool()>;

// The entry of `cite` in entries 1..count, found by halving: the entry with
// that citation, or the first one after it (count + 1 when none is).
int FindEntryIndex(const PageBuffer& buffer, Citation cite);

// What the form shows for the current word.
struct PageWordView {
  std::string cite;    // `Cite`: the citation text
  std::string hebrew;  // `HWord`: the entry's Hebrew, reversed to read right to left
  std::string value;   // `SNum` / `ILTText`
  bool prevEnabled = false;
  bool nextEnabled = false;
};

struct StepOutcome {
  bool changed = false;  // the page must be laid out again and repainted
  bool close = false;    // Next ran past the page's last word: the editor closes
};

class PageWordEditor {
 public:
  // `current` is the editor's place in the session's PageEditorMemory. All
  // references must outlive the editor.
  PageWordEditor(Page& page, const PageLayout& layout, ViewState& view, Citation& current,
                 PreviousPageStep previousPage);
  virtual ~PageWordEditor() = default;
  PageWordEditor(const PageWordEditor&) = delete;
  PageWordEditor& operator=(const PageWordEditor&) = delete;

  // `FormActivate`: nothing (false) unless view.clickedCite names a book
  // and a chapter and the buffer holds its word or one after it; else the
  // current citation becomes the clicked one and its entry is found.
  bool Activate();
  bool Active() const { return active_; }

  // The current word as the form shows it.
  PageWordView View();

  // `PrevClick`: saves `typed`; on the page's first word takes the
  // previous-page step; then steps back one word unless at entry 1.
  StepOutcome Prev(const std::string& typed);
  // `NextClick`: saves `typed`; on (or past) the page's last word asks to
  // close; else steps forward one word.
  StepOutcome Next(const std::string& typed);

  int Index() const { return index_; }
  Citation Current() const { return current_; }

 protected:
  // Stores `typed` for the current word; true when that changed something.
  // Bad input is told to the user and changes nothing.
  virtual bool Save(const std::string& typed) = 0;
  // Reads what the current word's value needs (after every move).
  virtual void LoadWord() {}
  // The value field's text for the current word.
  virtual std::string Value() = 0;
  // Asks for the page to be laid out again (and read again, where the
  // change needs it).
  virtual void MarkChanged() = 0;

  // Whether the index names an entry of the buffer (Entry() is that one).
  bool OnWord() const;
  WordEntry& Entry();
  Page& page_;
  ViewState& view_;

 private:
  void StepTo(int index);

  const PageLayout& layout_;
  Citation& current_;
  PreviousPageStep previousPage_;
  int index_ = 0;
  bool active_ = false;
};

}  // namespace orv
