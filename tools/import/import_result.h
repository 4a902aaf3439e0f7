// The outcome of one part of the data import.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace orv {

struct ImportResult {
  bool ok = true;
  std::string message;  // on failure: names the file, line or Debian package to install

  static ImportResult Fail(std::string m) { return {false, std::move(m)}; }
};

// Told by a part that goes book by book when it has finished book 1..39;
// false asks it to stop: it then fails at once with kImportStopped, leaving
// the files written so far for the caller to discard. May be empty.
using ImportBookDone = std::function<bool(int book)>;

inline constexpr const char kImportStopped[] = "Import cancelled";

}  // namespace orv
