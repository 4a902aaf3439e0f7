#include "platform/path_map.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scoped_env.h"

namespace orv {
namespace {

using test::ScopedEnv;

TEST(PathMap, StoredPathsBecomeNativeOnes) {
  ScopedEnv root("ORV_ROOT", "/data/orv");
  struct Row {
    const char* stored;
    const char* native;
  } rows[] = {
      {"\\ORV\\WORD.XRD", "/data/orv/WORD.XRD"},
      {"\\orv\\Xlat_English\\", "/data/orv/Xlat_English/"},  // any case
      {"/ORV/ORV.INI", "/data/orv/ORV.INI"},
      {"C:\\ORV\\CITE.XRD", "/data/orv/CITE.XRD"},  // a drive letter goes
      {"D:\\Data\\", "/Data/"},
      {"Source\\", "Source/"},  // relative paths stay relative
      {"/home/u/ilt/", "/home/u/ilt/"},
      {"\\ORVX\\a", "/ORVX/a"},  // only the whole folder name is the root
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(NativePath(r.stored), r.native) << r.stored;
}

TEST(PathMap, DataRootFollowsTheEnvironment) {
  ScopedEnv root("ORV_ROOT", nullptr);
  ScopedEnv xdg("XDG_DATA_HOME", "/xdg");
  ScopedEnv home("HOME", "/home/u");
  EXPECT_EQ(DataRoot(), "/xdg/orvane");
  {
    ScopedEnv noXdg("XDG_DATA_HOME", "");
    EXPECT_EQ(DataRoot(), "/home/u/.local/share/orvane");
  }
  ScopedEnv set("ORV_ROOT", "/r");
  EXPECT_EQ(DataRoot(), "/r");
}

TEST(PathMap, JoinPathPutsOneSlashBetween) {
  EXPECT_EQ(JoinPath("/a", "b.txt"), "/a/b.txt");
  EXPECT_EQ(JoinPath("/a/", "b.txt"), "/a/b.txt");
  EXPECT_EQ(JoinPath("", "b.txt"), "b.txt");
  EXPECT_EQ(JoinPath("/", "KJV/GEN.str"), "/KJV/GEN.str");
}

}  // namespace
}  // namespace orv
