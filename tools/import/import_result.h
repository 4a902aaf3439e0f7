// The outcome of one part of the data import.
#pragma once

#include <string>
#include <utility>

namespace orv {

struct ImportResult {
  bool ok = true;
  std::string message;  // on failure: names the file, line or Debian package to install

  static ImportResult Fail(std::string m) { return {false, std::move(m)}; }
};

}  // namespace orv
