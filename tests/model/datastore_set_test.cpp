#include "model/datastore_set.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "datastore/ds_object.h"
#include "model/records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;

// Stored directory paths inside a temporary folder: "<tmp>\Heb\" and
// "<tmp>\Xlat\", which map to native "<tmp>/Heb/" and "<tmp>/Xlat/".
class DatastoreSetTest : public ::testing::Test {
 protected:
  DatastoreSetTest() {
    std::filesystem::create_directory(dir_.File("Heb"));
    std::filesystem::create_directory(dir_.File("Xlat"));
  }
  std::string Heb(const std::string& f) const { return dir_.File("Heb/" + f); }
  std::string Xlat(const std::string& f) const { return dir_.File("Xlat/" + f); }
  static TDSHeader HeaderOf(const std::string& path) {
    auto bytes = ReadBytes(path);
    EXPECT_GE(bytes.size(), static_cast<size_t>(kDSHeaderBytes)) << path;
    if (bytes.size() < static_cast<size_t>(kDSHeaderBytes)) return {};
    return TDSHeader::Decode(bytes.data());
  }

  TempDir dir_;
  DatastoreSet set_{dir_.path() + "\\Heb\\", dir_.path() + "\\Xlat\\"};
};

TEST_F(DatastoreSetTest, FirstOpenStampsKindTagShapeAndPlace) {
  struct Row {
    TXRDataStore* ds;
    std::string file, tag;
    int kind, recordSize, dups;
  };
  const Row rows[] = {
      {&set_.WordDS, Heb("WORD.XRD"), "WORD", 1, 16, 1},
      {&set_.FOccDS, Heb("FOCC.XRD"), "FOCC", 1, 16, 0},
      {&set_.FOc2DS, Heb("FOC2.XRD"), "FOC2", 1, 32, 0},
      {&set_.CiteDS, Xlat("CITE.XRD"), "CITE", 2, 12, 0},
      {&set_.XlatDS, Xlat("XLAT.XRD"), "XLAT", 3, 256, 0},
      {&set_.BookDS, Heb("BOOK.XRD"), "BOOK", 4, 8, 0},
  };
  for (const Row& r : rows) {
    ASSERT_TRUE(DSIsOpen(r.ds->Open(true))) << r.file;
    EXPECT_EQ(r.ds->Close(), 0);
    TDSHeader h = HeaderOf(r.file);
    EXPECT_EQ(h.userWord1, r.kind) << r.file;
    EXPECT_EQ(DSTextValue(h.userText1), r.tag) << r.file;
    EXPECT_EQ(h.recordSize, r.recordSize) << r.file;
    EXPECT_EQ(h.duplicates, r.dups) << r.file;
  }
  ASSERT_TRUE(DSIsOpen(set_.BookFOccDS.OpenBook(2)));
  set_.BookFOccDS.ForceClose();
  TDSHeader h = HeaderOf(Heb("FOCC/EX.XRD"));
  EXPECT_EQ(h.userWord1, 1);
  EXPECT_EQ(DSTextValue(h.userText1), "FOCC");
  EXPECT_EQ(h.recordSize, 16);
}

// The WORD store holds one word's occurrences in text order; its order check
// must look at the citation, or every duplicate word would be reported.
TEST_F(DatastoreSetTest, WordStoreChecksWordThenCitation) {
  TDSControl* h = set_.WordDS.Open(true);
  WordRec r;
  r.word.Set("ab");
  for (uint8_t w : {1, 2, 3}) {
    r.cite = {1, 1, 1, w};
    ASSERT_GE(DSInsert(h, &r), 0);
  }
  r.word.Set("a");
  r.cite = {39, 1, 1, 1};
  ASSERT_GE(DSInsert(h, &r), 0);
  int32_t recNo = 0;
  EXPECT_EQ(DSCheckOrder(h, recNo), kDSOk);
  r.word.Set("ab");
  r.cite = {1, 1, 1, 1};
  ASSERT_GE(DSInsert(h, &r), 0) << "a later insert of an earlier citation goes last";
  EXPECT_EQ(DSCheckOrder(h, recNo), kDSOutOfOrder);
  EXPECT_EQ(recNo, 5);
  set_.WordDS.ForceClose();
}

TEST_F(DatastoreSetTest, StoresFindByTheirOwnKeys) {
  TDSControl* cite = set_.CiteDS.Open(true);
  for (uint8_t v = 9; v >= 1; --v) {
    CiteRec c;
    c.cite = {1, 1, v, 1};
    c.strongs = v;
    ASSERT_EQ(DSInsert(cite, &c), kDSOk);
  }
  CiteRec key;
  key.cite = {1, 1, 4, 1};
  int32_t recNo = 0;
  ASSERT_EQ(DSFind(cite, &key, recNo), kDSFound);
  EXPECT_EQ(recNo, 4);
  EXPECT_EQ(key.strongs, 4);
  set_.CiteDS.Close();

  TDSControl* book = set_.BookDS.Open(true);
  BookRec b2{2, 1, 25, 900}, b1{1, 50, 26, 800};
  ASSERT_EQ(DSInsert(book, &b2), kDSOk);
  ASSERT_EQ(DSInsert(book, &b1), kDSOk);
  BookRec bk{1, 50, 0, 0};
  ASSERT_EQ(DSFind(book, &bk, recNo), kDSFound);
  EXPECT_EQ(recNo, 1);
  EXPECT_EQ(bk.offset, 800);
  set_.BookDS.Close();
}

TEST_F(DatastoreSetTest, ViewTextToBookSwitchesFiles) {
  set_.SetFOccView(FOccView::kNone, FOccView::kText, 1);
  EXPECT_EQ(set_.CurrentFOccView(), FOccView::kText);
  ASSERT_NE(set_.ActiveFOcc(), nullptr);
  EXPECT_EQ(set_.ActiveFOcc(), set_.FOccDS.Handle());
  EXPECT_TRUE(std::filesystem::exists(Heb("FOCC.XRD")));

  set_.SetFOccView(FOccView::kText, FOccView::kBook, 1);
  EXPECT_EQ(set_.FOccDS.Handle(), nullptr) << "FOCC.XRD closed";
  EXPECT_EQ(set_.CurrentFOccView(), FOccView::kBook);
  EXPECT_EQ(set_.BookFOccDS.CurrentBook(), 1);
  EXPECT_EQ(set_.ActiveFOcc(), set_.BookFOccDS.Handle());
  EXPECT_NE(set_.ActiveFOcc(), nullptr);
  EXPECT_TRUE(std::filesystem::exists(Heb("FOCC/GEN.XRD")));

  // The page moving to another book reopens the per-book store; the active
  // handle follows it.
  set_.BookFOccDS.OpenBook(3);
  EXPECT_EQ(set_.ActiveFOcc(), set_.BookFOccDS.Handle());
  EXPECT_NE(set_.ActiveFOcc(), nullptr);

  set_.SetFOccView(FOccView::kBook, FOccView::kCloseBook, 1);
  EXPECT_EQ(set_.BookFOccDS.Handle(), nullptr);
  EXPECT_EQ(set_.FOccDS.Handle(), nullptr) << "closing view 2 opens nothing";
  EXPECT_EQ(set_.ActiveFOcc(), nullptr);
  EXPECT_EQ(set_.CurrentFOccView(), FOccView::kNone);
}

TEST_F(DatastoreSetTest, ViewEqualNoneAndNegativeSwitches) {
  set_.SetFOccView(FOccView::kNone, FOccView::kBook, 5);
  TDSControl* active = set_.ActiveFOcc();
  ASSERT_NE(active, nullptr);
  set_.SetFOccView(FOccView::kBook, FOccView::kBook, 7);
  EXPECT_EQ(set_.ActiveFOcc(), active) << "equal views change nothing";
  EXPECT_EQ(set_.BookFOccDS.CurrentBook(), 5);

  set_.SetFOccView(FOccView::kBook, FOccView::kNone, 5);
  EXPECT_EQ(set_.ActiveFOcc(), nullptr);
  EXPECT_EQ(set_.BookFOccDS.Handle(), nullptr);

  // From no view, a negative view closes its store even when someone else
  // opened it.
  set_.FOccDS.Open(false);
  set_.FOccDS.Open(false);
  set_.SetFOccView(FOccView::kNone, FOccView::kCloseText, 1);
  EXPECT_EQ(set_.FOccDS.Handle(), nullptr);
  EXPECT_EQ(set_.FOccDS.OpenCount(), 0);
}

TEST_F(DatastoreSetTest, BookViewFillsAnEmptyBookFileThroughTheFiller) {
  int calls = 0;
  set_.BookFOccDS.SetBookFiller([&](TDSControl* h, int book) {
    ++calls;
    FoccRec r;
    r.word.Set("ab");
    r.cite = {static_cast<uint8_t>(book), 1, 1, 1};
    return DSInsert(h, &r);
  });
  set_.SetFOccView(FOccView::kNone, FOccView::kBook, 4);
  EXPECT_EQ(calls, 1);
  FoccRec key;
  key.cite = {4, 1, 1, 1};
  int32_t recNo = 0;
  EXPECT_EQ(DSFindPos(set_.ActiveFOcc(), &key, recNo), kDSFound);
  key.cite = {4, 1, 1, 2};
  EXPECT_NE(DSFindPos(set_.ActiveFOcc(), &key, recNo), kDSFound);
  set_.SetFOccView(FOccView::kBook, FOccView::kCloseBook, 4);
  set_.SetFOccView(FOccView::kCloseBook, FOccView::kBook, 4);
  EXPECT_EQ(calls, 1) << "a filled file is not filled again";
}

}  // namespace
}  // namespace orv
