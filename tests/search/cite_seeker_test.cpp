// Looking up CITE records in rising order gives what a search gives, whether
// the next record is reached by walking on or by a search, found or not.
#include "search/cite_seeker.h"

#include <gtest/gtest.h>

#include "search/word_stores_fixture.h"

namespace orv {
namespace {

class CiteSeekerTest : public test::WordStoresFixture {};

TEST_F(CiteSeekerTest, AgreesWithSearchNearAndFar) {
  // 2,000 words; every seventh place has no record.
  std::vector<test::Occ> text = test::ManyWords(2000);
  for (size_t i = 0; i < text.size(); ++i) text[i].strongs = static_cast<uint16_t>(i + 1);
  std::vector<test::Occ> kept;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i % 7 != 3) kept.push_back(text[i]);
  }
  Make(kept);
  TDSControl* h = set_.CiteDS.Open(true);
  // What a plain search answers for each place without a record.
  std::vector<int32_t> searched(text.size(), kDSFound);
  for (size_t i = 3; i < text.size(); i += 7) {
    CiteRec probe{};
    probe.cite = text[i].cite;
    int32_t recNo = 0;
    searched[i] = DSFind(h, &probe, recNo);
    ASSERT_NE(searched[i], kDSFound);
  }
  for (const int limit : {1, 20, CiteSeeker::kWalkLimit}) {
    for (const size_t stride : {size_t{1}, size_t{3}, size_t{250}}) {
      SCOPED_TRACE(testing::Message() << "walk limit " << limit << ", every " << stride);
      CiteSeeker seeker(h, limit);
      for (size_t i = 0; i < text.size(); i += stride) {
        CiteRec got{};
        got.cite = text[i].cite;
        ASSERT_EQ(seeker.Find(got), searched[i]) << "place " << i;
        if (searched[i] == kDSFound) {
          ASSERT_EQ(got.strongs, i + 1) << "place " << i;
        }
      }
    }
  }
  set_.CiteDS.Close();
}

}  // namespace
}  // namespace orv
