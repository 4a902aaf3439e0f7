#include "datastore/data_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "datastore/ds_store_test_util.h"
#include "model/books.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::MakeRec;
using test::ReadBytes;
using test::Rec16;
using test::TempDir;

class DataStoreClass : public ::testing::Test {
 protected:
  std::unique_ptr<TXRDataStore> MakeStore(const std::string& name = "WORD.XRD") {
    auto s = std::make_unique<TXRDataStore>(dir_.File(name), true, 16, "WORDS", 1);
    s->SetCompare(test::KeyCompare, nullptr, test::KeyPrefix);
    return s;
  }
  // Inserts record `k` into `s` between an open and its close.
  static void InsertOne(TXRDataStore& s, uint32_t k) {
    TDSControl* h = s.Open(false);
    Rec16 r = MakeRec(k);
    DSInsert(h, r.data());
    s.Close();
  }
  TempDir dir_;
};

TEST_F(DataStoreClass, NestedOpensCloseOnTheLastAndStampTheHeader) {
  auto s = MakeStore();
  EXPECT_EQ(s->Tag(), "WORD");
  TDSControl* h = s->Open(true);
  ASSERT_TRUE(DSIsOpen(h));
  EXPECT_TRUE(s->Ready());
  Rec16 r = MakeRec(1);
  DSInsert(h, r.data());
  EXPECT_EQ(s->Open(false), h) << "an open store is handed out as it is";
  EXPECT_EQ(s->Close(), 0);
  EXPECT_TRUE(DSIsOpen(s->Handle()));
  EXPECT_EQ(std::filesystem::file_size(s->Path()), 1024u) << "nothing written yet";
  EXPECT_EQ(s->Close(), 0);
  EXPECT_EQ(s->Handle(), nullptr);
  EXPECT_EQ(s->Close(), 0) << "an unbalanced close is harmless";
  auto file = ReadBytes(s->Path());
  TDSHeader hdr = TDSHeader::Decode(file.data());
  EXPECT_EQ(hdr.userWord1, 1);
  EXPECT_EQ(DSTextValue(hdr.userText1), "WORD");
  EXPECT_EQ(hdr.recordCount, 1);
  EXPECT_EQ(hdr.duplicates, 1);
}

TEST_F(DataStoreClass, ReleaseKeepsStoreOpenAndForceCloseEndsIt) {
  auto s = MakeStore();
  s->Open(false);
  s->Open(false);
  s->Release();
  EXPECT_EQ(s->OpenCount(), 1);
  s->Release();
  EXPECT_EQ(s->OpenCount(), 1) << "release never takes the last count";
  s->Open(false);
  EXPECT_EQ(s->ForceClose(), 0);
  EXPECT_EQ(s->OpenCount(), 0);
  EXPECT_EQ(s->Handle(), nullptr);
}

TEST_F(DataStoreClass, MissingFileCountsNothingAndCreatesNothing) {
  auto s = MakeStore();
  EXPECT_EQ(s->RecordCount(), 0);
  EXPECT_FALSE(s->Exists());
  EXPECT_FALSE(std::filesystem::exists(s->Path()));
  // The answer was not cached: once the file has records, Exists sees them.
  InsertOne(*s, 3);
  EXPECT_EQ(s->RecordCount(), 1);
  EXPECT_EQ(s->Handle(), nullptr) << "counting a closed store leaves it closed";
  EXPECT_TRUE(s->Exists());
  std::filesystem::remove(s->Path());
  EXPECT_TRUE(s->Exists()) << "once known to exist, it stays known";
}

TEST_F(DataStoreClass, ExistsLeavesStoreReadOnlyUntilForceClosed) {
  InsertOne(*MakeStore(), 3);
  auto s = MakeStore();
  ASSERT_TRUE(s->Exists());
  TDSControl* h = s->Open(true);
  Rec16 r = MakeRec(4);
  int32_t n = 0;
  EXPECT_EQ(DSFindPos(h, r.data(), n), 0) << "comparisons are set on the read-only handle";
  EXPECT_EQ(DSInsert(h, r.data()), kDSNotAllowed);
  s->Close();
  s->ForceClose();
  h = s->Open(true);
  EXPECT_EQ(DSInsert(h, r.data()), 0);
  s->Close();
}

TEST_F(DataStoreClass, OpenOfDamagedFileLeavesNoHandleAndFileIntact) {
  InsertOne(*MakeStore(), 3);
  std::string path = dir_.File("WORD.XRD");
  auto bytes = ReadBytes(path);
  bytes[13] = 0x7F;  // record count far beyond the one block
  test::WriteBytes(path, bytes);
  auto s = MakeStore();
  EXPECT_FALSE(DSIsOpen(s->Open(false)));
  EXPECT_FALSE(s->Ready());
  s->Close();
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(DataStoreClass, OpenBookSwitchesFilesAndFillsEmptyOnes) {
  const std::string folder = dir_.path() + "/";
  TXRDS2 books(
      [&folder](int book) {
        return book <= kBookCount ? folder + "FOCC/" + BookCode(book) + ".XRD" : "";
      },
      false, 16, "FOCC", 1);
  books.SetCompare(test::KeyCompare, nullptr, test::KeyPrefix);
  TDSControl* h = books.OpenBook(1);
  ASSERT_TRUE(DSIsOpen(h));
  EXPECT_EQ(DSCount(h), 0) << "without a filler an empty book file stays empty";
  EXPECT_EQ(books.OpenBook(1), h) << "the same book is not opened again";
  std::vector<int> filled;
  books.SetBookFiller([&filled](TDSControl* store, int book) {
    filled.push_back(book);
    Rec16 r = MakeRec(static_cast<uint32_t>(book));
    return DSInsert(store, r.data());
  });
  h = books.OpenBook(2);
  ASSERT_TRUE(DSIsOpen(h));
  EXPECT_EQ(DSCount(h), 1);
  EXPECT_TRUE(books.Ready());
  EXPECT_TRUE(std::filesystem::exists(dir_.File("FOCC/GEN.XRD")));
  books.OpenBook(2);
  books.OpenBook(39);
  books.OpenBook(2);
  EXPECT_EQ(filled, (std::vector<int>{2, 39})) << "a filled book is not filled again";
  EXPECT_EQ(books.OpenBook(40), nullptr);
  books.ForceClose();
  auto file = ReadBytes(dir_.File("FOCC/EX.XRD"));
  EXPECT_EQ(TDSHeader::Decode(file.data()).recordCount, 1);
}

}  // namespace
}  // namespace orv
