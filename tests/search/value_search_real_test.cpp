// The range value, the thematic search and the embedded word search over
// the real text, against figures known or read from the Hebrew XML itself.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cite/cite_counts.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/typed_input.h"
#include "search/embedded_filter.h"
#include "search/range_value.h"
#include "search/run_scan.h"
#include "search/thematic_filter.h"
#include "support/real_hebrew.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

class ValueSearchReal : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::RealHebrew& data = test::RealHebrew::Get();
    if (!data.ok) GTEST_SKIP() << data.why;
    set_ = std::make_unique<DatastoreSet>(data.hebrewDir, data.xlatDir);
    for (TXRDataStore* s : {&set_->CiteDS, &set_->FOc2DS, &set_->BookDS}) {
      ASSERT_TRUE(s->Exists()) << s->Tag();
    }
    counts_ = std::make_unique<DatastoreCounts>(*set_);
  }
  void TearDown() override {
    if (set_) {
      for (TXRDataStore* s : {&set_->CiteDS, &set_->FOc2DS, &set_->BookDS}) s->ForceClose();
    }
  }

  // Both values of the words of chapter 1 of Genesis as the XML spells
  // them: every <w> element of the chapter, points and "/" dropped.
  static std::pair<int64_t, int64_t> XmlGenesisOne() {
    const std::string xml = test::ReadText(test::RealHebrew::OshbDir() + "/Gen.xml");
    const size_t from = xml.find("osisID=\"Gen.1.1\"");
    const size_t to = xml.find("osisID=\"Gen.2.1\"");
    std::pair<int64_t, int64_t> sum{0, 0};
    for (size_t at = xml.find("<w ", from); at < to; at = xml.find("<w ", at + 1)) {
      const size_t open = xml.find('>', at) + 1;
      std::string word = HebrewToStorage(xml.substr(open, xml.find("</w>", open) - open));
      std::erase(word, '/');
      sum.first += TextThematicValue(word, kOriginalValue);
      sum.second += TextThematicValue(word, kTraditionalValue);
    }
    return sum;
  }

  std::unique_ptr<DatastoreSet> set_;
  std::unique_ptr<DatastoreCounts> counts_;
};

TEST_F(ValueSearchReal, RangeValuesOfGenesisOne) {
  // Genesis 1:1 is the well-known 2701; its first word, bet resh alef shin
  // yod tav, 913.
  RangeValues v = RangeValue(*set_, *counts_, "Gen 1:1", "Gen 1:1.7");
  ASSERT_TRUE(v.Ok()) << v.message;
  EXPECT_EQ(v.traditional, 2701);
  v = RangeValue(*set_, *counts_, "Gen 1:1", "Gen 1:1");
  EXPECT_EQ(v.traditional, 913);
  EXPECT_EQ(v.original, 2 + 200 + 1 + 3 + 5 + 400);

  v = RangeValue(*set_, *counts_, "Gen 1:1", "Gen 1:31.99");
  ASSERT_TRUE(v.Ok()) << v.message;
  const auto [original, traditional] = XmlGenesisOne();
  EXPECT_EQ(v.original, original);
  EXPECT_EQ(v.traditional, traditional);

  // The whole text ends at the last word of Malachi 3:24; a word past it
  // lies beyond the datastore.
  EXPECT_TRUE(RangeValue(*set_, *counts_, "Gen 1:1", "Mal 3:24.last").Ok());
  EXPECT_EQ(RangeValue(*set_, *counts_, "Mal 3:24", "Mal 3:24.99").message, kDatastoreError);
}

TEST_F(ValueSearchReal, ThematicRunOfGenesisOneOne) {
  ThematicParams p;
  p.value = 2701;
  ThematicFilter filter(p, kTraditionalValue);
  const RunScan r = ScanForRun(*set_, filter, 0);
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.start, kFirstCite);
  EXPECT_EQ(r.words, 7);
  EXPECT_EQ(r.last, 7);
}

TEST_F(ValueSearchReal, TorahAtSkipFiftyFromGenesisOneOne) {
  EmbeddedFilter filter("xvre", 50);
  const RunScan r = ScanForRun(*set_, filter, PositionBefore(*set_, kFirstCite));
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.start, kFirstCite);
  EXPECT_EQ(r.words, 41);
}

}  // namespace
}  // namespace orv
