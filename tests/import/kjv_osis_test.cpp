// One King James entry of the SWORD module read from its OSIS markup.
#include "import/kjv_osis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// The tokens joined by blanks, each Strong's number marked with "#".
std::string Texts(const std::vector<KjvToken>& tokens) {
  std::string out;
  for (const auto& t : tokens) {
    if (!out.empty()) out += ' ';
    out += (t.strongs ? "#" : "") + t.text;
  }
  return out;
}

KjvEntry Read(const std::string& osis) {
  KjvEntry entry;
  std::string error;
  EXPECT_TRUE(ReadKjvEntry(osis, entry, error)) << error;
  return entry;
}

TEST(KjvOsis, StrongsNumbersFollowTheTokenTheWordEndsIn) {
  KjvEntry e =
      Read(R"(In the <w lemma="strong:H07225">beginning</w> <w lemma="strong:H0430">God</w>, )"
           R"(<w lemma="strong:H0853 strong:H0854 lemma.TR:x strong:G2316">and</w> the )"
           R"(<w lemma="strong:H0776">earth</w>.<w lemma="strong:H0009"/> end)");
  EXPECT_EQ(Texts(e.body), "In the beginning #7225 God, #430 and #853 #854 the earth. #776 #9 end");
  EXPECT_TRUE(e.title.empty());
}

TEST(KjvOsis, MarkupOtherThanTextIsDropped) {
  // Notes with their own markup, a heading that is not a psalm title, red
  // letters, added words, paragraph signs, a USFM leftover and end tags that
  // close nothing (as the module has them), entities.
  KjvEntry e = Read(
      R"(<div type="x-milestone" subType="x-preverse" sID="pv1"/>¶ <title><foreign>ב BETH.</foreign></title>)"
      R"(the <divineName><w lemma="strong:H3068">LORD</w></divineName>:<note placement="foot">)"
      R"(<reference>6.2 </reference>the <divineName>LORD\+nd*: or, <seg><divineName>JEHOVAH</divineName>)"
      R"(</seg></note> my \nd <w lemma="strong:H3068">JEHOVAH</w></divineName> <q who="Jesus">)"
      R"(<transChange type="added">is</transChange></q><l eID="x"/>Tom&amp;Jerry&#8217;s)");
  EXPECT_EQ(Texts(e.body), "the LORD: #3068 my JEHOVAH #3068 is Tom&Jerry’s");
}

TEST(KjvOsis, PsalmTitleIsKeptApart) {
  KjvEntry e = Read(
      R"(<title canonical="true" type="psalm">A <w lemma="strong:H4210">Psalm</w> of David.</title>)"
      R"(<l sID="a"/>LORD, how)");
  EXPECT_EQ(Texts(e.title), "A Psalm #4210 of David.");
  EXPECT_EQ(Texts(e.body), "LORD, how");
  KjvEntry heading = Read(R"(<chapter n="3"/><title type="psalm">Of Asaph.</title>)");
  EXPECT_EQ(Texts(heading.title), "Of Asaph.");
  EXPECT_TRUE(heading.body.empty());
}

TEST(KjvOsis, UnclosedTagFails) {
  KjvEntry entry;
  std::string error;
  EXPECT_FALSE(ReadKjvEntry("the <w lemma=\"strong:H1\"", entry, error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace orv
