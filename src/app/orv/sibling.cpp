#include "app/orv/sibling.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "platform/program_dir.h"

namespace orv::cli {

std::string SiblingFor(const std::string& command) {
  if (command == "page") return "orv-page";
  if (command == "import") return "orv-import";
  return "";
}

int RunSibling(const std::string& sibling, char** argv, std::ostream& err) {
  const std::string path =
      (std::filesystem::path(ExecutablePath()).parent_path() / sibling).string();
  argv[0] = const_cast<char*>(path.c_str());
  execv(path.c_str(), argv);
  // execv returned: the program is missing or cannot be started.
  const int why = errno;
  err << "orv: `orv " << argv[1] << "` needs the program " << sibling << " beside orv (" << path
      << "): " << std::strerror(why) << '\n';
  return 1;
}

}  // namespace orv::cli
