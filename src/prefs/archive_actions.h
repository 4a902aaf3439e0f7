// The archive dialog's buttons, apart from the dialog: each asks for its
// file, runs the archive reader or writer over the datastores with the
// busy cursor and the dialog's status texts, and shows the outcome.
#pragma once

#include <string>

#include "archive/archive_format.h"
#include "platform/user_interface.h"

namespace orv {

class DatastoreSet;
struct Settings;

enum class ArchiveAction {
  kWrite,         // `Write`: the full archive
  kRead,          // `Read`: a full read
  kWriteStrongs,  // `WriteStrongs`: the Strong's numbers only
  kReadStrongs,   // `ReadStrongs`: a Strong's-only read
  kSetDefault,    // `StrDef`: "Strongs.dat" from the program folder
};

inline constexpr const char* kArchiveWriteError = "** Error(s) writing archive **";
inline constexpr const char* kStrongsArchiveName = "Strong";

struct ArchiveEnv {
  DatastoreSet& stores;
  UserInterface& ui;
  const Settings& settings;
  std::string dataRoot;    // native: where the file dialogs start
  std::string programDir;  // native: where "Strongs.dat" is
  ArchiveStatus status;    // the dialog's `Status` label
};

// The file dialog of `action` (extension "TXT", filter "Text files|*.TXT",
// starting in the data root; the proposed name the first translation
// database's for Write, "Strong" for the Strong's buttons). kSetDefault
// asks nothing.
FileDialogRequest ArchiveFileRequest(ArchiveAction action, const Settings& settings,
                                     const std::string& dataRoot);

// What a button did.
enum class ArchiveOutcome {
  kCancelled,  // the file dialog was cancelled
  kWritten,    // an archive was written
  kFailed,     // writing failed (the old file, if any, is unchanged)
  kRead,       // a read ran; the datastores may have changed, whatever it reported
};

// Runs one button: asks for the file, then writes (a failure shows
// "** Error(s) writing archive **") or reads (showing "Archive successfully
// read", "Default Strong's numbers successfully read" or "** Error(s)
// reading archive **"). `nonZeroOnly` is `CBStoreNonZeros`.
ArchiveOutcome RunArchiveAction(ArchiveAction action, bool nonZeroOnly, ArchiveEnv& env);

// The same with the file already chosen (ignored for kSetDefault).
ArchiveOutcome RunArchiveFile(ArchiveAction action, bool nonZeroOnly, const std::string& file,
                              ArchiveEnv& env);

// `Backups`: lists the automatic backups of the data root, newest first,
// and reads the one the user picks as a full read. With none, says
// kNoBackups and the folder; closing the list reads nothing (kCancelled).
inline constexpr const char* kNoBackups = "No backups yet in ";
inline constexpr const char* kBackupListCaption = "Read a backup";
ArchiveOutcome RunBackupRead(bool nonZeroOnly, ArchiveEnv& env);

}  // namespace orv
