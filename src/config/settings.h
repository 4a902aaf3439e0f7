// The program's settings: one plain-text file, ORV.INI in the data root
// ("\ORV\ORV.INI"), read once at start and written whole at close. Between
// the two the values live in one Settings object that the rest of the
// program reads and changes in memory.
//
// The file: lines ending in CR LF (LF alone is read too), sections
// "[Program]", "[Data]" and "[Preferences]", "Key=value" lines, two-line
// source entries in "Hebrew" / "Interlinear" / "Database" blocks closed by
// "End", and font entries whose values stand on the following line. Entry and
// font lines begin with three blanks. Keys are matched exactly as written
// (case-sensitive, untrimmed) at column 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/il_sources.h"
#include "model/citation.h"
#include "model/version.h"

namespace orv {

class FileSystem;
class UserInterface;

// The version this program writes and compares files against.
inline constexpr std::string_view kSettingsVersion = kProgramVersion;
inline constexpr size_t kILFontNameCapacity = 39;  // bytes
inline constexpr std::string_view kNewerVersionMessage =
    "Initialization file is newer than program version";

struct FontSetting {
  int size = 0;  // points
  std::string name;
  friend bool operator==(const FontSetting&, const FontSetting&) = default;
};

// What the version check found in the file last read. Not a setting: it is
// never written, and two Settings compare equal whatever it holds.
struct VersionState {
  bool hadVersion = false;  // the file held a non-empty Ver text
  bool upgrade = false;     // no version, or one ordering before kSettingsVersion
  bool newer = false;       // a version ordering after kSettingsVersion
};

struct Settings {
  // [Program]
  std::string version;  // kSettingsVersion once read

  // [Data]
  HebrewSources hebrew;  // entry 1 is the source the program uses
  TILObject il;          // interlinear texts, translation databases, ShowIL1..8
  Citation cite = kFirstCite;
  bool showKJV = false;

  // [Preferences]
  bool flowWith = false;     // lines against the Hebrew's direction follow it
  int32_t header = 2;        // 1 book title, 2 chapter headings (new page each)
  int32_t markFOcc = 1;      // 1 Bible, 2 book; negative: that choice, marking off
  bool showStrongs = false;  //
  int32_t thematic = -2;     // 1 database, 2 traditional; negative: line hidden
  int32_t titleSize = 30;
  int32_t chapterSize = 20;
  FontSetting hebrewFont{0, "Orvane Hebrew"};
  FontSetting modernFont{0, "OLBHEB"};
  bool useModernFont = false;
  std::array<FontSetting, kInterlinearLines> ilFont = DefaultILFonts();

  // Derived when read (DeriveDisplayFont): the font the Hebrew words use.
  FontSetting displayFont{12, "Orvane Hebrew"};

  VersionState versionState;

  // The path of Hebrew source 1 as stored, e.g. "Source\".
  std::string DataDir() const;
  // "\ORV\" + the path of Hebrew source 1, ending in "\" (added when the
  // stored path lacks it), e.g. "\ORV\Source\".
  std::string HebrewDatastoreDir() const;
  // "\ORV\" + the path of translation database 1, ending in "\"; "\ORV\"
  // when there is no translation database.
  std::string XlatDatastoreDir() const;
  // Stored paths of the six datastore files: WORD, FOCC, FOC2 and BOOK in
  // the Hebrew datastore directory, CITE and XLAT in the translation one.
  std::string WordFile() const { return HebrewDatastoreDir() + "WORD.XRD"; }
  std::string FOccFile() const { return HebrewDatastoreDir() + "FOCC.XRD"; }
  std::string FOc2File() const { return HebrewDatastoreDir() + "FOC2.XRD"; }
  std::string BookFile() const { return HebrewDatastoreDir() + "BOOK.XRD"; }
  std::string CiteFile() const { return XlatDatastoreDir() + "CITE.XRD"; }
  std::string XlatFile() const { return XlatDatastoreDir() + "XLAT.XRD"; }

  // The display font: the modern font when useModernFont, else the Hebrew one.
  void DeriveDisplayFont();

  static std::array<FontSetting, kInterlinearLines> DefaultILFonts();

  friend bool operator==(const Settings& a, const Settings& b);
};

// The native path of "\ORV\ORV.INI".
std::string SettingsPath();

// Reads the settings file at `nativePath` into `s`, then runs the version
// check and derives the dependent values (default sources when a table is
// empty, "Stuttgart" as the name of Hebrew source 1, the display font).
// Values the file does not set keep their defaults; header, flowWith,
// showKJV, the line selections and the Hebrew and modern font sizes keep
// what `s` held (a fresh Settings holds the defaults). A missing or
// unreadable file reads as an empty one. When `ui` is given, a file newer
// than this program is reported through it, and so is the first line that
// could not be read (see ParseSettingsLines), one message each. Returns
// whether the file was read.
bool ReadSettings(Settings& s, const std::string& nativePath, UserInterface* ui = nullptr);

// The same over the file's bytes, which messages call "ORV.INI".
void ReadSettingsText(Settings& s, std::string_view bytes, UserInterface* ui = nullptr);

// The message for line `line` of the settings file `file` that could not be read.
std::string UnreadSettingsLineMessage(int64_t line, const std::string& file);

// Writes the settings file: the text goes to a temporary file in the same
// folder, which replaces `nativePath` only once it is complete, so a failure
// leaves the old file as it was. Creates the folder when missing. Returns
// false on failure, with the system's error code in *error when given.
// `fs` (default: the real file system) writes the temporary file.
bool WriteSettings(const Settings& s, const std::string& nativePath, int* error = nullptr,
                   FileSystem* fs = nullptr);

}  // namespace orv
