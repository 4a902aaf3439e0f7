// The archive across a real rebuild: the user's data written from stores
// made by the datastore build survives building CITE again, and the build's
// offer of default Strong's numbers loads them from the program folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/archive_reader.h"
#include "archive/archive_test_util.h"
#include "archive/archive_writer.h"
#include "build/build_fixture.h"
#include "build/db_build.h"
#include "build/source_text.h"

namespace orv {
namespace {

const auto kOnePass = [] { return true; };

class ArchiveAfterBuild : public test::StoreDirsFixture {
 protected:
  void SetUp() override {
    text_.Write(sourceDir_);
    RunBuild(ctx_, BuildFlags{true, true, false}, kOnePass);
    ASSERT_TRUE(ctx_.done);
    ASSERT_EQ(set_.CiteDS.RecordCount(), static_cast<int32_t>(text_.words.size()));
  }

  // Gives every distinct word a definition and most occurrences a selection,
  // a mark and a Strong's number; returns CITE as it then is.
  std::vector<CiteRec> AddUserData() {
    std::vector<XlatRec> xlat;
    int i = 0;
    for (const Foc2Rec& w : ReadAll<Foc2Rec>(set_.FOc2DS)) {
      xlat.push_back(test::MakeXlat(w.word.Str(), 0, static_cast<uint8_t>(i % 2),
                                    {"gloss-" + std::to_string(i), "", "other"}));
      ++i;
    }
    test::Fill(set_.XlatDS, xlat);
    TDSControl* h = set_.CiteDS.Open(true);
    CiteRec r;
    int32_t recNo = 0;
    DSSetPos(h, 0);
    for (int n = 0; DSNext(h, &r) == kDSOk; ++n) {
      if (n % 4 == 3) continue;
      r.use = static_cast<uint8_t>(n % 6);
      r.flags = static_cast<uint8_t>(n % 2);
      r.strongs = static_cast<uint16_t>(1 + n % 8674);
      DSGetPos(h, recNo);
      DSUpdate(h, recNo, &r);
    }
    set_.CiteDS.Close();
    return ReadAll<CiteRec>(set_.CiteDS);
  }

  test::SmallText text_{11};
};

TEST_F(ArchiveAfterBuild, UserDataSurvivesRebuildingCite) {
  std::vector<CiteRec> cite = AddUserData();
  std::vector<XlatRec> xlat = ReadAll<XlatRec>(set_.XlatDS);
  const std::string file = dir_.File("user.TXT");
  ASSERT_EQ(WriteFullArchive(set_, file), 0);

  RunBuild(ctx_, BuildFlags{false, true, false}, kOnePass);
  set_.XlatDS.ForceClose();
  std::filesystem::remove(NativePath(set_.XlatDS.Path()));
  std::vector<CiteRec> rebuilt = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(rebuilt.size(), cite.size());
  EXPECT_EQ(rebuilt[0].strongs, 0) << "the rebuild dropped the user's data";

  ASSERT_EQ(ReadArchive(set_, file, {}), kArchiveOk);
  std::vector<CiteRec> back = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(back.size(), cite.size());
  for (size_t i = 0; i < back.size(); ++i) {
    EXPECT_TRUE(test::SameBytes(&back[i], &cite[i], sizeof(CiteRec))) << "CITE record " << i + 1;
  }
  std::vector<XlatRec> defs = ReadAll<XlatRec>(set_.XlatDS);
  ASSERT_EQ(defs.size(), xlat.size());
  EXPECT_TRUE(test::SameBytes(defs.data(), xlat.data(), defs.size() * sizeof(XlatRec)));
}

TEST_F(ArchiveAfterBuild, BuildLoadsDefaultStrongsNumbersOnYes) {
  std::vector<CiteRec> cite = AddUserData();
  test::TempDir program;
  ASSERT_EQ(WriteStrongsArchive(set_, program.File("Strongs.dat"), true), 0);

  ui_.yesNoCancel.push_back(1);
  int32_t loaded = -99;
  StartBuild(
      ctx_, BuildFlags{false, true, false}, [&] { loaded = SetStrDef(set_, program.path()); },
      kOnePass);
  EXPECT_EQ(loaded, kArchiveOk);
  std::vector<CiteRec> back = ReadAll<CiteRec>(set_.CiteDS);
  ASSERT_EQ(back.size(), cite.size());
  for (size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i].strongs, cite[i].strongs) << "CITE record " << i + 1;
    EXPECT_EQ(back[i].use, 0) << "default numbers bring no selections";
  }
}

}  // namespace
}  // namespace orv
