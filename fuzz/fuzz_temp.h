// One temporary file per fuzzing process, reused for every input and
// removed at exit.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orv::fuzz {

// The file's path; `tag` names it ("/tmp/<tag>_XXXXXX"). Only the first
// call's tag counts.
inline const char* TempPath(const std::string& tag) {
  static std::string name;
  if (name.empty()) {
    std::string pattern = "/tmp/" + tag + "_XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) std::abort();
    ::close(fd);
    name = pattern;
    std::atexit([] { std::remove(name.c_str()); });
  }
  return name.c_str();
}

}  // namespace orv::fuzz
