#include "build/db_verify.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "build/build_fixture.h"
#include "build/build_plan.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "model/records.h"
#include "platform/path_map.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class Verification : public test::StoreDirsFixture {
 protected:
  void BuildAll() {
    text_.Write(sourceDir_);
    RunBuild(ctx_, BuildFlags{true, true, false}, [] { return true; });
    RunBuild(ctx_, BuildFlags{false, false, true});
    set_.BookDS.ForceClose();
  }
  std::vector<std::string> Verify() {
    return VerifyDatastores(set_, ui_, [] { ADD_FAILURE() << "no build expected"; });
  }
  test::SmallText text_{31};
};

TEST_F(Verification, FreshlyBuiltStoresAreGood) {
  BuildAll();
  auto got = Verify();
  EXPECT_THAT(
      got, ElementsAre("BOOK datastore is good", "WORD datastore is good", "FOCC datastore is good",
                       "FOC2 datastore is good", "CITE datastore is good"));
  EXPECT_EQ(ui_.messages, got) << "each one shown";
  EXPECT_TRUE(DSIsOpen(set_.WordDS.Handle())) << "left open for later commands";
}

TEST_F(Verification, FewerThanTenRecordsCountAsNoEntries) {
  TDSControl* h = set_.BookDS.Open(true);
  for (uint8_t c = 1; c <= 9; ++c) {
    BookRec r{1, c, 5, c * 100};
    DSAppend(h, &r);
  }
  set_.BookDS.Close();
  EXPECT_EQ(VerifyStore(set_.BookDS), "No entries in BOOK datastore");
}

TEST_F(Verification, SameWordAtTheSameCitationIsAnError) {
  TDSControl* h = set_.WordDS.Open(true);
  for (int i = 0; i < 11; ++i) {
    WordRec w;
    w.word.Set(std::string(1, "abwzidevths"[i % 11]));
    w.cite = Citation{1, 1, 1, static_cast<uint8_t>(i + 1)};
    DSInsert(h, &w);
    if (i == 4) DSInsert(h, &w);
  }
  set_.WordDS.Close();
  // Word order a b w z i ...: the twin of the word i (record 5) is record 6.
  EXPECT_EQ(VerifyStore(set_.WordDS), "Error(s) in WORD datastore @ 6");
}

TEST_F(Verification, DamagedFilesAreReportedWithThePlace) {
  BuildAll();
  std::string cite = NativePath(set_.CiteDS.Path());
  auto bytes = test::ReadBytes(cite);
  // Swap the citations of CITE records 3 and 4 (block 0 starts at 1024 + 1).
  for (int k = 0; k < 4; ++k) std::swap(bytes[1025 + 2 * 12 + k], bytes[1025 + 3 * 12 + k]);
  test::WriteBytes(cite, bytes);
  std::string foc2 = NativePath(set_.FOc2DS.Path());
  bytes = test::ReadBytes(foc2);
  bytes[12] += 1;  // one record more in the header than in the blocks
  test::WriteBytes(foc2, bytes);
  std::filesystem::remove(NativePath(set_.FOccDS.Path()));
  auto got = Verify();
  ASSERT_EQ(got.size(), 5u);
  EXPECT_EQ(got[2], "No FOcc datastore available");
  EXPECT_THAT(got[3], ::testing::StartsWith("Error(s) in FOC2 datastore @ "));
  EXPECT_EQ(got[4], "Error(s) in CITE datastore @ 4");
}

TEST_F(Verification, MissingWordStoreOffersABuildAndStopsWithoutOne) {
  ui_.yesNo = {false};
  auto got = VerifyDatastores(set_, ui_, [] { ADD_FAILURE() << "No was answered"; });
  EXPECT_THAT(got, ElementsAre("No entries in BOOK datastore"));
  EXPECT_THAT(ui_.calls, ElementsAre("Message: No entries in BOOK datastore",
                                     std::string("YesNo: ") + kNeedDatastores));
}

TEST_F(Verification, BuildOfferedByVerifyIsCheckedAfterwards) {
  ui_.yesNo = {true};
  text_.Write(sourceDir_);
  auto got = VerifyDatastores(set_, ui_, [this] {
    RunBuild(ctx_, BuildFlags{true, false, false});
  });
  EXPECT_THAT(got, ElementsAre("No entries in BOOK datastore", "WORD datastore is good",
                               "FOCC datastore is good", "FOC2 datastore is good",
                               "No Cite datastore available"));
}

TEST_F(Verification, UnopenableStoreIsReported) {
  DatastoreSet bad(dir_.File("missing/deeper/"), dir_.File("missing/deeper/"));
  EXPECT_EQ(VerifyStore(bad.BookDS), "Could not open BOOK datastore");
}

}  // namespace
}  // namespace orv
