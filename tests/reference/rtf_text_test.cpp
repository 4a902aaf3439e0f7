#include "reference/rtf_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace orv {
namespace {

using Runs = std::vector<RtfRun>;

RtfRun Plain(std::string text, int halfPoints = 24) {
  return {std::move(text), false, false, halfPoints};
}
RtfRun Bold(std::string text, int halfPoints = 24) {
  return {std::move(text), true, false, halfPoints};
}

// What the data importer writes: a title, a heading, an item with a bold
// term and a note in italics, CR LF after each paragraph.
constexpr char kImported[] =
    "{\\rtf1\\fs24\r\n"
    "\\fs32\\b Release Notes\\b0\\fs24\\par\r\n"
    "\\par\\fs28\\b What it does\\b0\\fs24\\par\r\n"
    "\\b Record files.\\b0  All data lives in keyed files.\\par\r\n"
    "\\par\\i Escape closes every dialog.\\i0\\par\r\n"
    "}\r\n";

TEST(RtfText, ReadsTheImportersParagraphsAndFormats) {
  RtfDocument d = ParseRtf(kImported);
  ASSERT_EQ(d.paragraphs.size(), 6u);
  EXPECT_EQ(d.paragraphs[0].runs, (Runs{Bold("Release Notes", 32)}));
  EXPECT_TRUE(d.paragraphs[1].runs.empty());
  EXPECT_EQ(d.paragraphs[1].halfPoints, 24);
  EXPECT_EQ(d.paragraphs[2].runs, (Runs{Bold("What it does", 28)}));
  // The first blank after \b0 ends the word; the second is text.
  EXPECT_EQ(d.paragraphs[3].runs,
            (Runs{Bold("Record files."), Plain(" All data lives in keyed files.")}));
  EXPECT_TRUE(d.paragraphs[4].runs.empty());
  EXPECT_EQ(d.paragraphs[5].runs, (Runs{{"Escape closes every dialog.", false, true, 24}}));
}

TEST(RtfText, GroupsRestoreTheirFormatAndHeaderGroupsShowNothing) {
  RtfDocument d = ParseRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255;}{\\*\\generator Orv;}"
      "{\\info{\\title T}}a{\\b b{\\i c}}d\\par}");
  ASSERT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.paragraphs[0].runs, (Runs{Plain("a"), Bold("b"), {"c", true, true, 24}, Plain("d")}));
}

TEST(RtfText, DecodesEscapesAndSpecialCharacters) {
  struct Row {
    const char* rtf;
    const char* text;
  };
  for (const Row& r : {
           Row{"\\{x\\}\\\\", "{x}\\"},
           Row{"caf\\'e9 \\'93q\\'94", "caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d"},
           Row{"\\u1488?\\u-1?z", "\xd7\x90\xef\xbf\xbfz"},  // U+05D0, then 65535
           Row{"\\uc2\\u1488 ab.", "\xd7\x90."},             // two fallback characters
           Row{"\\uc0\\u1488 ab",
               "\xd7\x90"
               "ab"},
           Row{"a\\tab b\\line c", "a\tb\nc"},
           Row{"x\\emdash y\\~z", "x\xe2\x80\x94y\xc2\xa0z"},
           Row{"a\\-b\\_c", "ab-c"},
           Row{"\\b0\\i0 \\unknownword123 plain", "plain"},
       }) {
    RtfDocument d = ParseRtf(std::string("{\\rtf1 ") + r.rtf + "}");
    EXPECT_EQ(RtfPlainText(d), std::string(r.text) + "\n") << r.rtf;
  }
}

TEST(RtfText, BadInputIsReadAsFarAsItMakesSense) {
  struct Row {
    std::string rtf;
    std::string text;
  };
  for (const Row& r : {
           Row{"{\\rtf1 a\\par b", "a\nb\n"},                   // group never closed
           Row{"{\\rtf1 a}}}b\\par}", "ab\n"},                  // stray closing braces
           Row{"{\\rtf1 a\\", "a\n"},                           // cut after the backslash
           Row{"{\\rtf1 a\\'4", "a4\n"},                        // cut inside \'hh
           Row{"{\\rtf1 a\\'zzb", "azzb\n"},                    // not hex
           Row{"{\\rtf1 \\fs99999999999999999999 x}", "x\n"},   // number far too big
           Row{"{\\rtf1 \\u99999999999 y}", "\xef\xbf\xbd\n"},  // y is the fallback
           Row{"{\\rtf1 " + std::string(5000, '{') + "deep" + std::string(5000, '}') + "!}",
               "deep!\n"},
       }) {
    EXPECT_EQ(RtfPlainText(ParseRtf(r.rtf)), r.text) << r.rtf.substr(0, 40);
  }
  RtfDocument big = ParseRtf("{\\rtf1 \\fs99999999999 x\\fs-5 y}");
  ASSERT_EQ(big.paragraphs.size(), 1u);
  EXPECT_EQ(big.paragraphs[0].runs, (Runs{Plain("x", 3276), Plain("y", 1)}));
  // Formats set deep inside unclosed groups are dropped as their groups close.
  RtfDocument deep =
      ParseRtf("{\\rtf1 " + std::string(600, '{') + "\\b " + std::string(600, '}') + "z}");
  EXPECT_EQ(deep.paragraphs[0].runs, (Runs{Plain("z")}));
}

TEST(RtfText, TextWithoutRtfHeaderIsShownLineByLine) {
  RtfDocument d = ParseRtf("first\r\n\r\n{not rtf}\n");
  ASSERT_EQ(d.paragraphs.size(), 3u);
  EXPECT_EQ(RtfPlainText(d), "first\n\n{not rtf}\n");
}

TEST(RtfText, HtmlEscapesTextAndCarriesSizeWeightAndSlant) {
  RtfDocument d = ParseRtf("{\\rtf1 \\fs21\\b\\i <a&b>\\b0\\i0\\line \"q\"\\par\\fs28\\par}");
  EXPECT_EQ(
      RtfToHtml(d),
      "<html><body>"
      "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap\">"
      "<span style=\"font-size:10.5pt; font-weight:bold; font-style:italic\">&lt;a&amp;b&gt;</span>"
      "<span style=\"font-size:10.5pt\"><br />&quot;q&quot;</span></p>"
      "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap\">"
      "<span style=\"font-size:14pt\">&nbsp;</span></p>"
      "</body></html>");
}

TEST(RtfText, ReadsFilesAndReportsMissingOnes) {
  test::TempDir dir;
  std::ofstream(dir.File("HELP.RTF"), std::ios::binary) << kImported;
  RtfDocument d;
  ASSERT_TRUE(ReadRtfFile(dir.File("HELP.RTF"), d));
  EXPECT_EQ(d.paragraphs.size(), 6u);
  EXPECT_FALSE(ReadRtfFile(dir.File("README.RTF"), d));
  EXPECT_EQ(d.paragraphs.size(), 6u);
}

}  // namespace
}  // namespace orv
