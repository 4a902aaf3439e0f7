// Feeds arbitrary bytes to the settings reader, writes what it read to a
// file and reads that file again. Besides the sanitizers' findings it aborts
// when the second read differs from the first, or when the file written
// differs from the text the second read would write.
//
// Then it damages the written file, one line lost, doubled or swapped with
// the next, and aborts when a damaged file moves the Hebrew text,
// the datastores or the position anywhere but where the file had them or to
// their defaults, drops a source without naming a line, or reads into
// settings whose own file would not read back as they are.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "config/settings_reader.h"
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

bool SameSources(const orv::Settings& a, const orv::Settings& b) {
  return a.hebrew == b.hebrew && a.il.InterlinearTexts() == b.il.InterlinearTexts() &&
         a.il.Databases() == b.il.Databases();
}

std::string EndingInBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

// `s` with every source path ending in a backslash, as the program writes
// them: only then can a path told from a name.
orv::Settings WithProperPaths(const orv::Settings& s) {
  orv::Settings out = s;
  for (orv::SourceEntry& e : out.hebrew.entry) e.path = EndingInBackslash(e.path);
  out.il.ClearTables();
  for (const orv::SourceEntry& e : s.il.InterlinearTexts()) {
    out.il.AddInterlinearText(e.name, e.language, EndingInBackslash(e.path));
  }
  for (const orv::SourceEntry& e : s.il.Databases()) {
    out.il.AddTranslationDatabase(e.name, e.language, EndingInBackslash(e.path));
  }
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

void CheckDamaged(const orv::Settings& good, const std::string& text) {
  orv::Settings raw, s;
  const bool reported = orv::ParseSettingsLines(raw, text) != 0;
  orv::ReadSettingsText(s, text);
  Require(s.DataDir() == good.DataDir() || s.DataDir() == "Source\\", "Hebrew text moved");
  Require(s.XlatDatastoreDir() == good.XlatDatastoreDir() ||
              s.XlatDatastoreDir() == "\\ORV\\Xlat_English\\",
          "translation datastores moved");
  Require(s.cite == good.cite || s.cite == orv::kFirstCite, "position moved");
  Require(reported || SameSources(s, good), "a source lost without a line named");
  const std::string rewritten = orv::FormatSettings(s);
  orv::Settings back;
  Require(orv::ParseSettingsLines(back, rewritten) == 0, "rewritten file names a line");
  orv::ReadSettingsText(back, rewritten);
  back.versionState = s.versionState;
  Require(back == s, "rewritten file reads back otherwise");
}

// One line of the file, picked by `seed`, is damaged each way: every line
// of every file would slow the fuzzer down a hundredfold.
void CheckDamagedCopies(const orv::Settings& first, size_t seed) {
  const std::string text = orv::FormatSettings(WithProperPaths(first));
  orv::Settings good;
  Require(orv::ParseSettingsLines(good, text) == 0, "written file names a line");
  orv::ReadSettingsText(good, text);
  const std::vector<std::string> lines = Lines(text);
  const size_t i = seed % lines.size();
  std::vector<std::string> lost = lines, doubled = lines, swapped = lines;
  lost.erase(lost.begin() + static_cast<std::ptrdiff_t>(i));
  doubled.insert(doubled.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
  if (i + 1 < lines.size()) std::swap(swapped[i], swapped[i + 1]);
  for (const auto* damaged : {&lost, &doubled, &swapped}) CheckDamaged(good, Joined(*damaged));
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
  CheckDamagedCopies(first, std::hash<std::string_view>{}(bytes));
  return 0;
}
