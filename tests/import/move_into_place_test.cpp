// The import's files reach the program folder all together or not at all.
#include "import/move_into_place.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;  // relative path -> contents

void Write(const fs::path& root, const Tree& tree) {
  for (const auto& [name, text] : tree) {
    fs::create_directories((root / name).parent_path());
    test::WriteText((root / name).string(), text);
  }
}

Tree Read(const fs::path& root) {
  Tree tree;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) {
      tree[fs::relative(e.path(), root).string()] = test::ReadText(e.path().string());
    }
  }
  return tree;
}

TEST(MoveIntoPlace, AllFilesOrNone) {
  const Tree fresh = {
      {"KJV/EX.str", "new ex"}, {"KJV/GEN.str", "new gen"}, {"Source/GEN.OLF", "g"}};
  struct Row {
    const char* name;
    Tree before;       // the program folder
    bool folderInWay;  // Source/GEN.OLF is a folder there
    bool ok;
  };
  const Row rows[] = {
      {"into an empty folder", {}, false, true},
      {"replacing older files, keeping others",
       {{"KJV/GEN.str", "old"}, {"Mine.txt", "m"}},
       false,
       true},
      {"a folder in the way of the last file",
       {{"KJV/GEN.str", "old"}, {"Mine.txt", "m"}},
       true,
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempDir dir;
    const fs::path program = dir.path(), staging = program / ".import-x";
    Write(program, row.before);
    if (row.folderInWay) Write(program, {{"Source/GEN.OLF/inside", "user's"}});
    const Tree program0 = Read(program);
    Write(staging, fresh);
    const ImportResult r = MoveIntoPlace(staging, program);
    EXPECT_EQ(r.ok, row.ok) << r.message;
    fs::remove_all(staging);
    Tree want = program0;
    if (row.ok) {
      for (const auto& [name, text] : fresh) want[name] = text;
    } else {
      EXPECT_NE(r.message.find("Source/GEN.OLF"), std::string::npos) << r.message;
    }
    EXPECT_EQ(Read(program), want);
  }
}

}  // namespace
}  // namespace orv
