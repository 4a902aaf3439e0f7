#include "build/pointer_pass.h"

#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "model/source_reader.h"
#include "model/text_reader.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

void Link(TDSControl* foc2, TDSControl* cite, const SourceWord& w) {
  Foc2Rec word;
  word.word = StorageWord(w.token);
  int32_t foc2No = 0;
  if (DSFind(foc2, &word, foc2No) != kDSFound) return;
  if (word.source.len == 0) {
    word.source = SourceSpelling(w.token);
    DSUpdate(foc2, foc2No, &word);
  }
  CiteRec occurrence;
  occurrence.cite = w.cite;
  int32_t citeNo = 0;
  if (DSFind(cite, &occurrence, citeNo) != kDSFound) return;
  occurrence.foc2 = foc2No;
  DSUpdate(cite, citeNo, &occurrence);
}

}  // namespace

void PointerPass(BuildContext& ctx) {
  DatastoreSet& set = ctx.set;
  ctx.progress.Status("Assigning pointers to Cite datastore");
  TDSControl* foc2 = set.FOc2DS.Open(true);
  TDSControl* cite = set.CiteDS.Open(true);
  ctx.cancel = false;
  WordSink onWord;
  if (DSIsOpen(foc2) && DSIsOpen(cite) && DSCount(foc2) > 0) {
    onWord = [&](const SourceWord& w) { Link(foc2, cite, w); };
  }
  PositionedReader reader;
  std::string line;
  for (int book = 1; book <= kBookCount && !ctx.cancel; ++book) {
    ctx.progress.Refresh();
    if (!reader.Open(SourceFilePath(ctx.sourceDir, book), kSourceBufferSize)) {
      ctx.ui.Message(CannotOpenMessage(book));
      break;
    }
    SourceScanner scanner(book);
    for (int n = 1; !ctx.cancel && reader.ReadLine(line); ++n) {
      if (scanner.Scan(line, onWord) == SourceLine::kDirective &&
          scanner.LastDirective().name == "BOOK") {
        ctx.progress.Book(std::string(scanner.LastDirective().value));
      }
      if (n % BuildProgress::kRefreshLines == 0) ctx.progress.Refresh();
    }
    reader.Close();
    ctx.progress.Entries(DSCount(cite));
  }
  ctx.progress.Book("-------");
  ctx.progress.Status("Closing FOc2 datastore");
  if (set.FOc2DS.Close() != kDSOk) ctx.ui.Message("Error closing FOc2 datastore");
  ctx.progress.Status("Closing Cite datastore");
  // The build wrote CITE anew: it takes the old one's place only now.
  if (set.CiteDS.Close() != kDSOk || set.CiteDS.FinishReplace() != kDSOk) {
    ctx.ui.Message("Error closing Cite datastore");
  }
  ctx.progress.Status(" ");
}

}  // namespace orv
