#include "search/count_dialog.h"

#include <charconv>
#include <optional>

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"
#include "search/count_listing.h"
#include "search/store_scan.h"

namespace orv {
namespace {

// Characters, not bytes: a typed text that did not become storage letters
// may still hold multi-byte characters.
size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The match count field: true with the count, or false with the message.
bool ReadMatchCount(std::string_view typed, int32_t& match, const char*& message) {
  const std::string_view text = TrimBlanks(typed);
  int32_t value = 0;
  if (!text.empty()) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
      message = kInvalidMatchCount;
      return false;
    }
  }
  if (value <= 0) {
    message = kMatchCountNotPositive;
    return false;
  }
  match = value;
  return true;
}

CountScope PlainScope(CountChoice choice) {
  if (choice == CountChoice::kBook) return CountScope::kBook;
  if (choice == CountChoice::kBible) return CountScope::kBible;
  return CountScope::kChapter;
}

CountOutcome Refuse(UserInterface& ui, const char* message) {
  ui.Message(message);
  return CountOutcome::kRefused;
}

// Shows what a count or listing came to.
CountOutcome Show(UserInterface& ui, SeekResult status, const std::string& message,
                  const ListRequest* list) {
  if (status == SeekResult::kError) {
    ui.Message(kErrorAccessingDatastore);
    return CountOutcome::kFailed;
  }
  if (status == SeekResult::kAbsent) {
    ui.Message(kWordNotInDatabase);
  } else if (!message.empty()) {
    ui.Message(message);
  } else if (list) {
    ui.ShowList(*list);
  }
  return CountOutcome::kAnswered;
}

CountOutcome Dispatch(DatastoreSet& set, UserInterface& ui, const CountRequest& request,
                      const std::string& text, int number, int32_t match) {
  TDSControl* word = set.WordDS.Handle();
  std::optional<OpenStore> citeOpen;
  if (number) citeOpen.emplace(set.CiteDS);
  TDSControl* cite = citeOpen ? citeOpen->h() : nullptr;
  const bool listing = request.choice == CountChoice::kAllCounts || match > 0;
  if (!listing) {
    if (text.empty()) return Refuse(ui, kMustEnterWord);
    const CountScope scope = PlainScope(request.choice);
    PlainCount count;
    {
      WaitCursor wait(ui);
      count = number ? CountStrongs(cite, number, scope, request.place)
                     : CountWord(word, text, scope, request.place);
    }
    return Show(ui, count.status, CountMessage(text, count.count, scope, request.place), nullptr);
  }
  if (text.empty() && match == 0) return Refuse(ui, kMustEnterWord);
  CountListing listed;
  {
    WaitCursor wait(ui);
    if (text.empty()) {
      listed = ListWordsWithCount(word, match);
    } else {
      listed =
          number ? ListNumberCounts(cite, number, text, match) : ListWordCounts(word, text, match);
    }
  }
  return Show(ui, listed.status, listed.message, &listed.list);
}

}  // namespace

CountOutcome RunWordCount(DatastoreSet& set, UserInterface& ui, const CountRequest& request) {
  int32_t match = 0;
  if (request.choice == CountChoice::kMatch) {
    const char* message = nullptr;
    if (!ReadMatchCount(request.matchCount, match, message)) return Refuse(ui, message);
  }
  std::string text = TypedWord(request.word);
  if (CharacterCount(text) > static_cast<size_t>(kWordCap)) return Refuse(ui, kCountWordTooLong);
  int number = 0;
  const StrongsReading reading = ReadStrongsNumber(request.word);
  if (!text.empty() && reading.reading == NumberReading::kOutOfRange) {
    return Refuse(ui, kInvalidStrongsNumber);
  }
  if (!text.empty() && reading.reading == NumberReading::kNumber) {
    number = reading.number;
    text = TrimBlanks(request.word);
  }
  // WORD stays open for the session once a count has opened it; a missing
  // file is not created.
  if (!DSIsOpen(set.WordDS.Handle()) && DSProbe(NativePath(set.WordDS.Path())) == kDSOk) {
    set.WordDS.Open(true);
  }
  return Dispatch(set, ui, request, text, number, match);
}

}  // namespace orv
