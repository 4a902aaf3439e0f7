#include "archive/archive_writer.h"

#include <string_view>

#include "archive/archive_out.h"
#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/records.h"
#include "model/text_utils.h"

namespace orv {
namespace {

void Show(const ArchiveStatus& status, const std::string& text) {
  if (status) status(text);
}

void WriteHead(ArchiveOut& out) {
  out.Line(kArchiveMagic);
  out.Text(kArchiveVersionPrefix).Line(kArchiveVersion);
}

// The citation's four numbers, separated by single spaces.
ArchiveOut& CiteFields(ArchiveOut& out, const Citation& c) {
  return out.Number(c.book).Text(" ").Number(c.chapter).Text(" ").Number(c.verse).Text(" ").Number(
      c.word);
}

// Walks the store from its first record; `each` gets every record. Returns
// 0 when the walk reached the end, else the engine's code: a walk cut short
// by a read error must not pass for a complete archive.
template <typename Rec, typename Each>
int32_t Walk(TDSControl* h, Each each) {
  DSSetPos(h, 0);
  Rec rec;
  int32_t rc;
  while ((rc = DSNext(h, &rec)) == kDSOk) each(rec);
  return rc == kDSEnd ? kDSOk : rc;
}

int32_t WriteDefinitions(TDSControl* h, ArchiveOut& out) {
  out.Line("; ");
  out.Line("; Translation data format:");
  out.Line(";   *<Word> <Stat> <Flags> 0 0");
  out.Line(";   0 <translation 0>");
  out.Line(";   n <translation n>  - as applicable");
  out.Line("; ");
  return Walk<XlatRec>(h, [&](const XlatRec& r) {
    out.Text("*").Text(r.word.View()).Text(" ").Number(r.status).Text(" ").Number(r.flags);
    out.Line(" 0 0");
    out.Text("0 ").Line(r.gloss[0].View());
    for (int i = 1; i < 6; ++i) {
      if (TrimRight(r.gloss[i].View()).empty()) continue;
      out.Number(i).Text(" ").Line(r.gloss[i].View());
    }
  });
}

// Calls `each` for every CITE record, showing "Scan " + book name whenever
// the book changes.
template <typename Each>
int32_t ScanCite(TDSControl* h, const ArchiveStatus& status, Each each) {
  int book = -1;
  return Walk<CiteRec>(h, [&](const CiteRec& r) {
    if (r.cite.book != book) {
      book = r.cite.book;
      Show(status, "Scan " + BookName(book).substr(0, 20));
    }
    each(r);
  });
}

int32_t WriteOccurrences(TDSControl* h, ArchiveOut& out, const ArchiveStatus& status) {
  out.Line("; ");
  out.Line("; Cite data format:");
  out.Line(";   +<Book> <Chap> <Vers> <WNum>");
  out.Line(";     <XNum> <Flags> <Strong>");
  out.Line("; ");
  return ScanCite(h, status, [&](const CiteRec& r) {
    // A mark alone is the user's too: a record is left out only when it
    // holds nothing of theirs, or a backup would lose marked occurrences.
    if (r.use == 0 && r.strongs == 0 && r.flags == 0) return;
    CiteFields(out.Text("+"), r.cite).EndLine();
    out.Text("  ").Number(r.use).Text(" ").Number(r.flags).Text(" ").Number(r.strongs).EndLine();
  });
}

}  // namespace

int32_t WriteFullArchive(TXRDataStore& xlat, TXRDataStore& cite, const std::string& nativePath,
                         const ArchiveStatus& status) {
  // Each Open is balanced by a Close even when it failed: the store's open
  // count went up regardless.
  TDSControl* xh = xlat.Open(true);
  TDSControl* ch = cite.Open(true);
  int32_t rc = kArchiveCannotCreate;
  ArchiveOut out;
  if (DSIsOpen(xh) && DSIsOpen(ch) && out.Begin(nativePath)) {
    WriteHead(out);
    Show(status, "Write Xlat DS");
    rc = WriteDefinitions(xh, out);
    if (rc == kDSOk) rc = WriteOccurrences(ch, out, status);
    if (rc == kDSOk) rc = out.Commit();
  }
  cite.Close();
  xlat.Close();
  return rc;
}

int32_t WriteFullArchive(DatastoreSet& ds, const std::string& nativePath,
                         const ArchiveStatus& status) {
  return WriteFullArchive(ds.XlatDS, ds.CiteDS, nativePath, status);
}

int32_t WriteStrongsArchive(TXRDataStore& cite, const std::string& nativePath, bool nonZeroOnly,
                            const ArchiveStatus& status) {
  TDSControl* ch = cite.Open(true);
  int32_t rc = kArchiveCannotCreate;
  ArchiveOut out;
  if (DSIsOpen(ch) && out.Begin(nativePath)) {
    WriteHead(out);
    // "Stong's" as every existing Strong's archive spells it.
    out.Line("; ");
    out.Line("; Stong's number data format:");
    out.Line(";   #<Book> <Chap> <Vers> <WNum> <Strong>");
    out.Line("; ");
    rc = ScanCite(ch, status, [&](const CiteRec& r) {
      if (nonZeroOnly && r.strongs == 0) return;
      CiteFields(out.Text("#"), r.cite).Text(" ").Number(r.strongs).EndLine();
    });
    if (rc == kDSOk) rc = out.Commit();
  }
  cite.Close();
  return rc;
}

int32_t WriteStrongsArchive(DatastoreSet& ds, const std::string& nativePath, bool nonZeroOnly,
                            const ArchiveStatus& status) {
  return WriteStrongsArchive(ds.CiteDS, nativePath, nonZeroOnly, status);
}

}  // namespace orv
