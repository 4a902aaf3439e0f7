#include "platform/program_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace orv {

namespace {

std::string WithoutTrailingSlash(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

}  // namespace

std::string ExecutablePath() {
  // readlink does not say whether it truncated, so grow until it fits.
  std::vector<char> buf(256);
  for (;;) {
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<size_t>(n));
    if (buf.size() >= 65536) return {};
    buf.resize(buf.size() * 2);
  }
}

std::string ProgramDirFor(const char* envValue, const std::string& executable) {
  if (envValue && *envValue) return WithoutTrailingSlash(envValue);
  if (executable.empty()) return ".";
  namespace fs = std::filesystem;
  fs::path exeDir = fs::path(executable).parent_path();
  if (exeDir.empty()) exeDir = ".";
  // An installed program keeps its data apart from the binary (bin/ and
  // share/orvane/); a build tree or a copied folder keeps it beside it.
  fs::path shared = (exeDir / ".." / "share" / "orvane").lexically_normal();
  std::error_code ec;
  if (fs::is_directory(shared, ec)) return WithoutTrailingSlash(shared.string());
  return WithoutTrailingSlash(exeDir.string());
}

std::string ProgramDir() { return ProgramDirFor(std::getenv("ORV_PROGRAM_DIR"), ExecutablePath()); }

}  // namespace orv
