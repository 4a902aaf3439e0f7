#include "platform/program_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(ProgramDir, EnvironmentComesFirst) {
  EXPECT_EQ(ProgramDirFor("/opt/orv/", "/usr/bin/orvane"), "/opt/orv");
  EXPECT_EQ(ProgramDirFor("/opt/orv", ""), "/opt/orv");
}

TEST(ProgramDir, InstalledShareFolderBeatsTheExecutablesFolder) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() + "/bin");
  const std::string exe = dir.path() + "/bin/orvane";
  EXPECT_EQ(ProgramDirFor(nullptr, exe), dir.path() + "/bin");
  EXPECT_EQ(ProgramDirFor("", exe), dir.path() + "/bin") << "an empty variable counts as unset";
  std::filesystem::create_directories(dir.path() + "/share/orvane");
  EXPECT_EQ(ProgramDirFor(nullptr, exe), dir.path() + "/share/orvane");
}

TEST(ProgramDir, ExecutablePathNamesThisProgram) {
  std::string exe = ExecutablePath();
  ASSERT_FALSE(exe.empty());
  EXPECT_TRUE(std::filesystem::exists(exe));
  EXPECT_EQ(ProgramDir(), ProgramDirFor(std::getenv("ORV_PROGRAM_DIR"), exe));
}

}  // namespace
}  // namespace orv
