#include "prefs/archive_actions.h"

#include <filesystem>
#include <vector>

#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "archive/backups.h"
#include "config/settings.h"

namespace orv {
namespace {

bool Writes(ArchiveAction a) {
  return a == ArchiveAction::kWrite || a == ArchiveAction::kWriteStrongs;
}

const char* Title(ArchiveAction a) {
  switch (a) {
    case ArchiveAction::kWrite:
      return "Write";
    case ArchiveAction::kRead:
      return "Read";
    case ArchiveAction::kWriteStrongs:
      return "Write Strongs";
    case ArchiveAction::kReadStrongs:
      return "Read Strongs";
    case ArchiveAction::kSetDefault:
      break;
  }
  return "Set Default";
}

}  // namespace

FileDialogRequest ArchiveFileRequest(ArchiveAction action, const Settings& settings,
                                     const std::string& dataRoot) {
  FileDialogRequest r;
  r.title = Title(action);
  r.extension = "TXT";
  r.filters = {{"Text files", "*.TXT"}};
  r.folder = dataRoot;
  if (action == ArchiveAction::kWrite && !settings.il.Databases().empty()) {
    r.defaultName = settings.il.Databases().front().name;
  } else if (action == ArchiveAction::kWriteStrongs || action == ArchiveAction::kReadStrongs) {
    r.defaultName = kStrongsArchiveName;
  }
  return r;
}

ArchiveOutcome RunArchiveAction(ArchiveAction action, bool nonZeroOnly, ArchiveEnv& env) {
  std::string file;
  if (action != ArchiveAction::kSetDefault) {
    const FileDialogRequest request = ArchiveFileRequest(action, env.settings, env.dataRoot);
    const bool chosen = Writes(action) ? env.ui.SaveFileDialog(request, file)
                                       : env.ui.OpenFileDialog(request, file);
    if (!chosen) return ArchiveOutcome::kCancelled;
  }
  return RunArchiveFile(action, nonZeroOnly, file, env);
}

ArchiveOutcome RunArchiveFile(ArchiveAction action, bool nonZeroOnly, const std::string& file,
                              ArchiveEnv& env) {
  int32_t rc = 0;
  {
    WaitCursor wait(env.ui);
    switch (action) {
      case ArchiveAction::kWrite:
        rc = WriteFullArchive(env.stores, file, env.status);
        break;
      case ArchiveAction::kWriteStrongs:
        rc = WriteStrongsArchive(env.stores, file, nonZeroOnly, env.status);
        break;
      case ArchiveAction::kRead:
      case ArchiveAction::kReadStrongs: {
        const bool strongsOnly = action == ArchiveAction::kReadStrongs;
        if (env.status) env.status(strongsOnly ? "Read Strong's archive" : "Read Xlat archive");
        rc =
            ReadArchive(env.stores, file, ArchiveReadOptions{strongsOnly, nonZeroOnly}, env.status);
        break;
      }
      case ArchiveAction::kSetDefault:
        rc = SetStrDef(env.stores, env.programDir, nonZeroOnly, env.status);
        break;
    }
    if (env.status) env.status("");
  }
  if (Writes(action)) {
    // Not silent: the user would take a missing archive for a saved one.
    if (rc == 0) return ArchiveOutcome::kWritten;
    env.ui.Message(kArchiveWriteError);
    return ArchiveOutcome::kFailed;
  }
  env.ui.Message(ArchiveReadMessage(rc, action == ArchiveAction::kSetDefault));
  return ArchiveOutcome::kRead;
}

ArchiveOutcome RunBackupRead(bool nonZeroOnly, ArchiveEnv& env) {
  const std::vector<std::string> backups = ListBackups(env.dataRoot);
  if (backups.empty()) {
    env.ui.Message(std::string(kNoBackups).append(BackupFolder(env.dataRoot)));
    return ArchiveOutcome::kCancelled;
  }
  ListRequest list{kBackupListCaption, {}, 0, true};
  for (const std::string& path : backups) {
    list.lines.push_back(std::filesystem::path(path).filename().string());
  }
  const int picked = env.ui.ShowList(list);
  if (picked < 0 || picked >= static_cast<int>(backups.size())) return ArchiveOutcome::kCancelled;
  return RunArchiveFile(ArchiveAction::kRead, nonZeroOnly, backups[static_cast<size_t>(picked)],
                        env);
}

}  // namespace orv
