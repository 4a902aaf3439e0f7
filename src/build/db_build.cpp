#include "build/db_build.h"

#include <filesystem>
#include <memory>
#include <new>

#include "build/focc_build.h"
#include "build/pointer_pass.h"
#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/source_reader.h"
#include "model/text_reader.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

constexpr const char kAbnormal[] = "** Abnormal termination **";

// Force-closed first: a store that Exists() opened read-only, or that the
// page holds open, would otherwise be handed back as it is and refuse the
// clear. The folder is made because a fresh data root has none. The store
// is written anew beside the old one and moved over it when done
// (FinishReplace), so a crash leaves the old store or the new one.
TDSControl* OpenEmpty(TXRDataStore& store, UserInterface& ui) {
  store.ForceClose();
  store.BeginReplace();
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(NativePath(store.Path())).parent_path(),
                                      ec);
  TDSControl* h = store.Open(true);
  if (!DSIsOpen(h) || DSClear(h) != kDSOk) {
    ui.Message("Could not open " + store.Tag() + " datastore");
    store.ForceClose();
    return nullptr;
  }
  return h;
}

const char* PassLabel(BuildFlags f) {
  if (f.word && f.cite) return "Building Word && Cite datastores";
  if (f.word) return "Building Word datastore";
  if (f.cite) return "Building Cite datastore";
  return "Building Book datastore";
}

struct PassHandles {
  TDSControl* word = nullptr;
  TDSControl* focc = nullptr;
  TDSControl* foc2 = nullptr;
  TDSControl* cite = nullptr;
  TDSControl* book = nullptr;
};

// Adds one word to WORD, and to FOCC and FOC2 when WORD had no equal word
// yet; false on an engine failure.
bool AddWord(const PassHandles& h, const SourceWord& w) {
  WordRec rec{StorageWord(w.token), w.cite};
  int32_t rc = DSInsert(h.word, &rec);
  if (rc == kDSFound) return true;
  if (rc != kDSOk) return false;
  if (DSAppend(h.focc, &rec) != kDSOk) return false;
  Foc2Rec first;
  first.word = rec.word;
  first.cite = rec.cite;
  first.source.Set("");
  return DSInsert(h.foc2, &first) >= kDSOk;
}

bool AddCite(const PassHandles& h, const SourceWord& w) {
  CiteRec rec;
  rec.cite = w.cite;
  return DSAppend(h.cite, &rec) == kDSOk;
}

void CloseReporting(TXRDataStore& store, const char* error, UserInterface& ui) {
  if (store.Close() != kDSOk || store.FinishReplace() != kDSOk) ui.Message(error);
}

// Reads one book's file into the stores. Returns false when the reading has
// to stop (cancel or failure).
bool ReadBook(BuildContext& ctx, BuildFlags f, const PassHandles& h, PositionedReader& reader,
              int book) {
  SourceScanner scanner(book);
  BookRec chapter{static_cast<uint8_t>(book), 0, 0, 0};
  uint8_t lastVerse = 0;
  bool failed = false;
  WordSink onWord;
  if (f.word || f.cite) {
    onWord = [&](const SourceWord& w) {
      if (failed) return;
      if ((f.word && !AddWord(h, w)) || (f.cite && !AddCite(h, w))) failed = true;
    };
  }
  auto finishChapter = [&] {
    if (chapter.chapter == 0) return;
    chapter.verses = lastVerse;
    if (DSAppend(h.book, &chapter) != kDSOk) failed = true;
  };
  std::string line;
  for (int n = 1; !ctx.cancel && !failed; ++n) {
    uint32_t offset = reader.TextPos();
    if (!reader.ReadLine(line)) break;
    SourceLine kind = scanner.Scan(line, onWord);
    if (kind == SourceLine::kVerse) lastVerse = scanner.Verse();
    if (kind == SourceLine::kDirective) {
      const Directive& d = scanner.LastDirective();
      if (d.name == "BOOK") ctx.progress.Book(std::string(d.value));
      if (d.isChapter && f.book) {
        finishChapter();
        chapter.chapter = d.chapter;
        chapter.offset = static_cast<int32_t>(offset);
        lastVerse = 0;
      }
    }
    if (n % BuildProgress::kRefreshLines == 0) ctx.progress.Refresh();
  }
  reader.Close();
  if (ctx.cancel) return false;
  if (f.book && !failed) finishChapter();
  if (failed) ctx.ui.Message(kAbnormal);
  return !failed;
}

}  // namespace

void BuildPass(BuildContext& ctx, BuildFlags f) {
  DatastoreSet& set = ctx.set;
  ctx.progress.Status(PassLabel(f));
  PassHandles h;
  bool ok = true;
  if (f.word) {
    ok = (h.word = OpenEmpty(set.WordDS, ctx.ui)) && (h.focc = OpenEmpty(set.FOccDS, ctx.ui)) &&
         (h.foc2 = OpenEmpty(set.FOc2DS, ctx.ui));
  }
  if (ok && f.cite) ok = (h.cite = OpenEmpty(set.CiteDS, ctx.ui)) != nullptr;
  if (ok && f.book) ok = (h.book = OpenEmpty(set.BookDS, ctx.ui)) != nullptr;
  if (!ok) {
    // Nothing has been read: the stores opened so far are left empty.
    for (TXRDataStore* s : {&set.WordDS, &set.FOccDS, &set.FOc2DS, &set.CiteDS}) {
      if (s->Replacing()) s->FinishReplace();
    }
    return;
  }
  TDSControl* counted = f.word ? h.word : f.cite ? h.cite : h.book;

  ctx.cancel = false;
  PositionedReader reader;
  for (int book = 1; book <= kBookCount; ++book) {
    ctx.progress.Refresh();
    if (!reader.Open(SourceFilePath(ctx.sourceDir, book), kSourceBufferSize)) {
      ctx.ui.Message(CannotOpenMessage(book));
      break;
    }
    bool goOn = ReadBook(ctx, f, h, reader, book);
    ctx.progress.Entries(DSCount(counted));
    if (!goOn) break;
  }

  if (f.word) {
    ctx.progress.Status("Compressing Word datastore");
    DSPack(h.word);
    ctx.progress.Status("Closing Word datastore");
    CloseReporting(set.WordDS, "Error closing Word datastore", ctx.ui);
    ctx.progress.Status("Closing FOcc datastore");
    CloseReporting(set.FOccDS, "Error closing FOcc datastore", ctx.ui);
    ctx.progress.Status("Compressing FOc2 datastore");
    DSPack(h.foc2);
    ctx.progress.Status("Closing FOc2 datastore");
    CloseReporting(set.FOc2DS, "Error closing FOc2 datastore", ctx.ui);
    // The whole-text first-occurrence view lost its store to the rebuild;
    // the per-book files were made from the old text.
    if (set.CurrentFOccView() == FOccView::kText) set.FOccDS.Open(true);
    DropBookFOccFiles(set);
  }
  if (f.cite) {
    ctx.progress.Status("Closing Cite datastore");
    set.CiteDS.Close();
  }
  if (f.book) {
    ctx.progress.Status("Closing Book datastore");
    set.BookDS.ForceClose();
    set.BookDS.FinishReplace();
    set.BookDS.Open(true);
  }
  if (f.cite) {
    ctx.progress.Status(" ");
    PointerPass(ctx);
  }
}

bool ProbeBuildMemory() {
  std::unique_ptr<char[]> probe(new (std::nothrow) char[kBuildMemoryProbe]);
  return probe != nullptr;
}

CiteRebuildGuard& GuardSlot() {
  static CiteRebuildGuard guard;
  return guard;
}

void SetCiteRebuildGuard(CiteRebuildGuard guard) { GuardSlot() = std::move(guard); }

const CiteRebuildGuard& DefaultCiteRebuildGuard() { return GuardSlot(); }

void RunBuild(BuildContext& ctx, BuildFlags f, const std::function<bool()>& memoryProbe) {
  ctx.done = false;
  if (f.cite && ctx.beforeCiteRebuild && !ctx.beforeCiteRebuild(ctx.set, ctx.ui)) {
    ctx.done = true;
    return;
  }
  if (f.word && f.cite && !(memoryProbe && memoryProbe())) {
    BuildPass(ctx, BuildFlags{true, false, f.book});
    BuildPass(ctx, BuildFlags{false, true, false});
  } else {
    BuildPass(ctx, f);
  }
  ctx.done = true;
}

void StartBuild(BuildContext& ctx, BuildFlags f, const std::function<void()>& loadDefaultStrongs,
                const std::function<bool()>& memoryProbe) {
  if (f.word || f.cite) RunBuild(ctx, f, memoryProbe);
  if (ctx.ui.YesNoCancel(kStrongsQuestion) == 1) {
    ctx.progress.Status("Setting Strong's numbers...");
    if (loadDefaultStrongs) loadDefaultStrongs();
    // The status line tells of work under way; as after the build, it is
    // cleared once the work is over.
    ctx.progress.Status("");
  }
}

}  // namespace orv
