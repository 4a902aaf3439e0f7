// Feeds arbitrary bytes to the settings reader, writes what it read to a
// file and reads that file again. Besides the sanitizers' findings it aborts
// when the second read differs from the first, or when the file written
// differs from the text the second read would write.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "config/settings_writer.h"

namespace {

// One folder per process (on tmpfs when there is one, since every write
// syncs), reused for every input and removed at exit.
const std::string& SettingsFile() {
  static const std::string path = [] {
    std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string tmpl = base + "/settings_fuzz_XXXXXX";
    if (!::mkdtemp(tmpl.data())) std::abort();
    static std::string dir = tmpl;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    });
    return dir + "/ORV.INI";
  }();
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "settings_fuzz: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::Settings first;
  orv::ReadSettingsText(first, bytes);
  Require(!first.WordFile().empty() && !first.CiteFile().empty(), "empty datastore name");
  Require(first.il.InterlinearCount() >= 1 && first.il.DatabaseCount() >= 1,
          "default sources missing");

  const std::string& path = SettingsFile();
  int error = 0;
  Require(orv::WriteSettings(first, path, &error), "write failed");
  const std::string written = ReadFile(path);

  orv::Settings second;
  Require(orv::ReadSettings(second, path), "written file not read");
  second.versionState = first.versionState;  // describes the file, not the values
  Require(second == first, "second read differs from the first");
  Require(orv::FormatSettings(second) == written, "second write differs from the first");
  return 0;
}
