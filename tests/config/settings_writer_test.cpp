// The written text: exact layout, and text -> settings -> text round trips.
#include "config/settings_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "config/settings.h"

namespace orv {
namespace {

Settings Read(const std::string& text) {
  Settings s;
  ReadSettingsText(s, text);
  return s;
}

// Settings with something other than the default in every field.
Settings Busy() {
  Settings s = Read("");
  s.hebrew.Reset();
  s.hebrew.Append("Stuttgart", "Source\\");
  s.hebrew.Append("Leningrad", "C:\\Heb\\");
  s.il.ClearTables();
  s.il.AddInterlinearText("ILT Translation", "English", "ILT_X\\");
  s.il.AddInterlinearText("\xD7\x90\xD7\x91", "Hebrew", "ILT_H\\");
  s.il.AddTranslationDatabase("Translation DB", "English", "Xlat_English\\");
  for (int n = 1; n <= 8; ++n) s.il.SetSelection(n, n % 4 - 1);
  s.cite = Citation{39, 3, 24, 7};
  s.showKJV = true;
  s.flowWith = true;
  s.header = 1;
  s.markFOcc = -2;
  s.showStrongs = true;
  s.thematic = 1;
  s.titleSize = 28;
  s.chapterSize = 18;
  s.hebrewFont = {16, "Ezra SIL"};
  s.modernFont = {-12, "OLBHEB"};
  s.useModernFont = true;
  s.ilFont[0] = {9, "Gentium Plus"};
  s.ilFont[7] = {100, ""};
  s.DeriveDisplayFont();
  return s;
}

TEST(SettingsWrite, LayoutIsExact) {
  const std::string expected =
      "[Program]\r\n"
      "Ver=1.9.1\r\n"
      "\r\n"
      "[Data]\r\n"
      "Hebrew\r\n"
      "   Stuttgart\r\n"
      "   Source\\\r\n"
      "   Leningrad\r\n"
      "   C:\\Heb\\\r\n"
      "End\r\n"
      "Interlinear\r\n"
      "        ILT Translation   English\r\n"
      "   ILT_X\\\r\n"
      "                   \xD7\x90\xD7\x91   Hebrew\r\n"
      "   ILT_H\\\r\n"
      "End\r\n"
      "Database\r\n"
      "         Translation DB   English\r\n"
      "   Xlat_English\\\r\n"
      "End\r\n"
      "Cite=39 3 24 7\r\n"
      "ShowKJV=Y\r\n"
      "\r\n"
      "[Preferences]\r\n"
      "FlowWith=Y\r\n"
      "Header=1\r\n"
      "MarkFOcc=-2\r\n"
      "ShowStrongs=Y\r\n"
      "Thematic=1\r\n"
      "TitleSz=28\r\n"
      "ChapSz=18\r\n"
      "ShowIL1=0\r\n"
      "ShowIL2=1\r\n"
      "ShowIL3=2\r\n"
      "ShowIL4=-1\r\n"
      "ShowIL5=0\r\n"
      "ShowIL6=1\r\n"
      "ShowIL7=2\r\n"
      "ShowIL8=-1\r\n"
      "HebrewFont\r\n"
      "    16    0 Ezra SIL\r\n"
      "ModernFont\r\n"
      "   -12    0 OLBHEB\r\n"
      "UseModernFont=Y\r\n"
      "ILFont1\r\n"
      "     9    0 Gentium Plus\r\n"
      "ILFont2\r\n"
      "    10    0 Arial\r\n"
      "ILFont3\r\n"
      "    10    0 Arial\r\n"
      "ILFont4\r\n"
      "    10    0 Arial\r\n"
      "ILFont5\r\n"
      "    10    0 Arial\r\n"
      "ILFont6\r\n"
      "    10    0 Arial\r\n"
      "ILFont7\r\n"
      "    10    0 Arial\r\n"
      "ILFont8\r\n"
      "   100    0 \r\n";
  EXPECT_EQ(FormatSettings(Busy()), expected);
}

TEST(SettingsWrite, EmptyTablesWriteOnlyTheHebrewBlock) {
  Settings s = Read("");
  s.il.ClearTables();
  std::string out = FormatSettings(s);
  EXPECT_NE(out.find("[Data]\r\nHebrew\r\nEnd\r\nCite=1 1 1 1\r\n"), std::string::npos) << out;
}

TEST(SettingsWrite, RoundTripsByteForByte) {
  Settings full = Read("");
  full.il.ClearTables();
  for (int i = 0; i < 10; ++i) {
    // Appended: GCC 12 at -O3 reports a false -Wrestrict for "T" + a
    // temporary string (GCC bug 105651).
    full.il.AddInterlinearText(std::string("T").append(std::to_string(i)), std::string(20, 'a' + i),
                               "I\\");
    full.il.AddTranslationDatabase(std::string(20, 'A' + i), "", "");
  }
  full.hebrew.Reset();
  full.hebrew.Append("Stuttgart", "");  // entry 1 always reads back as Stuttgart
  for (int i = 1; i < 5; ++i) full.hebrew.Append(std::string("H").append(std::to_string(i)), "P\\");
  full.il.SetSelection(1, INT32_MIN);
  full.il.SetSelection(8, INT32_MAX);
  full.cite = Citation{255, 0, 255, 0};
  full.ilFont[3] = {-99, std::string(39, 'x')};
  full.hebrewFont.name = "  leading blanks stay\r";
  full.DeriveDisplayFont();

  for (const Settings& s : {Read(""), Busy(), full}) {
    std::string first = FormatSettings(s);
    Settings back = Read(first);
    EXPECT_EQ(back, s);
    EXPECT_EQ(FormatSettings(back), first);
  }
}

TEST(SettingsWrite, TextsTypedInAreKeptToWhatTheFileCanHold) {
  Settings s = Read("");
  s.hebrew.entry[1] = {std::string(30, 'h'), "", "P\\"};
  s.hebrew.count = 2;
  s.il.AddTranslationDatabase("two\nlines", "", "a\nb\\");
  s.ilFont[0] = {5000, std::string(50, 'f')};
  s.hebrewFont = {-500, "Ezra\nSIL"};
  Settings back = Read(FormatSettings(s));
  EXPECT_EQ(back.hebrew.entry[1].name, std::string(20, 'h'));
  EXPECT_EQ(back.il.Databases()[1].name, "two lines");
  EXPECT_EQ(back.il.Databases()[1].path, "a b\\");
  EXPECT_EQ(back.ilFont[0], (FontSetting{999, std::string(39, 'f')}));
  EXPECT_EQ(back.hebrewFont, (FontSetting{-99, "Ezra SIL"}));
  EXPECT_EQ(back.header, 2) << "nothing spilled into the lines after";
}

}  // namespace
}  // namespace orv
