#include "config/first_start.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "model/supplied_sources.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// The table's entry when the settings named no interlinear text.
constexpr char kDefaultName[] = "ILT Translation";
constexpr char kDefaultPath[] = "ILT_X\\";

std::string StoredPath(const char* folder) {
  std::string path(folder);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path + '\\';
}

// Copies the source's book files that the data root lacks; false when the
// program folder holds none or one cannot be copied.
bool CopySource(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  std::vector<fs::path> books;
  for (auto it = fs::directory_iterator(from, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    if (it->path().extension() == ".ILT" && it->is_regular_file()) books.push_back(it->path());
  }
  if (ec || books.empty()) return false;
  fs::create_directories(to, ec);
  if (ec) return false;
  // One listing of what the data root holds, rather than a look per file:
  // every command of `orv` comes here while there is no settings file.
  std::set<fs::path> present;
  for (auto it = fs::directory_iterator(to, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    present.insert(it->path().filename());
  }
  if (ec) return false;
  for (const fs::path& book : books) {
    if (present.count(book.filename()) != 0) continue;
    if (!fs::copy_file(book, to / book.filename(), ec)) return false;
  }
  return true;
}

}  // namespace

bool IsFirstStart(const Settings& s, bool hadSettingsFile) {
  if (!hadSettingsFile) return true;
  const std::vector<SourceEntry>& ilt = s.il.InterlinearTexts();
  return ilt.size() == 1 && ilt[0].name == kDefaultName && ilt[0].path == kDefaultPath;
}

FirstStartResult SetUpSuppliedSources(Settings& s, bool hadSettingsFile,
                                      const std::string& programDir, const std::string& dataRoot) {
  FirstStartResult result;
  if (!IsFirstStart(s, hadSettingsFile)) return result;
  bool linesFree = true;
  for (int n = 1; n <= kInterlinearLines; ++n) linesFree = linesFree && s.il.Selection(n) <= 0;
  int line = 1;
  for (const SuppliedSource& source : kSuppliedSources) {
    // Set up by an earlier start and since removed from the table: that was
    // the user's choice.
    std::error_code ec;
    if (hadSettingsFile && fs::exists(fs::path(dataRoot) / source.folder, ec)) continue;
    if (!CopySource(fs::path(programDir) / source.folder, fs::path(dataRoot) / source.folder)) {
      if (!result.missing.empty()) result.missing += ", ";
      result.missing += source.name;
      continue;
    }
    const int before = s.il.InterlinearCount();
    s.il.AddInterlinearText(source.name, source.language, StoredPath(source.folder));
    if (s.il.InterlinearCount() == before) continue;  // the table is full
    ++result.registered;
    if (linesFree) s.il.SetSelection(line++, s.il.InterlinearCount());
  }
  // A program folder without the supplied lines (data imported by an older
  // program) starts as it always did.
  if (!hadSettingsFile && result.registered > 0) {
    s.showStrongs = true;
    s.thematic = std::abs(s.thematic);
  }
  return result;
}

}  // namespace orv
