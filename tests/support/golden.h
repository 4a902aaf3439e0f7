// Golden files: a text compared with a reviewed file kept beside the test.
// Run the tests with ORV_UPDATE_GOLDEN=1 to write the files anew, then
// review the difference before committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace orv::test {

// Compares `actual` with the file `path`, or writes it there when
// ORV_UPDATE_GOLDEN is set.
inline void ExpectGolden(const std::string& path, const std::string& actual) {
  if (std::getenv("ORV_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "no golden file " << path << " (run with ORV_UPDATE_GOLDEN=1 to make it)";
  const std::string expected(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(actual, expected) << "differs from " << path;
}

}  // namespace orv::test
