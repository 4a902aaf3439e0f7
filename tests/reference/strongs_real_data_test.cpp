// The viewer over the real dictionary, imported from the SWORD module of
// Strong's Hebrew dictionary into a temporary program folder.
#include <gtest/gtest.h>
#include <swmgr.h>

#include <fstream>

#include "import/import_dictionary.h"
#include "reference/strongs_lookup.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

bool HasStrongsHebrew() {
  sword::SWMgr mgr;
  return mgr.getModule("StrongsHebrew") != nullptr;
}

// Every entry of the file as lines, split at the header lines: the oracle
// that the indexed lookups must agree with.
std::vector<std::vector<std::string>> SplitEntries(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::vector<std::string>> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '*') {
      entries.push_back({line.substr(1)});
    } else if (!entries.empty()) {
      entries.back().push_back(line);
    }
  }
  return entries;
}

TEST(StrongsRealData, EveryLookupAgreesWithTheDictionaryFile) {
  if (!HasStrongsHebrew()) {
    GTEST_SKIP()
        << "SWORD module StrongsHebrew is not installed (Debian package sword-dict-strongs-hebrew)";
  }
  test::TempDir prog;
  ImportResult r = ImportDictionary(prog.path() + "/");
  ASSERT_TRUE(r.ok) << r.message;
  ASSERT_TRUE(WriteSupplement(prog.path() + "/").ok);
  auto entries = SplitEntries(prog.File(kDictionaryFile));
  ASSERT_EQ(entries.size(), static_cast<size_t>(kHebrewEntries));

  SupplementList supplements;
  ASSERT_TRUE(supplements.Load(prog.File(kSupplementFile)));
  ASSERT_GE(supplements.Highest(), 2);
  StrongsLookup lookup(prog.File(kDictionaryFile), prog.File("Hebrew.XRD"), supplements);

  StrongsDefinition reshit = lookup.Show("7225");
  ASSERT_TRUE(reshit.shown) << reshit.message;
  EXPECT_TRUE(lookup.IndexValid());
  EXPECT_EQ(reshit.caption, "Strong's definition 7225");
  EXPECT_EQ(reshit.lines, entries[7225 - 1]);
  EXPECT_EQ(reshit.lines.front().rfind("7225 ", 0), 0u) << reshit.lines.front();
  std::string all;
  for (const std::string& l : reshit.lines) all += l + " ";
  EXPECT_NE(all.find("beginning"), std::string::npos) << all;

  StrongsDefinition withStem = lookup.Show("07225-2");
  ASSERT_TRUE(withStem.shown);
  EXPECT_EQ(withStem.lines.front(), entries[7225 - 1].front() + "  - " + supplements.Line(2));

  for (int n = 1; n <= kHebrewEntries; n += (n < 8600 ? 61 : 1)) {
    StrongsDefinition d = lookup.Show(std::to_string(n));
    ASSERT_TRUE(d.shown) << n;
    EXPECT_EQ(d.lines, entries[static_cast<size_t>(n - 1)]) << n;
  }
  EXPECT_EQ(lookup.Show("8675").message, kDefinitionNotFound);
}

}  // namespace
}  // namespace orv
