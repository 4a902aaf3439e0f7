// What the line sources make of the sources' stored directories.
#include "page/line_assign.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SourcePaths, ResolveAsTheSettingsMeanThem) {
  struct Row {
    const char* stored;
    const char* resolved;
  };
  for (const Row& r : {Row{"ILT_X\\", "\\ORV\\ILT_X\\"}, Row{"ILT_X", "\\ORV\\ILT_X\\"},
                       Row{"", "\\ORV\\"}, Row{"C:\\Data", "C:\\Data\\"},
                       Row{"\\Texts\\", "\\Texts\\"}, Row{"/home/u/ilt/", "/home/u/ilt/"}}) {
    EXPECT_EQ(ResolveSourcePath(r.stored), r.resolved) << r.stored;
  }
}

}  // namespace
}  // namespace orv
