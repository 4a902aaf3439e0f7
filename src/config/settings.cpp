#include "config/settings.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "config/settings_reader.h"
#include "config/settings_writer.h"
#include "model/temp_file.h"
#include "platform/file_system.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

std::string WithFinalBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// Orders two version texts part by part between the dots: parts that are
// both numbers compare by value (so "1.10" is newer than "1.9.1" and "1.09"
// equals "1.9"), other parts byte by byte; a text that runs out of parts
// first orders before ("1.9" < "1.9.1"). Numbers of any length are compared
// as digit strings, so nothing overflows.
int CompareVersions(std::string_view a, std::string_view b) {
  while (true) {
    if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1);
    size_t da = a.find('.'), db = b.find('.');
    std::string_view pa = a.substr(0, da), pb = b.substr(0, db);
    int order;
    if (AllDigits(pa) && AllDigits(pb)) {
      pa.remove_prefix(std::min(pa.find_first_not_of('0'), pa.size()));
      pb.remove_prefix(std::min(pb.find_first_not_of('0'), pb.size()));
      order = pa.size() != pb.size() ? (pa.size() < pb.size() ? -1 : 1) : pa.compare(pb);
    } else {
      order = pa.compare(pb);  // char_traits<char> compares as unsigned bytes
    }
    if (order != 0) return order < 0 ? -1 : 1;
    a = da == std::string_view::npos ? std::string_view() : a.substr(da + 1);
    b = db == std::string_view::npos ? std::string_view() : b.substr(db + 1);
  }
}

void CheckVersion(Settings& s, UserInterface* ui) {
  VersionState& v = s.versionState;
  v = VersionState{};
  v.hadVersion = !s.version.empty();
  int order = CompareVersions(s.version, kSettingsVersion);
  v.upgrade = order < 0;
  v.newer = order > 0;
  if (v.newer && ui) ui->Message(std::string(kNewerVersionMessage));
  s.version = std::string(kSettingsVersion);
}

// The values that follow from what was read.
void Derive(Settings& s) {
  if (s.il.DatabaseCount() == 0) {
    s.il.AddTranslationDatabase("Translation DB", "English", "Xlat_English\\");
  }
  // Added after the database, so a selection of the database moves up to 2.
  if (s.il.InterlinearCount() == 0) {
    s.il.AddInterlinearText("ILT Translation", "English", "ILT_X\\");
  }
  s.hebrew.entry[0].name = "Stuttgart";
  s.DeriveDisplayFont();
}

void ReadText(Settings& s, std::string_view bytes, UserInterface* ui, const std::string& file) {
  const int64_t unread = ParseSettingsLines(s, bytes);
  CheckVersion(s, ui);
  if (unread != 0 && ui) ui->Message(UnreadSettingsLineMessage(unread, file));
  Derive(s);
}

}  // namespace

std::array<FontSetting, kInterlinearLines> Settings::DefaultILFonts() {
  std::array<FontSetting, kInterlinearLines> fonts;
  fonts.fill(FontSetting{10, "Arial"});
  return fonts;
}

std::string Settings::DataDir() const { return hebrew.entry[0].path; }

std::string Settings::HebrewDatastoreDir() const {
  return WithFinalBackslash("\\ORV\\" + DataDir());
}

std::string Settings::XlatDatastoreDir() const {
  const std::vector<SourceEntry>& db = il.Databases();
  return WithFinalBackslash("\\ORV\\" + (db.empty() ? std::string() : db.front().path));
}

void Settings::DeriveDisplayFont() { displayFont = useModernFont ? modernFont : hebrewFont; }

bool operator==(const Settings& a, const Settings& b) {
  // Every member but versionState, which describes the last file read.
  // Keep this list in step with the struct.
  return a.version == b.version && a.hebrew == b.hebrew && a.il == b.il && a.cite == b.cite &&
         a.showKJV == b.showKJV && a.flowWith == b.flowWith && a.header == b.header &&
         a.markFOcc == b.markFOcc && a.showStrongs == b.showStrongs && a.thematic == b.thematic &&
         a.titleSize == b.titleSize && a.chapterSize == b.chapterSize &&
         a.hebrewFont == b.hebrewFont && a.modernFont == b.modernFont &&
         a.useModernFont == b.useModernFont && a.ilFont == b.ilFont &&
         a.displayFont == b.displayFont;
}

std::string SettingsPath() { return NativePath("\\ORV\\ORV.INI"); }

std::string UnreadSettingsLineMessage(int64_t line, const std::string& file) {
  return "Line " + std::to_string(line) + " of the settings file " + file +
         " could not be read, so some settings may be back at their defaults. The file will be "
         "written anew when the program closes.";
}

void ReadSettingsText(Settings& s, std::string_view bytes, UserInterface* ui) {
  ReadText(s, bytes, ui, "ORV.INI");
}

bool ReadSettings(Settings& s, const std::string& nativePath, UserInterface* ui) {
  std::ifstream in(nativePath, std::ios::binary);
  std::string bytes;
  if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  // A missing file reads as an empty one, so the default sources and the
  // datastore names derived from them always exist.
  ReadText(s, bytes, ui, nativePath);
  return in.is_open();
}

bool WriteSettings(const Settings& s, const std::string& nativePath, int* error, FileSystem* fs) {
  namespace stdfs = std::filesystem;
  if (!fs) fs = &DefaultFileSystem();
  auto fail = [&](int code) {
    if (error) *error = code ? code : EIO;
    return false;
  };
  std::string dir = stdfs::path(nativePath).parent_path().string();
  if (!dir.empty()) {
    std::error_code ec;
    stdfs::create_directories(dir, ec);  // a failure shows when the file is made
  }
  // The new text goes beside the old file and replaces it only when whole.
  std::string temp;
  errno = 0;
  if (MakeTempName(temp, dir) != 0) return fail(errno);
  const std::string text = FormatSettings(s);
  bool written = false;
  if (std::unique_ptr<RandomAccessFile> f = fs->Open(temp, true)) {
    written = f->WriteAt(0, text.data(), text.size()) == text.size();
  }
  if (!written) {
    fs->Remove(temp);
    return fail(EIO);
  }
  if (int rc = ReplaceFile(nativePath, temp); rc != 0) {
    fs->Remove(temp);
    return fail(rc);
  }
  if (error) *error = 0;
  return true;
}

}  // namespace orv
