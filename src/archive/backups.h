// Automatic backups of the user's own data (definitions in XLAT; definition
// selections, marks and Strong's numbers in CITE): full archives in the
// folder "Backups" of the data root, named by date and time, of which the
// newest kBackupsKept are kept. Written when a run that changed the data
// ends, and before CITE is built anew.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "model/datastore_set.h"

namespace orv {

class UserInterface;

inline constexpr char kBackupFolder[] = "Backups";
inline constexpr int kBackupsKept = 10;
// File names: "ORV-" + YYYYMMDD-HHMMSS (local time) + ".TXT", with "-2",
// "-3", ... before ".TXT" when two backups fall in one second.
inline constexpr char kBackupPrefix[] = "ORV-";
inline constexpr char kBackupExtension[] = ".TXT";

// The native path of the backup folder under `dataRoot` (native).
std::string BackupFolder(const std::string& dataRoot);

// Writes a full archive of `ds` into the backup folder (made when missing)
// under a name for `when`, then removes the oldest backups beyond
// kBackupsKept. Returns WriteFullArchive's result (0 = written); `written`
// receives the file's native path.
int32_t WriteBackup(DatastoreSet& ds, const std::string& dataRoot, std::string& written,
                    std::time_t when);

// The backups in the folder, newest first (native paths). Files of other
// names are neither listed nor removed.
std::vector<std::string> ListBackups(const std::string& dataRoot);

// Whether XLAT or CITE was changed during this run.
bool UserDataChanged(const DatastoreSet& ds);

// Whether there is user data a rebuild of CITE would lose: any definition,
// or an occurrence with a selection, a mark or a Strong's number.
bool HasUserData(DatastoreSet& ds);

// Before CITE is built anew: writes a backup when there is user data and
// says where ("Your definitions, selections, marks and Strong's numbers
// were saved in " + path). When the backup cannot be written, says so and
// returns false: the rebuild must not go on.
bool BackupBeforeCiteRebuild(DatastoreSet& ds, UserInterface& ui, const std::string& dataRoot);

inline constexpr char kBackupWrittenPrefix[] =
    "Your definitions, selections, marks and Strong's numbers were saved in ";
inline constexpr char kBackupFailedMessage[] =
    "Could not write a backup of your definitions, selections, marks and Strong's numbers; "
    "the Cite datastore was not rebuilt";

}  // namespace orv
