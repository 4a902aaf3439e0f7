// The sources manager's rows and buttons, Add Ref's paths and refusals,
// Create's folder and book files, Del Ref and the closing rule, over a
// temporary program folder and data root.
#include "prefs/sources_manager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/books.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class SourcesManagerTest : public ::testing::Test {
 protected:
  SourcesManagerTest() {
    fs::create_directories(Prog());
    fs::create_directories(Root());
    il_.AddInterlinearText("ILT Translation", "English", "ILT_X\\");
    il_.AddTranslationDatabase("Translation DB", "English", "Xlat_English\\");
  }
  std::string Prog() const { return dir_.File("prog"); }
  std::string Root() const { return dir_.File("root"); }
  SourcesManager Manager(SourcesMode mode = SourcesMode::kInterlinearTexts) {
    return SourcesManager(il_, mode, Prog(), Root());
  }
  // A folder made under the data root (or anywhere, with a full path).
  std::string Folder(const std::string& native) {
    fs::create_directories(native);
    return native;
  }

  test::TempDir dir_;
  test::ScriptedUI ui_;
  TILObject il_;
};

TEST_F(SourcesManagerTest, ModesNameTheirTableAndButtons) {
  SourcesManager ilt = Manager();
  EXPECT_EQ(ilt.Caption(), "Manage Interliner Text File Sources");
  EXPECT_THAT(ilt.Headers(), ElementsAre("Interlinear Text Identifier", "Language",
                                         "Directory where files located"));
  EXPECT_TRUE(ilt.CreateEnabled());
  ASSERT_EQ(ilt.EntryCount(), 1);
  EXPECT_EQ(ilt.rows[0].directory, "ILT_X\\");
  SourcesManager db = Manager(SourcesMode::kTranslationDatabases);
  EXPECT_EQ(db.Caption(), "Manage Translation Sources");
  EXPECT_EQ(db.Headers()[0], "Translation Identifier");
  EXPECT_FALSE(db.CreateEnabled());
  EXPECT_EQ(db.rows[0].identifier, "Translation DB");
}

TEST_F(SourcesManagerTest, AddRefStoresPathsAndRefusesTheTwoFolders) {
  SourcesManager m = Manager();
  ui_.folder.push_back(Folder(Root() + "/Mine/Greek"));
  ui_.folder.push_back(Folder(dir_.File("elsewhere/Latin")));
  ui_.folder.push_back(Prog());
  ui_.folder.push_back(Root() + "/");
  ui_.folder.push_back(std::nullopt);
  EXPECT_TRUE(m.AddRef(ui_));
  m.rows.back().language = "Greek";
  EXPECT_TRUE(m.AddRef(ui_));
  EXPECT_FALSE(m.AddRef(ui_));
  EXPECT_FALSE(m.AddRef(ui_));
  EXPECT_FALSE(m.AddRef(ui_));
  EXPECT_THAT(ui_.messages, ElementsAre(kProgramDirMessage, kDataRootMessage));
  ASSERT_EQ(m.EntryCount(), 3);
  EXPECT_EQ(m.rows[1].directory, "Mine\\Greek\\");
  EXPECT_EQ(m.rows[1].identifier, "Greek");
  std::string full = fs::weakly_canonical(dir_.File("elsewhere/Latin")).string() + "/";
  std::replace(full.begin(), full.end(), '/', '\\');
  EXPECT_EQ(m.rows[2].directory, full);
  EXPECT_EQ(m.rows[2].identifier, "Latin");
  EXPECT_EQ(m.rows[2].language, "Greek");  // copied from the row above
  // The databases moved up by the two new texts.
  EXPECT_EQ(il_.InterlinearCount(), 3);
  EXPECT_EQ(il_.SourceName(4), "Translation DB");
}

TEST_F(SourcesManagerTest, TenEntriesDisableAddRefUntilOneIsDeleted) {
  SourcesManager m = Manager();
  for (int i = 2; i <= kManagedMaxEntries; ++i) {
    ASSERT_TRUE(m.AddDirectory(ui_, Folder(Root() + "/t" + std::to_string(i))));
  }
  EXPECT_FALSE(m.AddRefEnabled());
  EXPECT_FALSE(m.CreateEnabled());
  EXPECT_FALSE(m.AddDirectory(ui_, Folder(Root() + "/t11")));
  EXPECT_FALSE(m.CreateSource(ui_, "New", "English", "t12"));
  EXPECT_THAT(ui_.messages, ElementsAre(kTableFullMessage, kTableFullMessage));
  EXPECT_FALSE(fs::exists(Root() + "/t12"));
  EXPECT_TRUE(m.SelectCell(4, 0));
  EXPECT_TRUE(m.DelRef(ui_));
  EXPECT_TRUE(m.AddRefEnabled());
  EXPECT_EQ(m.EntryCount(), 9);
  EXPECT_EQ(m.rows[3].identifier, "t5");
}

TEST_F(SourcesManagerTest, DelRefNeverTakesTheFirstRowAndKeepsSelectionsInStep) {
  SourcesManager m = Manager();
  m.AddDirectory(ui_, Folder(Root() + "/Second"));
  il_.SetSelection(1, 1);  // the first text
  il_.SetSelection(2, 2);  // the second text, to be deleted
  il_.SetSelection(3, 3);  // the database
  EXPECT_FALSE(m.SelectCell(2, kDirColumn));
  EXPECT_FALSE(m.DelRefEnabled());
  EXPECT_TRUE(m.SelectCell(1, 1));
  EXPECT_FALSE(m.DelRefEnabled());
  EXPECT_FALSE(m.DelRef(ui_));
  EXPECT_TRUE(m.SelectCell(2, 0));
  EXPECT_TRUE(m.DelRef(ui_));
  m.Close(ui_);
  EXPECT_EQ(il_.InterlinearCount(), 1);
  EXPECT_EQ(il_.Selection(1), 1);
  EXPECT_EQ(il_.Selection(2), 0);
  EXPECT_EQ(il_.Selection(3), 2);
  EXPECT_EQ(il_.SourceName(2), "Translation DB");
}

TEST_F(SourcesManagerTest, DeletingASourceALineShowsNamesTheLines) {
  struct Case {
    SourcesMode mode;
    int row;                  // the row deleted, in the mode's table
    bool byClosing;           // its identifier cleared and the dialog closed
    std::vector<int> before;  // lines 1..6
    std::vector<int> after;
    std::vector<std::string> messages;
  };
  // Texts: 1 "ILT Translation", 2 "B", 3 "C"; databases: 4 "Translation DB", 5 "E".
  const Case cases[] = {
      {SourcesMode::kInterlinearTexts,
       2,
       false,
       {1, 2, 3, 4, 2, 5},
       {1, 0, 2, 3, 0, 4},
       {"Lines 2 and 5 showed the deleted source \"B\" and now show nothing."}},
      {SourcesMode::kInterlinearTexts, 2, false, {1, 3, 4, 5, 3, 0}, {1, 2, 3, 4, 2, 0}, {}},
      {SourcesMode::kTranslationDatabases,
       2,
       false,
       {5, 2, 5, 4, 5, 1},
       {0, 2, 0, 4, 0, 1},
       {"Lines 1, 3 and 5 showed the deleted source \"E\" and now show nothing."}},
      {SourcesMode::kInterlinearTexts,
       3,
       true,
       {1, 2, 3, 4, 5, 0},
       {1, 2, 0, 3, 4, 0},
       {"Line 3 showed the deleted source \"C\" and now shows nothing."}},
  };
  for (const Case& c : cases) {
    TILObject il;
    il.AddInterlinearText("ILT Translation", "English", "ILT_X\\");
    il.AddInterlinearText("B", "English", "B\\");
    il.AddInterlinearText("C", "English", "C\\");
    il.AddTranslationDatabase("Translation DB", "English", "Xlat_English\\");
    il.AddTranslationDatabase("E", "English", "E\\");
    for (int n = 1; n <= 6; ++n) il.SetSelection(n, c.before[size_t(n - 1)]);
    test::ScriptedUI ui;
    SourcesManager m(il, c.mode, Prog(), Root());
    if (c.byClosing) {
      m.rows[size_t(c.row - 1)].identifier = " ";
    } else {
      ASSERT_TRUE(m.SelectCell(c.row, 0));
      ASSERT_TRUE(m.DelRef(ui));
    }
    m.Close(ui);
    EXPECT_EQ(ui.messages, c.messages) << "row " << c.row;
    for (int n = 1; n <= 6; ++n) {
      EXPECT_EQ(il.Selection(n), c.after[size_t(n - 1)]) << "row " << c.row << ", line " << n;
    }
    EXPECT_EQ(il.SourceCount(), 4);
  }
  EXPECT_EQ(DeletedSourceMessage("", {4}),
            "Line 4 showed the deleted source and now shows nothing.");
}

TEST_F(SourcesManagerTest, ClosingDropsBlankIdentifiersAtTheEndOnly) {
  SourcesManager m = Manager();
  for (const char* name : {"B", "C", "D"}) m.AddDirectory(ui_, Folder(Root() + "/" + name));
  il_.SetSelection(1, 5);       // the database, behind four texts
  m.rows[1].identifier = "  ";  // the middle
  m.rows[3].identifier = "";    // the end
  m.rows[2].identifier = "Renamed";
  m.rows[2].language = std::string(30, 'L');
  m.Close(ui_);
  ASSERT_EQ(il_.InterlinearCount(), 3);
  EXPECT_EQ(il_.InterlinearTexts()[1].name, "  ");
  EXPECT_EQ(il_.InterlinearTexts()[2].name, "Renamed");
  EXPECT_EQ(il_.InterlinearTexts()[2].language, std::string(20, 'L'));
  EXPECT_EQ(il_.InterlinearTexts()[2].path, "C\\");
  EXPECT_EQ(il_.Selection(1), 4);  // still the database

  // Row 1, the text the program relies on, is never dropped.
  SourcesManager again = Manager();
  for (SourceRow& r : again.rows) r.identifier.clear();
  again.Close(ui_);
  EXPECT_EQ(il_.InterlinearCount(), 1);
}

TEST_F(SourcesManagerTest, CreateWritesThirtyNineBookFilesUnderTheDataRoot) {
  SourcesManager m = Manager();
  ui_.input = {std::string("My Gloss"), std::string("German"), std::string("Glosses\\De")};
  EXPECT_TRUE(m.Create(ui_));
  EXPECT_THAT(ui_.calls, ElementsAre("InputBox: New ILT files / Enter a description / identifier",
                                     "InputBox: New ILT files / Change the language description",
                                     "InputBox: New ILT files / Enter directory to create"));
  ASSERT_EQ(m.EntryCount(), 2);
  EXPECT_EQ(m.rows[1].directory, "Glosses\\De\\");
  EXPECT_EQ(il_.InterlinearTexts()[1].path, "Glosses\\De\\");
  for (int book = 1; book <= kBookCount; ++book) {
    std::ifstream in(Root() + "/Glosses/De/" + BookCode(book) + ".ILT", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "*BOOK " + BookName(book) + "\r\n*CITE " + BookCiteAbbrev(book) +
                              "\r\n*LANG German\r\n*WHAT My Gloss\r\n*L-R\r\n")
        << book;
  }
  EXPECT_FALSE(fs::exists(Prog() + "/Glosses"));
  EXPECT_EQ(ui_.maxWaitDepth, 1);
}

TEST_F(SourcesManagerTest, CreateKeepsExistingBookFilesAndStopsOnEmptyAnswers) {
  Folder(Root() + "/ILT_X");
  { std::ofstream(Root() + "/ILT_X/GEN.ILT") << "translated"; }
  SourcesManager m = Manager();
  EXPECT_TRUE(m.CreateSource(ui_, "Again", "English", "ILT_X"));
  std::ifstream in(Root() + "/ILT_X/GEN.ILT");
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "translated");
  EXPECT_TRUE(fs::exists(Root() + "/ILT_X/MAL.ILT"));

  ui_.input = {std::string("Name"), std::string("")};
  EXPECT_FALSE(m.Create(ui_));
  ui_.input = {std::nullopt};
  EXPECT_FALSE(m.Create(ui_));
  EXPECT_EQ(m.EntryCount(), 2);
}

// A file where the folder should be, and a folder where Exodus's book file
// should be: neither can be made, whoever runs the test.
TEST_F(SourcesManagerTest, CreateThatCannotMakeItsFilesChangesNothing) {
  { std::ofstream(Root() + "/blocker") << "a file"; }
  Folder(Root() + "/half/EX.ILT");
  SourcesManager m = Manager();
  EXPECT_FALSE(m.CreateSource(ui_, "New", "English", "blocker/sub"));
  EXPECT_FALSE(m.CreateSource(ui_, "New", "English", "half"));
  EXPECT_THAT(ui_.messages, ElementsAre(std::string(kCreateDirMessage) + Root() + "/blocker/sub",
                                        kCreateFilesMessage));
  EXPECT_EQ(il_.InterlinearCount(), 1);
  EXPECT_EQ(m.EntryCount(), 1);
  EXPECT_FALSE(fs::exists(Root() + "/half/GEN.ILT"));  // made before the failure, removed again
  EXPECT_EQ(ui_.waitDepth, 0);
}

}  // namespace
}  // namespace orv
