// Saves of the word definition editor over stores that cannot be written:
// a read-only XLAT, a CITE whose writes fail, and a failure at every read
// and write of a save that changes both. A failed save reports it, and
// what is on disk stays as it was.
#include <gtest/gtest.h>

#include "edit/word_editor.h"
#include "edit/word_editor_fixture.h"
#include "support/fault_fs.h"

namespace orv::test {
namespace {

using WordSaveFault = WordEditorFixture;

// Both sides changed: a definition of aleim and the Strong's number of one
// of its occurrences.
void ChangeBoth(WordEditor& e) {
  e.fields.defs[2] = "judges";
  e.fields.strongs = "433";
}

TEST_F(WordSaveFault, AReadOnlyXlatRefusesTheSaveAndChangesNothing) {
  set_.XlatDS.ForceClose();
  set_.XlatDS.SetReadOnly(true);
  const std::string before = Disk();
  ASSERT_TRUE(editor_.Load(set_, "aleim", At(1, 1, 2, 1)));
  EXPECT_EQ(editor_.fields.defs[0], "God");  // still read
  ChangeBoth(editor_);
  const WordSaveResult r = editor_.Save(set_, view_);
  EXPECT_EQ(r.status, WordSaveStatus::kFailed);
  EXPECT_EQ(r.message, kSaveFailedXlat);
  EXPECT_FALSE(r.pageChanged);
  EXPECT_EQ(Disk(), before);
  EXPECT_EQ(editor_.fields.defs[2], "judges");  // kept for another try
}

TEST_F(WordSaveFault, ACiteThatCannotBeWrittenUndoesTheDefinitionsToo) {
  BrokenFS broken;
  set_.CiteDS.ForceClose();
  set_.CiteDS.SetFileSystem(&broken);
  const std::string before = Disk();
  ASSERT_TRUE(editor_.Load(set_, "aleim", At(1, 1, 2, 1)));
  ChangeBoth(editor_);
  broken.failWrites = true;
  const WordSaveResult r = editor_.Save(set_, view_);
  EXPECT_EQ(r.status, WordSaveStatus::kFailed);
  EXPECT_EQ(r.message, kSaveFailedCite);
  EXPECT_EQ(Disk(), before);
  broken.failWrites = false;
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  EXPECT_EQ(XlatOf("aleim").gloss[2].View(), "judges");
  EXPECT_EQ(CiteAt(At(1, 1, 2, 1)).strongs, 433);
  editor_.End(set_);
  set_.CiteDS.ForceClose();
  set_.CiteDS.SetFileSystem(nullptr);
}

TEST_F(WordSaveFault, AFailureAtAnyStepOfASaveLeavesTheDiskAsItWas) {
  FaultFS fault;
  for (TXRDataStore* s : {&set_.XlatDS, &set_.CiteDS}) {
    s->ForceClose();
    s->SetFileSystem(&fault);
  }
  const std::string before = Disk();
  int failures = 0;
  for (int64_t n = 1; n < 100; ++n) {
    SCOPED_TRACE(n);
    WordEditor e;
    ASSERT_TRUE(e.Load(set_, "aleim", At(1, 1, 2, 1)));
    ChangeBoth(e);
    fault.FailAt(n);
    const WordSaveResult r = e.Save(set_, view_);
    const bool fired = fault.fired();
    fault.FailAt(0);
    if (!fired) {
      EXPECT_EQ(r.status, WordSaveStatus::kSaved);
      break;
    }
    ++failures;
    EXPECT_EQ(r.status, WordSaveStatus::kFailed);
    EXPECT_EQ(Disk(), before);
    e.End(set_);
  }
  EXPECT_GE(failures, 2);  // at least one write of each store
  EXPECT_EQ(XlatOf("aleim").gloss[2].View(), "judges");
  for (TXRDataStore* s : {&set_.XlatDS, &set_.CiteDS}) {
    s->ForceClose();
    s->SetFileSystem(nullptr);
  }
}

}  // namespace
}  // namespace orv::test
