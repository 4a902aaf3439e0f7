#include "search/concordance.h"

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/letters.h"
#include "model/records.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

constexpr int kCitesPerLine = 6;
constexpr size_t kWordColumn = 12;  // the word and its blanks
constexpr int kLastRank = 22;
constexpr int kFirstLineRanks = 11;  // ranks 1..11 on the first header line, the rest on the second
constexpr int kAsciiCodes = 128;

// The characters of ranks `from`..`to`, rank by rank and in code order
// within a rank, each followed by one blank.
void PutRanks(ReportFile& file, int from, int to) {
  for (int rank = from; rank <= to; ++rank) {
    for (int code = 0; code < kAsciiCodes; ++code) {
      if (LetterRank(static_cast<uint8_t>(code)) != rank) continue;
      file.Put(std::string(1, static_cast<char>(code)));
      file.Blanks(1);
    }
  }
}

void PutHeader(ReportFile& file) {
  file.Put("Collating sequence");
  file.EndLine();
  file.Put(" 1-11: ");
  PutRanks(file, 1, kFirstLineRanks);
  file.EndLine();
  file.Put("12-22: ");
  PutRanks(file, kFirstLineRanks + 1, kLastRank);
  file.EndLine();
  // The empty line; each word's line then begins with a line end.
  file.EndLine();
}

void PutCite(ReportFile& file, Citation cite) {
  file.Blanks(2);
  file.Verse(cite);
}

// The word records from the first on; false when a read failed.
bool PutWords(ReportFile& file, TDSControl* h, ReportTicker& ticker) {
  std::string previous;
  bool first = true;
  int onLine = 0;
  WordRec rec;
  int32_t code = DSSetPos(h, 0);
  while (code == kDSOk && (code = DSNext(h, &rec)) == kDSOk) {
    if (first || rec.word.View() != previous) {
      previous.assign(rec.word.View());
      first = false;
      file.EndLine();
      file.Padded(previous, kWordColumn);
      onLine = 0;
    } else if (onLine == kCitesPerLine) {
      file.EndLine();
      file.Blanks(kWordColumn);
      onLine = 0;
    }
    PutCite(file, rec.cite);
    ++onLine;
    ticker.Step();
  }
  ticker.End();
  return !IsReadError(code);
}

}  // namespace

ReportOutcome WriteConcordance(DatastoreSet& set, UserInterface& ui, const std::string& path,
                               const ReportProgress& progress) {
  OpenStore word(set.WordDS);
  if (!word.HasRecords()) {
    ui.Message(kErrorAccessingDatastore);
    return ReportOutcome::kUnreadable;
  }
  ReportTicker ticker(progress, DSCount(word.h()));
  return WriteReport(ui, path, kCannotCreateConcordance, [&word, &ticker](ReportFile& file) {
    PutHeader(file);
    if (!PutWords(file, word.h(), ticker)) return false;
    file.EndLine();
    return true;
  });
}

ReportOutcome RunConcordance(DatastoreSet& set, UserInterface& ui) {
  std::string path;
  if (!AskReportPath(ui, "Concordance", kConcordanceName, path)) return ReportOutcome::kCancelled;
  return WriteConcordance(set, ui, path);
}

}  // namespace orv
