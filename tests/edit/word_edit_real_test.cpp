// The word definition editor over the real text, end to end: a word is
// defined and marked, one occurrence gets a definition choice and a mark,
// another a corrected Strong's number; the archive is written, CITE is
// built anew (which drops those choices) and XLAT removed, the default
// Strong's numbers and the archive are read back, and every change is found
// again. Runs on a copy of the real datastores, so other tests see none of
// it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "build/db_build.h"
#include "edit/word_editor.h"
#include "model/datastore_set.h"
#include "page/view_state.h"
#include "platform/path_map.h"
#include "search/store_scan.h"
#include "support/real_hebrew.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

constexpr Citation kGen113{1, 1, 1, 3};  // "In the beginning created God (aleim)"
constexpr uint16_t kElohim = 430;        // Strong's number of aleim
constexpr uint16_t kEloah = 433;         // the number the test puts in its place

CiteRec UseAt(DatastoreSet& set, Citation c) {
  for (const CiteRec& r : test::All<CiteRec>(set.CiteDS)) {
    if (r.cite == c) return r;
  }
  return CiteRec{};
}

// The citations of "aleim" in WORD, in text order.
std::vector<Citation> AleimPlaces(DatastoreSet& set) {
  std::vector<Citation> out;
  OpenStore words(set.WordDS);
  if (SeekWord(words.h(), "aleim") != SeekResult::kFound) return out;
  WordRec r;
  while (DSNext(words.h(), &r) == kDSOk && SameWord(r, "aleim")) out.push_back(r.cite);
  return out;
}

TEST(WordEditReal, DefinitionsChoicesAndNumbersSurviveTheArchiveAndACiteRebuild) {
  const test::RealHebrew& data = test::RealHebrew::Get();
  if (!data.ok) GTEST_SKIP() << data.why;
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::copy(data.hebrewDir, dir.File("heb"), fs::copy_options::recursive);
  fs::copy(data.xlatDir, dir.File("xlat"), fs::copy_options::recursive);
  DatastoreSet set(dir.File("heb/"), dir.File("xlat/"));

  const std::vector<Citation> places = AleimPlaces(set);
  ASSERT_GT(places.size(), 600u);
  ASSERT_EQ(places[0], kGen113);
  const Citation second = places[1];
  ASSERT_EQ(UseAt(set, kGen113).strongs, kElohim);
  ASSERT_EQ(UseAt(set, second).strongs, kElohim);

  ViewState view;
  WordEditor editor;
  ASSERT_TRUE(editor.Load(set, "aleim", kGen113));
  editor.fields.defs[0] = "God";
  editor.fields.defs[1] = "gods";
  editor.fields.defs[2] = "mighty ones";
  editor.fields.markWord = true;
  editor.fields.use = "2";
  editor.fields.markUse = true;
  ASSERT_EQ(editor.Save(set, view).status, WordSaveStatus::kSaved);
  ASSERT_TRUE(editor.Load(set, "aleim", second));
  editor.fields.strongs = "H433";
  ASSERT_EQ(editor.Save(set, view).status, WordSaveStatus::kSaved);
  editor.End(set);

  const std::string archive = dir.File("user.arc");
  ASSERT_EQ(WriteFullArchive(set, archive), 0);
  for (TXRDataStore* s : {&set.CiteDS, &set.XlatDS}) s->ForceClose();
  fs::remove(NativePath(set.XlatDS.Path()));
  test::ScriptedUI ui;
  ui.AllowUnusedAnswers();
  BuildContext ctx(set, data.programDir + "Source/", ui);
  RunBuild(ctx, BuildFlags{false, true, false}, [] { return true; });
  ASSERT_EQ(UseAt(set, kGen113).use, 0);  // the rebuild dropped the choice
  ASSERT_EQ(SetStrDef(set, data.programDir), kArchiveOk);
  ASSERT_EQ(UseAt(set, second).strongs, kElohim);
  ASSERT_EQ(ReadArchive(set, archive, ArchiveReadOptions{}), kArchiveOk);

  WordEditor after;
  ASSERT_TRUE(after.Load(set, "aleim", kGen113));
  EXPECT_EQ(after.fields.defs[0], "God");
  EXPECT_EQ(after.fields.defs[1], "gods");
  EXPECT_EQ(after.fields.defs[2], "mighty-ones");
  EXPECT_TRUE(after.fields.markWord);
  EXPECT_EQ(after.fields.use, "2");
  EXPECT_TRUE(after.fields.markUse);
  EXPECT_EQ(after.fields.strongs, "430");
  after.Load(set, "aleim", second);
  EXPECT_EQ(after.fields.strongs, std::to_string(kEloah));
  EXPECT_EQ(after.fields.use, "0");
  EXPECT_FALSE(after.fields.markUse);
  after.Load(set, "aleim", places[2]);
  EXPECT_EQ(after.fields.strongs, "430");  // untouched
  after.End(set);
}

}  // namespace
}  // namespace orv
