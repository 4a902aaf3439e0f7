#include "edit/word_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit/word_editor_fixture.h"

namespace orv::test {
namespace {

using ::testing::ElementsAre;

using WordEdit = WordEditorFixture;

TEST_F(WordEdit, DefinitionsKeepHyphensForBlanksAndAnUnchangedSaveWritesNothing) {
  ASSERT_TRUE(editor_.Load(set_, "amr", kNullCite));
  editor_.fields.defs[0] = "and he said  ";
  editor_.fields.defs[2] = "say";
  WordSaveResult r = editor_.Save(set_, view_);
  EXPECT_EQ(r.status, WordSaveStatus::kSaved);
  EXPECT_TRUE(r.pageChanged);
  EXPECT_TRUE(view_.relayoutNeeded);
  EXPECT_EQ(view_.reloadWords, WordReload::kAfterEdit);
  // On disk already, while the store is still open.
  EXPECT_NE(Disk().find("and-he-said"), std::string::npos);
  EXPECT_EQ(XlatOf("amr").gloss[0].View(), "and-he-said");
  EXPECT_EQ(XlatOf("amr").gloss[2].View(), "say");

  WordEditor again;
  ASSERT_TRUE(again.Load(set_, "amr", kNullCite));
  EXPECT_EQ(again.fields.defs[0], "and-he-said");
  view_ = ViewState{};
  view_.relayoutNeeded = false;
  EXPECT_EQ(again.Save(set_, view_).status, WordSaveStatus::kUnchanged);
  EXPECT_FALSE(view_.relayoutNeeded);
  again.End(set_);
}

TEST_F(WordEdit, ClearingEveryDefinitionDeletesTheRecordMarkIncludedAndUseBecomesZero) {
  {
    WordEditor marked;
    marked.Load(set_, "aleim", At(1, 1, 2, 1));
    marked.fields.markWord = true;
    marked.fields.use = "1";
    ASSERT_EQ(marked.Save(set_, view_).status, WordSaveStatus::kSaved);
    marked.End(set_);
  }
  ASSERT_EQ(CiteAt(At(1, 1, 2, 1)).use, 1);
  ASSERT_TRUE(editor_.Load(set_, "aleim", At(1, 1, 2, 1)));
  EXPECT_TRUE(editor_.fields.markWord);
  for (std::string& d : editor_.fields.defs) d = "   ";
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  EXPECT_FALSE(HasXlat("aleim"));
  EXPECT_EQ(CiteAt(At(1, 1, 2, 1)).use, 0);
  EXPECT_EQ(editor_.fields.use, "0");
  EXPECT_FALSE(editor_.fields.markWord);
}

TEST_F(WordEdit, ANewWordIsStoredWithAMarkAloneButNotWithNothing) {
  ASSERT_TRUE(editor_.Load(set_, "iamr", kNullCite));
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kUnchanged);
  EXPECT_FALSE(HasXlat("iamr"));
  editor_.fields.markWord = true;
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  const XlatRec r = XlatOf("iamr");
  EXPECT_EQ(r.flags & 1, 1);
  for (const Gloss40& g : r.gloss) EXPECT_EQ(g.len, 0);
  // Saving it again keeps the marked record that has no definitions.
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kUnchanged);
  EXPECT_TRUE(HasXlat("iamr"));
}

TEST_F(WordEdit, WithoutAnOccurrenceItsFieldsAreEmptyDisabledAndCiteIsNotWritten) {
  ASSERT_TRUE(editor_.Load(set_, "aleim", kNullCite));
  const WordEditDisplay d = editor_.Display(set_);
  EXPECT_FALSE(d.occurrenceKnown);
  EXPECT_EQ(d.citeText, "");
  EXPECT_EQ(editor_.fields.strongs, "");
  EXPECT_EQ(editor_.fields.use, "");
  const std::string cite = Bytes(NativePath(set_.CiteDS.Path()));
  editor_.fields.strongs = "7";
  editor_.fields.use = "3";
  editor_.fields.markUse = true;
  editor_.fields.defs[0] = "Elohim";
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  EXPECT_EQ(Bytes(NativePath(set_.CiteDS.Path())), cite);
}

TEST_F(WordEdit, AnOccurrenceShowsAndSavesItsStrongsNumberUseAndMark) {
  ASSERT_TRUE(editor_.Load(set_, "aleim", At(1, 1, 3, 1)));
  WordEditDisplay d = editor_.Display(set_);
  EXPECT_TRUE(d.occurrenceKnown);
  EXPECT_EQ(d.citeText, "Gen 1:3.1");
  EXPECT_EQ(editor_.fields.strongs, "430");
  EXPECT_EQ(editor_.fields.use, "0");
  editor_.fields.strongs = "H0433";
  editor_.fields.use = "1";
  editor_.fields.markUse = true;
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  const CiteRec c = CiteAt(At(1, 1, 3, 1));
  EXPECT_EQ(c.strongs, 433);
  EXPECT_EQ(c.use, 1);
  EXPECT_EQ(c.flags & 1, 1);
  EXPECT_EQ(CiteAt(At(1, 1, 2, 1)).strongs, 430);  // the other occurrence
  EXPECT_EQ(editor_.Display(set_).focusDef, 1);
  // An empty field leaves the stored number alone.
  editor_.fields.strongs = "";
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kUnchanged);
}

TEST_F(WordEdit, BadFieldsAreRefusedWithTheirMessageAndStoreNothing) {
  struct Case {
    const char* what;
    int def;  // field to fill, -1: none
    std::string defText, use, strongs;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"definition of 40", 3, std::string(40, 'x'), "0", "430",
       std::string(kDefinitionTooLong) + "3"},
      {"tab in definition", 0, "a\tb", "0", "430", std::string(kDefinitionControl) + "0"},
      {"use 7", -1, "", "7", "430", kInvalidUseNumber},
      {"use x", -1, "", "x", "430", kInvalidUseNumber},
      {"use -1", -1, "", "-1", "430", kInvalidUseNumber},
      {"Strong's 70000", -1, "", "0", "70000", kStrongsFieldInvalid},
      {"Strong's 8675", -1, "", "0", "8675", kStrongsFieldInvalid},
      {"Strong's abc", -1, "", "0", "abc", kStrongsFieldInvalid},
  };
  const std::string before = Disk();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(editor_.Load(set_, "aleim", At(1, 1, 2, 1), true));
    editor_.fields.defs[1] = "changed too";
    if (c.def >= 0) editor_.fields.defs[static_cast<size_t>(c.def)] = c.defText;
    editor_.fields.use = c.use;
    editor_.fields.strongs = c.strongs;
    editor_.fields.markWord = true;
    const WordSaveResult r = editor_.Save(set_, view_);
    EXPECT_EQ(r.status, WordSaveStatus::kRejected);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(editor_.fields.use, c.use);  // the typing stays for correcting
  }
  // Exactly 39 characters is a whole definition.
  editor_.Load(set_, "aleim", kNullCite, true);
  editor_.fields.defs[5] = std::string(39, 'y');
  EXPECT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  EXPECT_EQ(XlatOf("aleim").gloss[5].View(), std::string(39, 'y'));
}

TEST_F(WordEdit, AWordNoDatastoreHoldsCannotBeLoadedOrSaved) {
  for (const char* word : {"qqq", "", "qqqqqqqqqqqqq"}) {
    SCOPED_TRACE(word);
    EXPECT_FALSE(editor_.Load(set_, word, kNullCite, true));
    editor_.fields.defs[0] = "x";
    const WordSaveResult r = editor_.Save(set_, view_);
    EXPECT_EQ(r.status, WordSaveStatus::kRejected);
    EXPECT_EQ(r.message, kNoWordToEdit);
  }
  EXPECT_FALSE(HasXlat("qqq"));
  // A word the page shows whole is edited by its 11-letter key.
  EXPECT_TRUE(editor_.Load(set_, std::string(kLong) + "ab", kNullCite));
  EXPECT_EQ(editor_.Word(), kLong);
}

TEST_F(WordEdit, RemovePrefixCaptionsNameThePrefixesWhoseStemOccurs) {
  struct Case {
    const char* word;
    const char* pre1;
    const char* pre2;
  };
  for (const Case& c : {Case{"viamr", "v", "vi"}, Case{"iamr", "i", ""}, Case{"amr", "", ""},
                        Case{"baleim", "b", ""}, Case{kLongV, "", ""}}) {
    SCOPED_TRACE(c.word);
    editor_.Load(set_, c.word, kNullCite);
    const WordEditDisplay d = editor_.Display(set_);
    EXPECT_EQ(d.remPre1, c.pre1);
    EXPECT_EQ(d.remPre2, c.pre2);
  }
}

TEST_F(WordEdit, PrefixRowAddsOnlyFormsThatOccurAndNeverBeyondElevenLetters) {
  editor_.Begin(set_);
  editor_.Load(set_, "amr", kNullCite);
  WordEditDisplay d = editor_.Display(set_);
  std::vector<bool> enabled(d.prefixEnabled.begin(), d.prefixEnabled.end());
  // "i" + amr occurs; "vi" + amr occurs; nothing else does.
  EXPECT_THAT(enabled,
              ElementsAre(false, true, true, false, false, false, false, false, false, false));
  EXPECT_FALSE(d.addedBackEnabled);
  EXPECT_EQ(editor_.AddPrefix(set_, 1), "");
  EXPECT_EQ(editor_.Word(), "viamr");
  EXPECT_TRUE(editor_.Display(set_).addedBackEnabled);
  EXPECT_FALSE(editor_.OccurrenceKnown());
  editor_.DropAddedPrefix(set_);
  EXPECT_EQ(editor_.Word(), "amr");

  editor_.Load(set_, kLong, At(1, 1, 4, 1));
  d = editor_.Display(set_);
  EXPECT_FALSE(d.prefixEnabled[0]);  // "v" + 11 letters, though kLongV occurs
  EXPECT_EQ(editor_.AddPrefix(set_, 0), kPrefixedWordTooLong);
  EXPECT_EQ(editor_.Word(), kLong);
  EXPECT_TRUE(editor_.OccurrenceKnown());
}

TEST_F(WordEdit, PutBackAndTakeBackReturnToThePrefixedForm) {
  editor_.Begin(set_);
  editor_.Load(set_, "baleim", At(1, 1, 3, 2));
  editor_.RemovePrefix(set_, "b");
  EXPECT_EQ(editor_.Word(), "aleim");
  EXPECT_FALSE(editor_.OccurrenceKnown());
  WordEditDisplay d = editor_.Display(set_);
  EXPECT_TRUE(d.backEnabled);
  EXPECT_TRUE(d.takeBackEnabled);  // aleim has a definition 0
  editor_.PutBack(set_);
  EXPECT_EQ(editor_.Word(), "baleim");
  EXPECT_EQ(editor_.fields.defs[0], "with-God");
  EXPECT_FALSE(editor_.Display(set_).backEnabled);

  // "<==" over a form with its own definition 0 asks; No keeps its own.
  editor_.RemovePrefix(set_, "b");
  ui_.yesNo.push_back(false);
  editor_.TakeBack(set_, ui_);
  EXPECT_THAT(ui_.calls, ElementsAre(std::string("YesNo: ") + kReplaceDefinitions));
  EXPECT_EQ(editor_.fields.defs[0], "with-God");
  editor_.RemovePrefix(set_, "b");
  ui_.yesNo.push_back(true);
  editor_.TakeBack(set_, ui_);
  EXPECT_EQ(editor_.Word(), "baleim");
  EXPECT_EQ(editor_.fields.defs[0], "God");
  EXPECT_EQ(editor_.fields.defs[1], "gods");
  EXPECT_EQ(XlatOf("baleim").gloss[0].View(), "with-God");  // stored only by a save
}

TEST_F(WordEdit, TakeBackWithoutADefinitionZeroCopiesWithoutAsking) {
  editor_.Begin(set_);
  editor_.Load(set_, "amr", kNullCite);
  editor_.fields.defs[0] = "say";
  ASSERT_EQ(editor_.Save(set_, view_).status, WordSaveStatus::kSaved);
  editor_.Load(set_, "iamr", kNullCite);
  editor_.RemovePrefix(set_, "i");
  editor_.TakeBack(set_, ui_);
  EXPECT_TRUE(ui_.calls.empty());
  EXPECT_EQ(editor_.Word(), "iamr");
  EXPECT_EQ(editor_.fields.defs[0], "say");
}

TEST_F(WordEdit, OccurrencesListEveryPlaceAndAChosenOneIsLoadedAndGoneTo) {
  editor_.Load(set_, "aleim", kNullCite);
  view_.clickedCite = At(1, 1, 3, 1);
  ui_.listChoice.push_back(1);
  EXPECT_TRUE(editor_.ShowOccurrences(set_, ui_, view_));
  ASSERT_EQ(ui_.lists.size(), 1u);
  EXPECT_EQ(ui_.lists[0].caption, kVerseListCaption);
  EXPECT_THAT(ui_.lists[0].lines,
              ElementsAre("Gen 1:2.1         <430>", "Gen 1:3.1         <430>"));
  EXPECT_EQ(ui_.lists[0].selected, 1);
  EXPECT_EQ(editor_.Cite(), At(1, 1, 3, 1));
  EXPECT_EQ(view_.currentCite, At(1, 1, 3, 1));

  editor_.Load(set_, "viamr", kNullCite);
  ui_.lists.clear();
  EXPECT_FALSE(editor_.ShowOccurrences(set_, ui_, view_));  // nothing chosen
  editor_.End(set_);
}

}  // namespace
}  // namespace orv::test
