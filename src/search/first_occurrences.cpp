#include "search/first_occurrences.h"

#include <optional>

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

constexpr int kWordsPerLine = 5;
constexpr size_t kWordColumn = 12;  // the word and its blanks
constexpr size_t kVerseColumn = 9;  // "Gen  1: 1"
// No verse has these numbers, so the first record always starts a verse.
constexpr Citation kNoVerse{255, 255, 255, 0};

bool SameVerse(Citation a, Citation b) {
  return a.book == b.book && a.chapter == b.chapter && a.verse == b.verse;
}

// The FOCC records from the first on; false when a read failed. Ends with
// the final line end either way.
bool PutVerses(ReportFile& file, TDSControl* h, ReportTicker& ticker) {
  Citation verse = kNoVerse;
  int onLine = 1;  // so that the report begins with a line end
  FoccRec rec;
  int32_t code = DSSetPos(h, 0);
  while (code == kDSOk && (code = DSNext(h, &rec)) == kDSOk) {
    if (!SameVerse(rec.cite, verse)) {
      if (onLine > 0) file.EndLine();
      file.Verse(rec.cite);
      verse = rec.cite;
      onLine = 0;
    } else if (onLine == kWordsPerLine) {
      file.EndLine();
      file.Blanks(kVerseColumn);
      onLine = 0;
    }
    file.Blanks(2);
    file.Padded(rec.word.View(), kWordColumn);
    ++onLine;
    ticker.Step();
  }
  ticker.End();
  file.EndLine();
  return !IsReadError(code);
}

}  // namespace

ReportOutcome WriteFirstOccurrences(DatastoreSet& set, UserInterface& ui, const std::string& path,
                                    const ReportProgress& progress) {
  // The report is of the whole text whatever the page marks: another view
  // (or none) is no reason to refuse it.
  TDSControl* h = set.CurrentFOccView() == FOccView::kText ? set.ActiveFOcc() : nullptr;
  std::optional<OpenStore> opened;
  if (!h) {
    opened.emplace(set.FOccDS);
    h = opened->h();
  }
  if (!DSIsOpen(h) || DSCount(h) == 0) {
    ui.Message(kErrorAccessingDatastore);
    return ReportOutcome::kUnreadable;
  }
  ReportTicker ticker(progress, DSCount(h));
  return WriteReport(ui, path, kCannotCreateFirstOccurrences,
                     [h, &ticker](ReportFile& file) { return PutVerses(file, h, ticker); });
}

ReportOutcome RunFirstOccurrences(DatastoreSet& set, UserInterface& ui) {
  std::string path;
  if (!AskReportPath(ui, "First occurrences", kFirstOccurrencesName, path)) {
    return ReportOutcome::kCancelled;
  }
  return WriteFirstOccurrences(set, ui, path);
}

}  // namespace orv
