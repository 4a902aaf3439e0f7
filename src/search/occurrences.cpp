#include "search/occurrences.h"

#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "model/typed_input.h"
#include "page/view_state.h"
#include "search/cite_seeker.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

constexpr const char kDatumOpen[] = "         <";  // nine blanks before the datum

// DSNextMatch's answer for a CITE record of the number listed.
constexpr int kNumberHere = 1;

std::string Line(Citation cite, std::string_view datum) {
  return CitationText(cite).append(kDatumOpen).append(datum).append(">");
}

OccurrenceOutcome Failed(UserInterface& ui) {
  ui.Message(kErrorAccessingDatastore);
  return OccurrenceOutcome::kFailed;
}

// Shows the list and goes to the place of the line chosen, read back from
// the line itself (its "<...>" part is no part of the citation).
OccurrenceOutcome ShowAndJump(DatastoreSet& set, UserInterface& ui, ViewState& view,
                              ListRequest& list) {
  list.caption = std::string("Occurrences of ")
                     .append(view.popupWord)
                     .append("   (")
                     .append(std::to_string(list.lines.size()))
                     .append(")");
  list.pick = true;
  const int chosen = ui.ShowList(list);
  if (chosen < 0 || static_cast<size_t>(chosen) >= list.lines.size()) {
    return OccurrenceOutcome::kListed;
  }
  Citation cite = kNullCite;
  DatastoreCounts counts(set);
  if (ParseCitation(list.lines[static_cast<size_t>(chosen)], cite, counts) != kCiteOk) {
    return OccurrenceOutcome::kListed;
  }
  GoToCite(view, cite);
  return OccurrenceOutcome::kJumped;
}

}  // namespace

OccurrenceOutcome ListWordOccurrences(DatastoreSet& set, UserInterface& ui, ViewState& view) {
  OpenStore word(set.WordDS);
  OpenStore cite(set.CiteDS);
  const SeekResult found = SeekWord(word.h(), view.popupWord);
  if (found == SeekResult::kError) return Failed(ui);
  if (found == SeekResult::kAbsent) {
    ui.Message(kWordNotInDatabase);
    return OccurrenceOutcome::kNotFound;
  }
  const std::string_view key = WordKey(view.popupWord);
  ListRequest list;
  int32_t code;
  {
    WaitCursor wait(ui);
    CiteSeeker seeker(cite.h());
    WordRec rec;
    while ((code = DSNext(word.h(), &rec)) == kDSOk && SameWord(rec, key)) {
      if (list.selected < 0 && rec.cite == view.clickedCite) {
        list.selected = static_cast<int>(list.lines.size());
      }
      CiteRec place{};
      place.cite = rec.cite;
      const int32_t at = seeker.Find(place);
      if (at != kDSOk && at != kDSFound && at != kDSEnd) {
        code = at;
        break;
      }
      // A word without its CITE record has no number (0), rather than the
      // number of whatever record stands where it would be.
      list.lines.push_back(Line(rec.cite, std::to_string(at == kDSFound ? place.strongs : 0)));
    }
  }
  if (IsReadError(code)) return Failed(ui);
  return ShowAndJump(set, ui, view, list);
}

OccurrenceOutcome ListNumberOccurrences(DatastoreSet& set, UserInterface& ui, ViewState& view) {
  const StrongsReading reading = ReadStrongsNumber(view.popupWord);
  if (reading.reading != NumberReading::kNumber) return OccurrenceOutcome::kNothing;
  const int number = reading.number;
  OpenStore cite(set.CiteDS);
  OpenStore foc2(set.FOc2DS);
  if (!DSIsOpen(cite.h()) || !DSIsOpen(foc2.h())) return Failed(ui);
  const DSFilter isNumber = [number](const void* r) {
    return static_cast<const CiteRec*>(r)->strongs == number ? kNumberHere : 0;
  };
  ListRequest list;
  int32_t code;
  {
    WaitCursor wait(ui);
    DSSetPos(cite.h(), 0);
    CiteRec rec;
    while ((code = DSNextMatch(cite.h(), isNumber, &rec)) == kNumberHere) {
      if (list.selected < 0 && rec.cite == view.clickedCite) {
        list.selected = static_cast<int>(list.lines.size());
      }
      Foc2Rec word{};
      const int32_t read = DSReadAt(foc2.h(), rec.foc2, &word);
      if (read != kDSOk && read != kDSEnd && read != kDSBadRecordNo) {
        code = read;
        break;
      }
      list.lines.push_back(Line(rec.cite, read == kDSOk ? word.word.View() : std::string_view()));
    }
  }
  if (IsReadError(code)) return Failed(ui);
  return ShowAndJump(set, ui, view, list);
}

}  // namespace orv
