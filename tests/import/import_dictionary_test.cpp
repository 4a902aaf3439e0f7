#include "import/import_dictionary.h"

#include <gtest/gtest.h>
#include <rawld.h>
#include <swmgr.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>

#include "import/text_wrap.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// The lines of a text file, which must end every line with CR LF.
std::vector<std::string> ReadCrLfLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "last line without CR LF in " << path;
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "bare line feed: " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// A dictionary file split as the definitions viewer reads it: an entry is a
// header "*" + number + " " + text and the lines up to the next "*".
struct DefEntry {
  int number = 0;
  std::vector<std::string> lines;  // header first
};

std::vector<DefEntry> ReadDef(const std::string& path) {
  std::vector<DefEntry> entries;
  for (const std::string& line : ReadCrLfLines(path)) {
    EXPECT_LE(Utf8Length(line), kDefColumns) << line;
    if (!line.empty() && line[0] == '*') {
      DefEntry e;
      size_t i = 1;
      while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])))
        e.number = e.number * 10 + (line[i++] - '0');
      EXPECT_TRUE(i < line.size() && line[i] == ' ') << "header without number and blank: " << line;
      entries.push_back(e);
    }
    if (entries.empty()) {
      ADD_FAILURE() << "text before the first entry: " << line;
      continue;
    }
    entries.back().lines.push_back(line);
  }
  return entries;
}

void ExpectAllNumbersInOrder(const std::vector<DefEntry>& entries) {
  ASSERT_EQ(entries.size(), static_cast<size_t>(kHebrewEntries));
  for (int n = 1; n <= kHebrewEntries; ++n) ASSERT_EQ(entries[n - 1].number, n);
}

std::string Joined(const DefEntry& e) {
  std::string all;
  for (const std::string& line : e.lines) all += line + " ";
  return all;
}

// A SWORD library folder with one dictionary module, written through the
// library's own module writer so that the importer reads it like an
// installed one.
void MakeModule(const std::string& root, const std::string& name,
                const std::map<int, std::string>& entries) {
  const std::string data = "modules/lexdict/rawld/" + name + "/";
  fs::create_directories(root + "/mods.d");
  fs::create_directories(root + "/" + data);
  std::ofstream(root + "/mods.d/" + name + ".conf")
      << "[" << name << "]\nDataPath=./" << data
      << "dict\nModDrv=RawLD\nEncoding=UTF-8\nSourceType=TEI\n";
  const std::string path = root + "/" + data + "dict";
  // An empty module is an empty index and data file; RawLD::createModule
  // would make the same two but leaks a buffer doing so.
  std::ofstream(path + ".idx", std::ios::binary);
  std::ofstream(path + ".dat", std::ios::binary);
  sword::RawLD module(path.c_str());
  for (const auto& [n, text] : entries) {
    module.setKey(std::to_string(n).c_str());
    module.setEntry(text.c_str());
  }
}

std::string TeiEntry(int n, const std::string& def) {
  return "<entryFree n=\"" + std::to_string(n) +
         "\"> <orth>\xD7\x90\xD7\x91</orth><lb/> <orth type=\"trans\">'ab</orth> "
         "<pron rend=\"italic\">awb</pron><lb/> <def>" +
         def + "</def> </entryFree>";
}

TEST(FormatDictEntry, HeaderThenDefinitionWrappedAt80Columns) {
  DictEntry e{"\xD7\x90\xD7\x91", "'ab", "awb", ""};
  for (int i = 0; i < 30; ++i) e.definition += "word" + std::to_string(i) + " ";
  std::vector<std::string> lines = FormatDictEntry(1, e);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "*1 \xD7\x90\xD7\x91; 'ab; awb");
  std::string rejoined;
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_LE(Utf8Length(lines[i]), kDefColumns);
    rejoined += (i > 1 ? " " : "") + lines[i];
  }
  EXPECT_EQ(rejoined + " ", e.definition);
}

TEST(FormatDictEntry, OnlyTheHeaderBeginsWithAStar) {
  DictEntry e{"", "", "", "*3 is not a header"};
  EXPECT_EQ(FormatDictEntry(12, e), (std::vector<std::string>{"*12", " *3 is not a header"}));
  // A header too wide for one line keeps the number on its first line.
  DictEntry wide{std::string(100, 'h'), "t", "p", "d"};
  std::vector<std::string> lines = FormatDictEntry(8674, wide);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "*8674");
  EXPECT_EQ(lines[3], "d");
  for (const std::string& line : lines) EXPECT_LE(line.size(), kDefColumns);
}

TEST(ImportDictionary, MissingModuleNamesTheDebianPackage) {
  test::TempDir out;
  test::TempDir sword;
  fs::create_directories(sword.path() + "/mods.d");
  ImportResult r = ImportDictionary(out.path(), "", sword.path());
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("sword-dict-strongs-hebrew"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("StrongsHebrew"), std::string::npos) << r.message;
  EXPECT_FALSE(fs::exists(out.File("Hebrew.def")));
  EXPECT_FALSE(ImportDictionary(out.path(), "NoSuchDictionary").ok);
}

TEST(ImportDictionary, ModuleLackingANumberFailsNamingIt) {
  test::TempDir out;
  test::TempDir sword;
  MakeModule(sword.path(), "Partial",
             {{1, TeiEntry(1, "one")}, {2, TeiEntry(2, "two")}, {3, TeiEntry(3, "x")}});
  ImportResult r = ImportDictionary(out.path(), "Partial", sword.path());
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("no entry 4"), std::string::npos) << r.message;
  EXPECT_FALSE(fs::exists(out.File("Hebrew.def")));
}

TEST(ImportDictionary, FixtureModuleGivesEveryNumberInOrderAsPlainText) {
  test::TempDir out;
  test::TempDir sword;
  std::map<int, std::string> entries;
  for (int n = 1; n <= kHebrewEntries; ++n)
    entries[n] = TeiEntry(n, "Entry " + std::to_string(n) + ".");
  std::string longDef;
  for (int i = 0; i < 40; ++i) longDef += "<hi rend=\"italic\">{long}</hi> &amp; ";
  entries[2] = TeiEntry(2, longDef + "end");
  entries[3] = TeiEntry(
      3, "From <ref target=\"StrongsHebrew:24\">H24</ref>; a {green} <hi>plant:</hi> - fruit.");
  entries[9000] = TeiEntry(9000, "beyond the numbers");
  MakeModule(sword.path(), "Fixture", entries);

  ASSERT_TRUE(ImportDictionary(out.path() + "/", "Fixture", sword.path()).ok);
  std::vector<DefEntry> def = ReadDef(out.File("Hebrew.def"));
  ExpectAllNumbersInOrder(def);
  EXPECT_EQ(def[0].lines, (std::vector<std::string>{"*1 \xD7\x90\xD7\x91; 'ab; awb", "Entry 1."}));
  EXPECT_GT(def[1].lines.size(), 3u);
  EXPECT_EQ(Joined(def[1]).find_first_of("<>{}"), std::string::npos) << Joined(def[1]);
  EXPECT_NE(Joined(def[1]).find("long, & long, &"), std::string::npos);
  EXPECT_EQ(def[2].lines[1], "From H24; a green, plant: - fruit.");
}

bool HasStrongsHebrew() {
  sword::SWMgr mgr;
  return mgr.getModule("StrongsHebrew") != nullptr;
}

TEST(ImportDictionary, RealStrongsHebrewModule) {
  if (!HasStrongsHebrew()) {
    GTEST_SKIP()
        << "SWORD module StrongsHebrew is not installed (Debian package sword-dict-strongs-hebrew)";
  }
  test::TempDir out;
  ImportResult r = ImportDictionary(out.path());
  ASSERT_TRUE(r.ok) << r.message;
  std::vector<DefEntry> def = ReadDef(out.File("Hebrew.def"));
  ExpectAllNumbersInOrder(def);
  const DefEntry& reshit = def[7225 - 1];
  // The consonants of the word, whatever points the module writes between them.
  std::string consonants;
  for (const std::string& line : reshit.lines) {
    for (size_t i = 0; i + 1 < line.size(); i += 2) {
      if (line[i] == '\xD7' && static_cast<unsigned char>(line[i + 1]) >= 0x90)
        consonants += line.substr(i, 2);
    }
    break;
  }
  EXPECT_NE(consonants.find("\xD7\xA8\xD7\x90\xD7\xA9\xD7\x99\xD7\xAA"), std::string::npos)
      << reshit.lines[0];
  EXPECT_NE(Joined(reshit).find("beginning"), std::string::npos) << Joined(reshit);
  for (const DefEntry& e : def) {
    EXPECT_EQ(Joined(e).find_first_of("<>{}"), std::string::npos) << Joined(e);
  }
}

// The supplement list as the definitions viewer reads it: a line that
// begins with a whole number n and a blank is entry n when n is 1 to 150;
// any other line is skipped.
TEST(WriteSupplement, EveryNumberedLineIsReadAndNoOtherLineLooksNumbered) {
  test::TempDir out;
  ASSERT_TRUE(WriteSupplement(out.path()).ok);
  std::map<int, std::string> table;
  for (const std::string& line : ReadCrLfLines(out.File("OT.VRB"))) {
    EXPECT_LE(line.size(), kDefColumns) << line;
    for (char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII: " << line;
    size_t digits = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (digits == 0) continue;
    ASSERT_TRUE(digits < line.size() && line[digits] == ' ') << "number without blank: " << line;
    int n = std::stoi(line.substr(0, digits));
    ASSERT_TRUE(n >= 1 && n <= 150) << line;
    EXPECT_TRUE(table.emplace(n, line).second) << "number used twice: " << line;
  }
  ASSERT_FALSE(table.empty());
  ImportResult bad = WriteSupplement("/nonexistent-orv-folder");
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.message.find("OT.VRB"), std::string::npos) << bad.message;
  EXPECT_EQ(table.rbegin()->first, static_cast<int>(table.size())) << "numbers leave a gap";
  std::string all;
  for (const auto& [n, line] : table) all += line + "\n";
  for (const char* term :
       {"Qal", "Niphal", "Piel", "Pual", "Hiphil", "Hophal", "Hithpael", "Perfect", "Imperfect",
        "Waw-consecutive", "Imperative", "Jussive", "Cohortative", "Infinitive absolute",
        "Infinitive construct", "Participle active", "Participle passive"}) {
    EXPECT_NE(all.find(term), std::string::npos) << term;
  }
}

}  // namespace
}  // namespace orv
