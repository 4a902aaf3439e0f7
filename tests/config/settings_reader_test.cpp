// Reading settings text: defaults, per-key rules, blocks, fonts, the version
// check and the values derived after reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "config/settings_writer.h"
#include "support/scripted_ui.h"

namespace orv {
namespace {

std::string Ini(std::initializer_list<std::string> lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\r\n";
  return s;
}

// The first line of an Interlinear or Database entry as the writer makes it.
std::string Entry(const std::string& name, const std::string& language) {
  return "   " + std::string(20 - name.size(), ' ') + name + "   " + language;
}

// A font line: size in columns 4..6, the reserved 0, the name from column 13.
std::string FontLine(int size, const std::string& name) {
  std::string n = std::to_string(size);
  return "   " + std::string(3 - n.size(), ' ') + n + "    0 " + name;
}

Settings Read(const std::string& text) {
  Settings s;
  ReadSettingsText(s, text);
  return s;
}

TEST(SettingsRead, EmptyTextGivesDefaultsAndDefaultSources) {
  Settings s = Read("");
  EXPECT_EQ(s.version, "1.9.1");
  EXPECT_EQ(s.cite, kFirstCite);
  EXPECT_EQ(s.header, 2);
  EXPECT_EQ(s.markFOcc, 1);
  EXPECT_EQ(s.thematic, -2);
  EXPECT_EQ(s.titleSize, 30);
  EXPECT_EQ(s.chapterSize, 20);
  EXPECT_FALSE(s.showKJV || s.flowWith || s.showStrongs || s.useModernFont);
  EXPECT_EQ(s.ilFont[7], (FontSetting{10, "Arial"}));
  EXPECT_EQ(s.displayFont, (FontSetting{0, "Orvane Hebrew"})) << "the Hebrew font, size 0";

  EXPECT_EQ(s.hebrew.count, 0);
  EXPECT_EQ(s.hebrew.entry[0].name, "Stuttgart");
  ASSERT_EQ(s.il.InterlinearCount(), 1);
  ASSERT_EQ(s.il.DatabaseCount(), 1);
  EXPECT_EQ(s.il.InterlinearTexts()[0], (SourceEntry{"ILT Translation", "English", "ILT_X\\"}));
  EXPECT_EQ(s.il.Databases()[0], (SourceEntry{"Translation DB", "English", "Xlat_English\\"}));

  EXPECT_EQ(s.DataDir(), "Source\\");
  EXPECT_EQ(s.HebrewDatastoreDir(), "\\ORV\\Source\\");
  EXPECT_EQ(s.XlatDatastoreDir(), "\\ORV\\Xlat_English\\");
  EXPECT_EQ(s.WordFile(), "\\ORV\\Source\\WORD.XRD");
  EXPECT_EQ(s.FOccFile(), "\\ORV\\Source\\FOCC.XRD");
  EXPECT_EQ(s.FOc2File(), "\\ORV\\Source\\FOC2.XRD");
  EXPECT_EQ(s.BookFile(), "\\ORV\\Source\\BOOK.XRD");
  EXPECT_EQ(s.CiteFile(), "\\ORV\\Xlat_English\\CITE.XRD");
  EXPECT_EQ(s.XlatFile(), "\\ORV\\Xlat_English\\XLAT.XRD");
}

TEST(SettingsRead, VersionCheckComparesDottedNumbers) {
  struct Row {
    std::string file;
    bool upgrade, newer, hadVersion;
  };
  const Row rows[] = {
      {Ini({"[Program]", "Ver=1.9"}), true, false, true},
      {Ini({"[Program]", "Ver=1.9.1"}), false, false, true},
      {Ini({"[Program]", "Ver=1.9.2"}), false, true, true},
      {Ini({"[Program]", "Ver=1.10"}), false, true, true},
      {Ini({"[Program]", "Ver=1.9.1.1"}), false, true, true},
      {Ini({"[Program]", "Ver=1.09.1"}), false, false, true},
      {Ini({"[Program]", "Ver=beta"}), false, true, true},
      {Ini({"[Program]", "Ver="}), true, false, false},
      {Ini({"[Program]"}), true, false, false},
      {Ini({"Ver=2.0", "[Program]"}), true, false, false},  // before any section
  };
  for (const Row& r : rows) {
    test::ScriptedUI ui;
    Settings s;
    ReadSettingsText(s, r.file, &ui);
    EXPECT_EQ(s.versionState.upgrade, r.upgrade) << r.file;
    EXPECT_EQ(s.versionState.newer, r.newer) << r.file;
    EXPECT_EQ(s.versionState.hadVersion, r.hadVersion) << r.file;
    EXPECT_EQ(ui.messages.size(), r.newer ? 1u : 0u) << r.file;
    if (r.newer) {
      EXPECT_EQ(ui.messages[0], "Initialization file is newer than program version");
    }
    EXPECT_EQ(s.version, "1.9.1");
  }
}

TEST(SettingsRead, IntegerKeysTakeValidValuesOnly) {
  Settings s =
      Read(Ini({"[Preferences]", "Header=1", "Thematic=x", "TitleSz=0", "ChapSz=-12", "MarkFOcc=2x",
                "Header=99999999999", "TitleSz=2147483648", "ChapSz=-2147483648"}));
  EXPECT_EQ(s.header, 1) << "a value past 32 bits is no valid integer";
  EXPECT_EQ(s.thematic, -2);
  EXPECT_EQ(s.titleSize, 0);
  EXPECT_EQ(s.chapterSize, INT32_MIN);
  EXPECT_EQ(s.markFOcc, 1);
}

TEST(SettingsRead, MarkFOccLettersBecomeNumbers) {
  EXPECT_EQ(Read(Ini({"[Preferences]", "MarkFOcc=Y"})).markFOcc, 1);
  EXPECT_EQ(Read(Ini({"[Preferences]", "MarkFOcc=N"})).markFOcc, -1);
  EXPECT_EQ(Read(Ini({"[Preferences]", "MarkFOcc=-2"})).markFOcc, -2);
  std::string out = FormatSettings(Read(Ini({"[Preferences]", "MarkFOcc=N"})));
  EXPECT_NE(out.find("\r\nMarkFOcc=-1\r\n"), std::string::npos);
}

TEST(SettingsRead, FlagsAreTrueOnlyForCapitalY) {
  Settings s = Read(Ini(
      {"[Data]", "ShowKJV=Y", "[Preferences]", "FlowWith=y", "ShowStrongs=Y ", "UseModernFont=Y"}));
  EXPECT_TRUE(s.showKJV);
  EXPECT_FALSE(s.flowWith);
  EXPECT_FALSE(s.showStrongs);
  EXPECT_TRUE(s.useModernFont);
}

TEST(SettingsRead, KeysAreExactAndBelongToTheirSection) {
  Settings s = Read(Ini({"Header=1", "[Data]", "Header=1", "ShowKJV =Y", "[data]", "Cite=5 5 5 5",
                         "[Preferences]", " Header=1", "header=1", "ShowKJV=Y", "Sources=3"}));
  EXPECT_EQ(s.header, 2);
  EXPECT_FALSE(s.showKJV);
  EXPECT_EQ(s.cite, (Citation{5, 5, 5, 5})) << "\"[data]\" starts no section";
}

TEST(SettingsRead, ShowILTakesLinesOneToEight) {
  Settings s;
  s.il.SetSelection(2, 7);
  ReadSettingsText(s, Ini({"[Preferences]", "ShowIL0=1", "ShowIL9=1", "ShowIL1=2", "ShowIL2=abc",
                           "ShowIL3=-7", "ShowIL4 =1", "ShowIL12=1"}));
  EXPECT_EQ(s.il.Selection(1), 3) << "moved up by the default interlinear text";
  EXPECT_EQ(s.il.Selection(2), 0) << "not a number";
  EXPECT_EQ(s.il.Selection(3), -7);
  EXPECT_EQ(s.il.LineKindOf(3), SourceKind::kNone);
  EXPECT_EQ(s.il.Selection(4), 0);
  for (int n = 5; n <= 8; ++n) EXPECT_EQ(s.il.Selection(n), 0);
}

TEST(SettingsRead, TheomaticIsReadAndWrittenAsThematic) {
  Settings s = Read(Ini({"[Preferences]", "Theomatic=1"}));
  EXPECT_EQ(s.thematic, 1);
  std::string out = FormatSettings(s);
  EXPECT_NE(out.find("\r\nThematic=1\r\n"), std::string::npos);
  EXPECT_EQ(out.find("Theomatic"), std::string::npos);
}

TEST(SettingsRead, CiteTakesTheLowByteOfEachNumber) {
  EXPECT_EQ(Read(Ini({"[Data]", "Cite=2 3 x 300"})).cite, (Citation{2, 3, 1, 44}));
  EXPECT_EQ(Read(Ini({"[Data]", "Cite=  -1   7"})).cite, (Citation{255, 7, 1, 1}));
  EXPECT_EQ(Read(Ini({"[Data]", "Cite=9 9 9 9 9 9"})).cite, (Citation{9, 9, 9, 9}));
  EXPECT_EQ(Read(Ini({"[Data]", "Cite=99999999999 4"})).cite, (Citation{1, 4, 1, 1}));
}

TEST(SettingsRead, InterlinearBlockEndedInLowerCase) {
  Settings s = Read(Ini({"[Data]", "Interlinear", Entry("Greek gloss", "Greek"), "   ILT_G\\",
                         "   Other   English", "   D:\\ilt\\ ", "end", "Cite=2 1 1 1"}));
  ASSERT_EQ(s.il.InterlinearCount(), 2) << "no default interlinear text is added";
  EXPECT_EQ(s.il.InterlinearTexts()[0], (SourceEntry{"Greek gloss", "Greek", "ILT_G\\"}));
  EXPECT_EQ(s.il.InterlinearTexts()[1], (SourceEntry{"Other   English", "", "D:\\ilt\\"}));
  EXPECT_EQ(s.il.DatabaseCount(), 1) << "the default database";
  EXPECT_EQ(s.cite.book, 2) << "reading goes on after the block";
}

TEST(SettingsRead, HebrewSourceOneIsAlwaysStuttgart) {
  Settings s =
      Read(Ini({"[Data]", "Hebrew", "   Leningrad", "   OSHB\\", "   Second", "   Two\\", "End"}));
  EXPECT_EQ(s.hebrew.count, 2);
  EXPECT_EQ(s.hebrew.entry[0], (SourceEntry{"Stuttgart", "", "OSHB\\"}));
  EXPECT_EQ(s.hebrew.entry[1].name, "Second");
  EXPECT_EQ(s.WordFile(), "\\ORV\\OSHB\\WORD.XRD");
}

TEST(SettingsRead, DatastoreDirsGetAFinalBackslash) {
  Settings s = Read(Ini({"[Data]", "Hebrew", "   H", "   Heb", "End", "Database",
                         Entry("DB", "German"), "   Xlat_German", "End"}));
  EXPECT_EQ(s.HebrewDatastoreDir(), "\\ORV\\Heb\\");
  EXPECT_EQ(s.CiteFile(), "\\ORV\\Xlat_German\\CITE.XRD");
}

TEST(SettingsRead, NoDatabaseBlockWritesTheDefaultDatabase) {
  std::string out = FormatSettings(Read(Ini({"[Data]", "Cite=1 1 1 1"})));
  EXPECT_NE(
      out.find("\r\nDatabase\r\n         Translation DB   English\r\n   Xlat_English\\\r\nEnd\r\n"),
      std::string::npos)
      << out;
}

TEST(SettingsRead, DefaultInterlinearTextRenumbersSelections) {
  Settings s = Read(Ini({"[Data]", "Database", Entry("DB", "English"), "   X\\", "End",
                         "[Preferences]", "ShowIL1=1"}));
  EXPECT_EQ(s.il.Selection(1), 2);
  EXPECT_EQ(s.il.LineName(1), "DB");
}

TEST(SettingsRead, SourcesReadAfterSelectionsRenumberThem) {
  Settings s =
      Read(Ini({"[Preferences]", "ShowIL1=1", "ShowIL2=2", "[Data]", "Interlinear", Entry("A", "x"),
                "   A\\", "End", "Database", Entry("D", "y"), "   D\\", "End"}));
  EXPECT_EQ(s.il.Selection(1), 2);
  EXPECT_EQ(s.il.Selection(2), 3);
}

TEST(SettingsRead, BlocksStopWhenTheirTableIsFull) {
  std::string text = "[Data]\r\nHebrew\r\n";
  for (int i = 0; i < 7; ++i)
    text += "   H" + std::to_string(i) + "\r\n   P" + std::to_string(i) + "\r\n";
  text += "End\r\nInterlinear\r\n";
  // Appended: GCC 12 at -O3 reports a false -Wrestrict for "I" + a
  // temporary string (GCC bug 105651).
  for (int i = 0; i < 12; ++i) {
    text += Entry(std::string("I").append(std::to_string(i)), "L") + "\r\n   Q\\\r\n";
  }
  text += "End\r\nShowKJV=Y\r\n";
  Settings s = Read(text);
  EXPECT_EQ(s.hebrew.count, 5);
  EXPECT_EQ(s.hebrew.entry[4].name, "H4");
  EXPECT_EQ(s.il.InterlinearCount(), 10);
  EXPECT_EQ(s.il.InterlinearTexts()[9].name, "I9");
  EXPECT_TRUE(s.showKJV) << "the lines left over are skipped";
}

TEST(SettingsRead, BlockWithoutEndEndsAtTheFirstLineThatIsNoEntry) {
  // "[Preferences]" is no entry line: it ends the block and starts its section.
  Settings s = Read(Ini({"[Data]", "Database", Entry("A", "en"), "   A\\", "[Preferences]",
                         "Header=1", Entry("B", "de")}));
  ASSERT_EQ(s.il.DatabaseCount(), 1);
  EXPECT_EQ(s.il.Databases()[0], (SourceEntry{"A", "en", "A\\"}));
  EXPECT_EQ(s.header, 1);
  Settings atEnd = Read(Ini({"[Data]", "Database", Entry("A", "en"), "   A\\"}));
  EXPECT_EQ(atEnd.il.Databases(), s.il.Databases());
}

TEST(SettingsRead, DamagedBlocksNameTheirFirstLineAndGiveNoShiftedEntry) {
  struct Row {
    std::string file;
    int64_t line;  // reported; 0: nothing
    std::string hebrewPath;
    int hebrewCount;
    std::string interlinear, database;  // name of entry 1
  };
  const Row rows[] = {
      // A lost "End": the next key ends the block and is read as a key.
      {Ini({"[Data]", "Hebrew", "Interlinear", Entry("Greek", "Greek"), "   ILT_G\\", "End"}), 3,
       "Source\\", 0, "Greek", "Translation DB"},
      {Ini({"[Data]", "Hebrew", "   H", "   Heb\\", "Database", Entry("DB", "German"),
            "   Xlat_German\\", "End"}),
       5, "Heb\\", 1, "ILT Translation", "DB"},
      {Ini({"[Data]", "Interlinear", Entry("Greek", "Greek"), "   ILT_G\\", "Cite=2 1 1 1"}), 5,
       "Source\\", 0, "Greek", "Translation DB"},
      // Lines that do not pair up: the block gives nothing, its key line is named.
      {Ini({"[Data]", "Hebrew", "   H", "   H", "   Heb\\", "End"}), 2, "Source\\", 0,
       "ILT Translation", "Translation DB"},
      {Ini({"[Data]", "Hebrew", "   H", "End"}), 2, "Source\\", 0, "ILT Translation",
       "Translation DB"},
      {Ini({"[Data]", "Hebrew", "   Heb\\", "   H", "End"}), 2, "Source\\", 0, "ILT Translation",
       "Translation DB"},
      {Ini({"[Data]", "Database", "   Xlat_German\\", Entry("DB", "German"), "End"}), 2, "Source\\",
       0, "ILT Translation", "Translation DB"},
      {Ini({"[Data]", "Database", Entry("DB", "Ger\\"), "   X\\", "End"}), 2, "Source\\", 0,
       "ILT Translation", "Translation DB"},
      {Ini({"[Data]", "Hebrew", "   H", "   Heb\\", "Hebrew", "   H", "   H", "   X\\", "End"}), 5,
       "Source\\", 0, "ILT Translation", "Translation DB"},
      // Entry lines with no key line before them.
      {Ini({"[Data]", "   H", "   Heb\\", "End", "[Preferences]", "     9    0 Arial"}), 2,
       "Source\\", 0, "ILT Translation", "Translation DB"},
      // Blanks alone are an empty line; a path without a backslash is still a path.
      {Ini({"[Data]", "   ", "Hebrew", "   H", "   Heb", "End"}), 0, "Heb", 1, "ILT Translation",
       "Translation DB"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    test::ScriptedUI ui;
    Settings s;
    ReadSettingsText(s, r.file, &ui);
    EXPECT_EQ(ui.messages,
              r.line ? std::vector<std::string>{UnreadSettingsLineMessage(r.line, "ORV.INI")}
                     : std::vector<std::string>{});
    EXPECT_EQ(s.DataDir(), r.hebrewPath);
    EXPECT_EQ(s.hebrew.count, r.hebrewCount);
    EXPECT_EQ(s.il.InterlinearTexts().at(0).name, r.interlinear);
    EXPECT_EQ(s.il.Databases().at(0).name, r.database);
  }
}

// The lines of `text` (CR LF ends); `damage` turns them into a damaged file.
std::string Damaged(const std::string& text,
                    const std::function<void(std::vector<std::string>&)>& damage) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  damage(lines);
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

TEST(SettingsRead, OneLineLostDoubledOrSwappedKeepsTheTextAndThePosition) {
  Settings fresh;  // what the program writes when it first closes
  ReadSettingsText(fresh, "");
  Settings full = fresh;
  full.hebrew.Append("Stuttgart", "Source\\");
  full.il.AddInterlinearText("Greek", "Greek", "ILT_G\\");
  full.il.AddTranslationDatabase("German", "German", "Xlat_German\\");
  full.il.SetSelection(1, 2);
  for (const Settings& correct : {fresh, full}) {
    const std::string text = FormatSettings(correct);
    const size_t count = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    for (size_t i = 0; i < count; ++i) {
      const std::pair<const char*, std::function<void(std::vector<std::string>&)>> damages[] = {
          {"lost", [i](auto& l) { l.erase(l.begin() + static_cast<long>(i)); }},
          {"doubled", [i](auto& l) { l.insert(l.begin() + static_cast<long>(i), l[i]); }},
          {"swapped with the next",
           [i](auto& l) {
             if (i + 1 < l.size()) std::swap(l[i], l[i + 1]);
           }},
      };
      for (const auto& [what, damage] : damages) {
        const std::string file = Damaged(text, damage);
        SCOPED_TRACE(std::string("line ") + std::to_string(i + 1) + " " + what + ":\n" + file);
        test::ScriptedUI ui;
        Settings s;
        ReadSettingsText(s, file, &ui);
        // Genesis 1 opens: the text and the datastores where they were.
        EXPECT_EQ(s.DataDir(), "Source\\");
        EXPECT_EQ(s.HebrewDatastoreDir(), "\\ORV\\Source\\");
        EXPECT_EQ(s.cite, kFirstCite);
        EXPECT_TRUE(s.XlatDatastoreDir() == correct.XlatDatastoreDir() ||
                    s.XlatDatastoreDir() == "\\ORV\\Xlat_English\\")
            << s.XlatDatastoreDir();
        // A source lost is never lost silently.
        if (!(s.hebrew == correct.hebrew &&
              s.il.InterlinearTexts() == correct.il.InterlinearTexts() &&
              s.il.Databases() == correct.il.Databases())) {
          EXPECT_EQ(ui.messages.size(), 1u);
        }
        // What is written at close reads back as it is, without a complaint.
        test::ScriptedUI again;
        Settings back;
        ReadSettingsText(back, FormatSettings(s), &again);
        EXPECT_EQ(back, s);
        EXPECT_TRUE(again.messages.empty());
      }
    }
  }
}

TEST(SettingsRead, FontEntryWithoutItsLineLeavesTheNextKeyAlone) {
  struct Row {
    std::string file;
    int64_t line;
  };
  const Row rows[] = {
      {Ini({"[Preferences]", "ILFont1", "ILFont2", FontLine(9, "Gentium"), "Header=1"}), 3},
      {Ini({"[Preferences]", "ILFont2", FontLine(9, "Gentium"), "Header=1", "HebrewFont"}), 5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    test::ScriptedUI ui;
    Settings s;
    ReadSettingsText(s, r.file, &ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{UnreadSettingsLineMessage(r.line, "ORV.INI")});
    EXPECT_EQ(s.ilFont[0], (FontSetting{10, "Arial"}));
    EXPECT_EQ(s.ilFont[1], (FontSetting{9, "Gentium"}));
    EXPECT_EQ(s.header, 1);
  }
}

TEST(SettingsRead, NamesAreCutToTheirColumnsOnCharacterBoundaries) {
  const std::string alef = "\xD7\x90";
  std::string hebrewName;
  for (int i = 0; i < 15; ++i) hebrewName += alef;  // 30 bytes
  std::string longLanguage(30, 'l');
  std::string twentyOne = std::string(19, 'a') + "\xE2\x82\xAC";  // 22 bytes
  Settings s = Read(Ini({"[Data]", "Interlinear", "   " + twentyOne + "   " + longLanguage,
                         "   P\\", "   " + hebrewName, "   Q\\", "End"}));
  ASSERT_EQ(s.il.InterlinearCount(), 2);
  EXPECT_EQ(s.il.InterlinearTexts()[0].name, std::string(19, 'a'));
  EXPECT_EQ(s.il.InterlinearTexts()[0].language, std::string(20, 'l'));
  EXPECT_EQ(s.il.InterlinearTexts()[1].name, hebrewName.substr(0, 20));
}

TEST(SettingsRead, FontLines) {
  std::string longName(60, 'f');
  Settings s = Read(Ini({"[Preferences]", "HebrewFont", "   1 4   0 Ezra SIL", "ModernFont",
                         FontLine(16, "Frank Ruehl"), "UseModernFont=Y", "ILFont2",
                         FontLine(9, longName), "ILFont3", "   xx    0 Nope", "ILFont9",
                         FontLine(11, "Nine"), "ILFont5", "   16     0 Left aligned", "ILFont4"}));
  EXPECT_EQ(s.hebrewFont, (FontSetting{0, "Orvane Hebrew"})) << "\"1 4\" is no number";
  EXPECT_EQ(s.modernFont, (FontSetting{16, "Frank Ruehl"}));
  EXPECT_EQ(s.displayFont, s.modernFont);
  EXPECT_EQ(s.ilFont[1], (FontSetting{9, std::string(39, 'f')}));
  EXPECT_EQ(s.ilFont[2], (FontSetting{10, "Arial"})) << "bad size: name kept too";
  EXPECT_EQ(s.ilFont[3], (FontSetting{10, "Arial"})) << "font line missing at the end";
  EXPECT_EQ(s.ilFont[4], (FontSetting{16, "Left aligned"}));
  EXPECT_EQ(s.header, 2) << "\"ILFont9\" consumed no line";
}

TEST(SettingsRead, LfAndCrLfReadAlike) {
  std::string crlf = Ini({"[Data]", "Interlinear", Entry("A", "en"), "   A\\", "END",
                          "Cite=3 2 1 4", "[Preferences]", "ILFont1", FontLine(12, "Gentium")});
  std::string lf;
  for (char c : crlf) {
    if (c != '\r') lf += c;
  }
  Settings a = Read(crlf), b = Read(lf);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.ilFont[0].name, "Gentium");
  EXPECT_EQ(Read(lf + "[Preferences]\nHeader=1").header, 1) << "last line without a line end";
}

TEST(SettingsRead, GarbageIsSkipped) {
  std::string junk;
  for (int i = 0; i < 512; ++i) junk += static_cast<char>(i * 37 % 256);
  std::string huge(10000, 'x');
  Settings s = Read(junk + "\r\n[Data]\r\n" + huge + "\r\n" + junk + "\r\nHebrew\r\n   " + huge +
                    "\r\n   " + huge + "\r\nEnd\r\n[Preferences]\r\nHeader=" + huge +
                    "\r\nChapSz=7\r\n\r\n\r\n=\r\n==\r\n");
  EXPECT_EQ(s.hebrew.entry[0].name, "Stuttgart");
  EXPECT_EQ(s.hebrew.entry[0].path, huge) << "paths have no capacity";
  EXPECT_EQ(s.header, 2);
  EXPECT_EQ(s.chapterSize, 7);
}

TEST(SettingsRead, ReadingAgainStartsOverButKeepsStartUpValues) {
  Settings s = Read(Ini({"[Data]", "Interlinear", Entry("A", "en"), "   A\\", "End", "ShowKJV=Y",
                         "[Preferences]", "TitleSz=44", "Header=1", "ShowIL1=1"}));
  ReadSettingsText(s, "");
  EXPECT_EQ(s.titleSize, 30);
  EXPECT_EQ(s.il.InterlinearTexts()[0].name, "ILT Translation");
  EXPECT_EQ(s.header, 1);
  EXPECT_TRUE(s.showKJV);
  EXPECT_EQ(s.il.Selection(1), 2) << "kept, then moved up by the default text";
}

}  // namespace
}  // namespace orv
