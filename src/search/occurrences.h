// The occurrence lists of the word and number pop-up menus: every place the
// pop-up word (WORD) or Strong's number (CITE) occurs, in the list dialog,
// with the clicked occurrence preselected; a chosen line is jumped to.
#pragma once

#include <string>

namespace orv {

class DatastoreSet;
class UserInterface;
struct ViewState;

enum class OccurrenceOutcome {
  kNothing,   // the pop-up text is no Strong's number: nothing shown
  kNotFound,  // kWordNotInDatabase shown
  kFailed,    // a store could not be read: kErrorAccessingDatastore shown
  kListed,    // the list was shown and closed without a jump
  kJumped,    // the chosen line's place was gone to (GoToCite)
};

// Lists view.popupWord's occurrences, one line each: the citation text,
// nine blanks, and "<" + the occurrence's Strong's number (from CITE) +
// ">". Caption: "Occurrences of " + popupWord + "   (" + lines + ")". The
// line of view.clickedCite is preselected. A chosen line is read back with
// the citation parser and jumped to with GoToCite. WORD and CITE are opened
// and closed again on every path; a missing one is never created (the list
// then shows kErrorAccessingDatastore).
OccurrenceOutcome ListWordOccurrences(DatastoreSet& set, UserInterface& ui, ViewState& view);

// The same for the Strong's number view.popupWord ("7225", "H7225"), over
// the whole of CITE, each line naming the occurrence's word (from the FOC2
// record its CITE record names). A number with no occurrence lists nothing
// under "(0)". CITE and FOC2 are opened and closed again.
OccurrenceOutcome ListNumberOccurrences(DatastoreSet& set, UserInterface& ui, ViewState& view);

}  // namespace orv
