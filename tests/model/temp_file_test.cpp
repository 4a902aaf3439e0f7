#include "model/temp_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<unsigned char> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Makes `dir` the current directory for the test's scope.
class ChangeDir {
 public:
  explicit ChangeDir(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~ChangeDir() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
  }
  ChangeDir(const ChangeDir&) = delete;
  ChangeDir& operator=(const ChangeDir&) = delete;

 private:
  std::filesystem::path old_;
};

TEST(MakeTempName, SkipsNamesInUseInTheCurrentDirectory) {
  TempDir dir;
  WriteBytes(dir.File("ORV_0.TMP"), Bytes("someone else's"));
  ChangeDir cd(dir.path());
  std::string name;
  ASSERT_EQ(MakeTempName(name), 0);
  EXPECT_EQ(name, "ORV_1.TMP");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("ORV_1.TMP")));
  EXPECT_EQ(std::filesystem::file_size(dir.File("ORV_1.TMP")), 0u);
  EXPECT_EQ(ReadBytes(dir.File("ORV_0.TMP")), Bytes("someone else's")) << "never emptied";
  ASSERT_EQ(MakeTempName(name), 0);
  EXPECT_EQ(name, "ORV_2.TMP") << "a name just handed out is in use";
}

TEST(MakeTempName, InAGivenDirectoryAndWhenEveryNameIsTaken) {
  TempDir dir;
  std::string name = "unchanged";
  ASSERT_EQ(MakeTempName(name, dir.path()), 0);
  EXPECT_EQ(name, dir.File("ORV_0.TMP"));
  for (int n = 1; n <= 1000; ++n) WriteBytes(dir.File("ORV_" + std::to_string(n) + ".TMP"), {});
  name = "unchanged";
  EXPECT_EQ(MakeTempName(name, dir.path() + "/"), -1);
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(MakeTempName(name, dir.File("no-such-folder")), -1);
}

TEST(ReplaceFile, RenamesOverTheTargetAndLeavesNoTemporary) {
  TempDir dir;
  std::string target = dir.File("GEN.ILT");
  WriteBytes(target, Bytes("old text\r\n"));
  std::string tmp;
  ASSERT_EQ(MakeTempName(tmp, dir.path()), 0);
  WriteBytes(tmp, Bytes("new text\r\n"));
  EXPECT_EQ(ReplaceFile(target, tmp), 0);
  EXPECT_EQ(ReadBytes(target), Bytes("new text\r\n"));
  EXPECT_FALSE(std::filesystem::exists(tmp));

  std::string fresh = dir.File("NEW.ILT");
  ASSERT_EQ(MakeTempName(tmp, dir.path()), 0);
  WriteBytes(tmp, Bytes("x"));
  EXPECT_EQ(ReplaceFile(fresh, tmp), 0) << "a missing target is simply created";
  EXPECT_EQ(ReadBytes(fresh), Bytes("x"));
}

// A temporary file on another file system cannot be renamed over the target;
// it is copied beside it first. Runs where /dev/shm is a separate mount.
TEST(ReplaceFile, TemporaryOnAnotherFileSystem) {
  TempDir dir;
  struct stat here {
  }, shm{};
  if (::stat(dir.path().c_str(), &here) != 0 || ::stat("/dev/shm", &shm) != 0 ||
      here.st_dev == shm.st_dev) {
    GTEST_SKIP() << "no second file system at /dev/shm";
  }
  char tmpl[] = "/dev/shm/orvtest-XXXXXX";
  int fd = ::mkstemp(tmpl);
  ASSERT_GE(fd, 0);
  ::close(fd);
  WriteBytes(tmpl, Bytes("copied across"));
  std::string target = dir.File("GEN.ILT");
  WriteBytes(target, Bytes("old"));
  EXPECT_EQ(ReplaceFile(target, tmpl), 0);
  EXPECT_EQ(ReadBytes(target), Bytes("copied across"));
  EXPECT_FALSE(std::filesystem::exists(tmpl));
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += !e.is_directory();
  EXPECT_EQ(files, 1) << "no copy is left beside the target";
}

TEST(ReplaceFile, FailureLeavesTheTargetAsItWas) {
  TempDir dir;
  std::string target = dir.File("GEN.ILT");
  WriteBytes(target, Bytes("old"));
  EXPECT_EQ(ReplaceFile(target, dir.File("ORV_9.TMP")), ENOENT);
  EXPECT_EQ(ReadBytes(target), Bytes("old"));
  std::filesystem::create_directory(dir.File("sub"));
  std::string tmp;
  ASSERT_EQ(MakeTempName(tmp, dir.path()), 0);
  EXPECT_NE(ReplaceFile(dir.File("sub"), tmp), 0) << "a directory is never replaced";
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("sub")));
}

}  // namespace
}  // namespace orv
