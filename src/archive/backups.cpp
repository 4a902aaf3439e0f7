#include "archive/backups.h"

#include <algorithm>
#include <filesystem>

#include "archive/archive_writer.h"
#include "datastore/ds_object.h"
#include "model/records.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

bool IsBackupName(const std::string& name) {
  const std::string prefix = kBackupPrefix;
  const std::string ext = kBackupExtension;
  // "ORV-" + 8 digits + "-" + 6 digits, optionally "-n", then ".TXT".
  if (name.size() < prefix.size() + 15 + ext.size()) return false;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  if (name.compare(name.size() - ext.size(), ext.size(), ext) != 0) return false;
  const std::string stamp = name.substr(prefix.size(), 15);
  for (size_t i = 0; i < stamp.size(); ++i) {
    bool digit = stamp[i] >= '0' && stamp[i] <= '9';
    if (i == 8 ? stamp[i] != '-' : !digit) return false;
  }
  return true;
}

// Newest first: by the stamp, then by the number added for the same second.
bool Newer(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) {
    std::string sa = a.substr(0, 19), sb = b.substr(0, 19);
    if (sa != sb) return sa > sb;
    return a.size() > b.size();
  }
  return a > b;
}

std::string StampName(std::time_t when, int n) {
  std::tm tm{};
  localtime_r(&when, &tm);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
  std::string name = std::string(kBackupPrefix).append(stamp);
  if (n > 1) name.append("-").append(std::to_string(n));
  return name.append(kBackupExtension);
}

}  // namespace

std::string BackupFolder(const std::string& dataRoot) { return JoinPath(dataRoot, kBackupFolder); }

int32_t WriteBackup(DatastoreSet& ds, const std::string& dataRoot, std::string& written,
                    std::time_t when) {
  const std::string folder = BackupFolder(dataRoot);
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::string path = JoinPath(folder, StampName(when, 1));
  for (int n = 2; fs::exists(path, ec); ++n) path = JoinPath(folder, StampName(when, n));
  int32_t rc = WriteFullArchive(ds, path);
  if (rc != 0) return rc;
  written = path;
  std::vector<std::string> all = ListBackups(dataRoot);
  for (size_t i = kBackupsKept; i < all.size(); ++i) fs::remove(all[i], ec);
  return 0;
}

std::vector<std::string> ListBackups(const std::string& dataRoot) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(BackupFolder(dataRoot), ec)) {
    std::string name = e.path().filename().string();
    if (e.is_regular_file(ec) && IsBackupName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), Newer);
  std::vector<std::string> paths;
  for (const std::string& n : names) paths.push_back(JoinPath(BackupFolder(dataRoot), n));
  return paths;
}

bool UserDataChanged(const DatastoreSet& ds) {
  return ds.XlatDS.ChangedThisRun() || ds.CiteDS.ChangedThisRun();
}

bool HasUserData(DatastoreSet& ds) {
  if (ds.XlatDS.RecordCount() > 0) return true;
  TDSControl* h = ds.CiteDS.Open(true);
  bool found = false;
  if (DSIsOpen(h)) {
    CiteRec rec;
    DSSetPos(h, 0);
    found = DSNextMatch(
                h,
                [](const void* r) {
                  const auto* c = static_cast<const CiteRec*>(r);
                  return c->use != 0 || c->flags != 0 || c->strongs != 0 ? 1 : 0;
                },
                &rec) == 1;
  }
  ds.CiteDS.Close();
  return found;
}

bool BackupBeforeCiteRebuild(DatastoreSet& ds, UserInterface& ui, const std::string& dataRoot) {
  if (!HasUserData(ds)) return true;
  std::string written;
  if (WriteBackup(ds, dataRoot, written, std::time(nullptr)) != 0) {
    ui.Message(kBackupFailedMessage);
    return false;
  }
  ui.Message(std::string(kBackupWrittenPrefix).append(written));
  return true;
}

}  // namespace orv
