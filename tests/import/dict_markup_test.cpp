#include "import/dict_markup.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(DecodeEntities, DecodesXmlAndNumericEntities) {
  EXPECT_EQ(DecodeEntities("(1,2,3&amp;4) a&lt;b&gt;c &quot;x&quot; &apos;"),
            "(1,2,3&4) a<b>c \"x\" '");
  EXPECT_EQ(DecodeEntities("&#1488;&#x5D1;"), "\xD7\x90\xD7\x91");
  EXPECT_EQ(DecodeEntities("&amp;amp;"), "&amp;");  // decoded once only
}

TEST(DecodeEntities, LeavesUnknownOrBrokenEntitiesAsWritten) {
  EXPECT_EQ(DecodeEntities("AT&T &nbsp; &#xD800; &#; &"), "AT&T &nbsp; &#xD800; &#; &");
  EXPECT_EQ(DecodeEntities("& amp;"), "& amp;");
}

TEST(ResolveBraces, BracedItemsTakeACommaUnlessTheyEndAList) {
  EXPECT_EQ(ResolveBraces("- {beginning} chief ({-est}) first ({-fruits} {part} {time}) thing."),
            "- beginning, chief (-est) first (-fruits, part, time) thing.");
  EXPECT_EQ(ResolveBraces("{tay'-shah} tish-aw'"), "tay'-shah, tish-aw'");
  EXPECT_EQ(ResolveBraces("word {last}"), "word last");
  EXPECT_EQ(ResolveBraces("{a}; b {c}."), "a; b c.");
  EXPECT_EQ(ResolveBraces("a { b"), "a  b");
  EXPECT_EQ(ResolveBraces("c } d"), "c  d");
}

TEST(RestoreCommas, SixAfterALowerCaseWordIsAComma) {
  EXPECT_EQ(RestoreCommas("(a wood) select6 feed"), "(a wood) select, feed");
  EXPECT_EQ(RestoreCommas("through6to"), "through, to");
  EXPECT_EQ(RestoreCommas("(city6) fort"), "(city) fort");
  EXPECT_EQ(RestoreCommas("H6; Ps 132:6 and H1256 or hex66"), "H6; Ps 132:6 and H1256 or hex66");
}

TEST(StripMarkup, RemovesTagsDecodesAndCollapsesBlanks) {
  EXPECT_EQ(
      StripMarkup(
          "<def>A <hi rend=\"italic\">green</hi>\t\t<hi rend=\"bold\">plant:</hi> - {greenness} "
          "fruit.</def>"),
      "A green plant: - greenness, fruit.");
  EXPECT_EQ(StripMarkup("see<lb/>also"), "see also");
  EXPECT_EQ(StripMarkup("t<hi rend=\"super\">e</hi>shurah"), "teshurah");
  EXPECT_EQ(StripMarkup("1 < 2 and 3 > 2"), "1 < 2 and 3 > 2");
  EXPECT_EQ(StripMarkup("a <  b"), "a < b");
}

constexpr const char kEntry7225[] =
    "<entryFree n=\"7225\"> \t\t<orth>\xD7\xA8\xD7\x90\xD7\xA9\xD7\x81\xD7\x99\xD7\xAA</orth><lb/> "
    "\t\t"
    "<orth rend=\"bold\" type=\"trans\">r\xC3\xAA'sh\xC3\xAEyth</orth> \t\t<pron "
    "rend=\"italic\">ray-sheeth'</pron>"
    "<lb/> \t\t<def>From the same as <ref target=\"StrongsHebrew:7218\">H7218</ref>; the <hi "
    "rend=\"italic\">"
    "{first}</hi> in {place} {time} order or rank:<lb/> - {beginning} chief.</def> \t</entryFree>";

TEST(ParseDictEntry, SplitsWordTransliterationPronunciationAndDefinition) {
  DictEntry e = ParseDictEntry(kEntry7225);
  EXPECT_EQ(e.hebrew, "\xD7\xA8\xD7\x90\xD7\xA9\xD7\x81\xD7\x99\xD7\xAA");
  EXPECT_EQ(e.transliteration, "r\xC3\xAA'sh\xC3\xAEyth");
  EXPECT_EQ(e.pronunciation, "ray-sheeth'");
  EXPECT_EQ(
      e.definition,
      "From the same as H7218; the first, in place, time, order or rank: - beginning, chief.");
}

TEST(ParseDictEntry, AlternativeFormsAreListedWithCommas) {
  DictEntry e = ParseDictEntry(
      "<orth>A    B</orth><orth type=\"trans\">za&#x2018;aq  z<hi rend=\"super\">e</hi>aqah</orth>"
      "<pron>(1,2&amp;3) zah'-ak</pron><def>x</def>");
  EXPECT_EQ(e.hebrew, "A, B");
  EXPECT_EQ(e.transliteration,
            "za\xE2\x80\x98"
            "aq, zeaqah");
  EXPECT_EQ(e.pronunciation, "(1,2&3) zah'-ak");
}

TEST(ParseDictEntry, EntryWithoutDefinitionElementKeepsAllItsText) {
  DictEntry e = ParseDictEntry("Plain <b>old</b> text &amp; more");
  EXPECT_TRUE(e.hebrew.empty());
  EXPECT_EQ(e.definition, "Plain old text & more");
  EXPECT_EQ(ParseDictEntry("").definition, "");
}

TEST(ParseDictEntry, UnclosedTagIsKeptAsText) {
  DictEntry e = ParseDictEntry("<def>less < more");
  EXPECT_EQ(e.definition, "less < more");
}

}  // namespace
}  // namespace orv
