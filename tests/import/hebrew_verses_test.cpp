// The verse numbers of a Hebrew book file, in file order.
#include "import/hebrew_verses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::WriteText;

TEST(HebrewVerses, ReadsEveryVerseNumberInFileOrder) {
  test::TempDir dir;
  WriteText(dir.File("Gen.xml"),
            "<osis><div type=\"book\" osisID=\"Gen\">\n<chapter osisID=\"Gen.1\">\n"
            "<verse osisID=\"Gen.1.1\"><w lemma=\"b/7225\">x</w></verse>\n"
            "<verse osisID=\"Gen.1.31\"/></chapter>\n<chapter osisID=\"Gen.2\">\n"
            "<verse osisID=\"Gen.2.1\"/></chapter></div></osis>\n");
  std::vector<VerseRef> verses;
  ASSERT_TRUE(ReadHebrewVerseNumbers(dir.File("Gen.xml"), verses).ok);
  EXPECT_EQ(verses, (std::vector<VerseRef>{{1, 1}, {1, 31}, {2, 1}}));

  WriteText(dir.File("Bad.xml"),
            "<osis>\n<chapter>\n<verse osisID=\"Gen.1.x\"/>\n</chapter></osis>");
  ImportResult r = ReadHebrewVerseNumbers(dir.File("Bad.xml"), verses);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("Bad.xml") + ":3:"), std::string::npos) << r.message;
  EXPECT_TRUE(verses.empty());
  WriteText(dir.File("Cut.xml"), "<osis>\n<chapter>\n<verse osisID=\"Gen.1.1\">\n</chapter>");
  r = ReadHebrewVerseNumbers(dir.File("Cut.xml"), verses);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(dir.File("Cut.xml") + ":4:"), std::string::npos) << r.message;
  r = ReadHebrewVerseNumbers(dir.File("Mal.xml"), verses);
  EXPECT_NE(r.message.find(dir.File("Mal.xml")), std::string::npos) << r.message;
}

}  // namespace
}  // namespace orv
