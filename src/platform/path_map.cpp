#include "platform/path_map.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace orv {

std::string DataRoot() {
  if (const char* root = std::getenv("ORV_ROOT"); root && *root) return root;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    return std::string(xdg) + "/orvane";
  }
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/orvane";
}

std::string NativePath(const std::string& stored) {
  std::string s = stored;
  // A drive letter means nothing here; what follows is rooted.
  if (s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':') {
    s = s.substr(2);
  }
  std::string prefix = s.substr(0, 5);
  for (char& ch : prefix) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (prefix == "\\ORV\\" || prefix == "/ORV/") s = DataRoot() + "/" + s.substr(5);
  for (char& ch : s) {
    if (ch == '\\') ch = '/';
  }
  return s;
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

bool MakeDirectory(const std::string& nativePath) {
  std::string p = nativePath;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (::mkdir(p.c_str(), 0755) == 0) return true;
  struct stat st {};
  return errno == EEXIST && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace orv
