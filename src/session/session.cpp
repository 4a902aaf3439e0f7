#include "session/session.h"

#include <unistd.h>

#include <climits>
#include <ctime>
#include <filesystem>

#include "archive/backups.h"
#include "build/focc_build.h"
#include "config/first_start.h"
#include "model/source_reader.h"
#include "page/line_assign.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "platform/file_system.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

// Whether a file can be made in the native folder `dir`: the one test that
// sees permissions, read-only mounts and a folder that is missing alike.
bool CanWriteIn(FileSystem& fs, const std::string& dir) {
  const std::string probe = JoinPath(dir, ".orv-write-test");
  fs.Remove(probe);  // left behind by a run that ended in between
  if (!fs.Create(probe)) return false;
  fs.Remove(probe);
  return true;
}

std::string WithoutFinalSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

}  // namespace

std::string UnwritableFolderMessage(const std::string& folder) {
  return "The program cannot write to " + folder +
         ", so changes made now cannot be saved. What is already stored there is still shown.";
}

std::string SaveCutShortMessage(const std::string& file) {
  return std::string(file).append(
      " was being saved when the program last ended. It is shown as it was at its last "
      "completed save; the repair is finished at the next start that can write to its folder.");
}

Session::Session(UserInterface& u, std::string program, std::string settingsPath, SessionHooks h,
                 FileSystem* fs)
    : ui(u),
      programDir(std::move(program)),
      hooks(std::move(h)),
      settingsPath_(std::move(settingsPath)) {
  startDir_ = CurrentDirectory();
  if (!programDir.empty() && ::chdir(programDir.c_str()) != 0) {
    // The supplied data is found through absolute paths; only relative
    // document names depend on the current directory.
  }
  const bool hadSettings = ReadSettings(settings, settingsPath_, &ui);
  SetUpSuppliedSources(settings, hadSettings, programDir, DataRoot());
  layout.fonts = MakePageFonts(settings);
  view.currentCite = settings.cite;
  view.relayoutNeeded = true;
  MakeDirectory(DataRoot());
  MakeDirectory(NativePath(settings.HebrewDatastoreDir()));
  MakeDirectory(NativePath(settings.XlatDatastoreDir()));
  stores =
      std::make_unique<DatastoreSet>(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  if (fs) {
    for (TXRDataStore* s : AllStores()) s->SetFileSystem(fs);
  }
  CheckFolders(fs ? *fs : DefaultFileSystem());
  InstallBookFOccBuilder(*stores, SourceFolder(programDir, settings.DataDir()), ui);
  stores->SetFOccView(FOccView::kNone, FOccViewSetting(settings.markFOcc), view.currentCite.book);
  env = std::make_unique<PageEnv>(PageEnv{settings, *stores, ui});
  ReassignSources();
  if (settings.showKJV) SetShowKJV(true);
}

Session::~Session() { Close(); }

std::vector<TXRDataStore*> Session::AllStores() const {
  return {&stores->WordDS, &stores->FOccDS, &stores->FOc2DS,    &stores->CiteDS,
          &stores->XlatDS, &stores->BookDS, &stores->BookFOccDS};
}

void Session::CheckFolders(FileSystem& fs) {
  const std::string hebrew = NativePath(settings.HebrewDatastoreDir());
  const std::string xlat = NativePath(settings.XlatDatastoreDir());
  const bool hebrewWritable = CanWriteIn(fs, hebrew);
  const bool xlatWritable = CanWriteIn(fs, xlat);
  // Opened for writing, they would not open at all, and the page would lose
  // their words, numbers and underlines without a word.
  for (TXRDataStore* s : AllStores()) {
    const bool inXlat = s == &stores->CiteDS || s == &stores->XlatDS;
    s->SetReadOnly(!(inXlat ? xlatWritable : hebrewWritable));
  }
  // One message: the data root holds the datastore folders, so it comes first.
  const std::string settingsDir = std::filesystem::path(settingsPath_).parent_path().string();
  std::string blocked;
  if (!CanWriteIn(fs, settingsDir)) {
    blocked = settingsDir;
  } else if (!hebrewWritable) {
    blocked = hebrew;
  } else if (!xlatWritable) {
    blocked = xlat;
  }
  if (!blocked.empty()) ui.Message(UnwritableFolderMessage(WithoutFinalSlash(blocked)));
  // A save cut short is put right by the next open for change; a store that
  // can only be read shows its last save and keeps the repair for later.
  for (TXRDataStore* s : AllStores()) {
    if (s->ReadOnly() && s->SaveCutShort()) ui.Message(SaveCutShortMessage(NativePath(s->Path())));
  }
}

void Session::ReassignSources() {
  AssignSources(page, *env, programDir, view.reloadWords);
  view.relayoutNeeded = true;
}

void Session::Relayout(bool reload) {
  view.relayoutNeeded = true;
  if (reload) view.reloadWords = WordReload::kReadAgain;
}

void Session::SetShowKJV(bool show) {
  settings.showKJV = show;
  if (show && !kjv) {
    kjvIndex = std::make_unique<KjvIndex>(programDir);
    kjv = std::make_unique<TKJV>(*kjvIndex);
  } else if (!show) {
    kjv.reset();
    kjvIndex.reset();
  }
  layout.geometryChanged = true;
  view.relayoutNeeded = true;
}

void Session::Paint(Surface& surface) {
  if (!windowAlive) return;
  PaintScreen(surface, layout, page, *env, view, settings.showKJV ? kjv.get() : nullptr);
}

void Session::AfterFirstPaint() {
  if (!firstPaintPending) return;
  firstPaintPending = false;
  // A build that cannot write its files would only add failures to the
  // message given at start.
  if (!stores->BookDS.Exists() && !stores->BookDS.ReadOnly() && hooks.showBuild)
    hooks.showBuild(BuildFlags{false, false, true}, true);
  stores->BookDS.Open(true);
  if (settings.versionState.upgrade) {
    saveSettings_ = true;
    if (hooks.showDocument) {
      if (settings.versionState.hadVersion) {
        hooks.showDocument("Notes on updates in this version", "README.RTF");
      } else {
        hooks.showDocument("Getting Started", "HELP.RTF");
      }
    }
  }
  // BOOK may just have been built: the page's chapter offsets come from it.
  Relayout(true);
}

bool Session::Close() {
  if (closed_) return true;
  closed_ = true;
  windowAlive = false;
  settings.cite = view.currentCite;
  saveSettings_ = true;
  const bool written = WriteSettings(settings, settingsPath_);
  FinishPage(page, *env);
  // The user's own data changed during the run: an archive of it is kept.
  if (UserDataChanged(*stores) && HasUserData(*stores)) {
    std::string backup;
    WriteBackup(*stores, DataRoot(), backup, std::time(nullptr));
  }
  for (TXRDataStore* s : AllStores()) s->ForceClose();
  if (!startDir_.empty() && ::chdir(startDir_.c_str()) != 0) {
    // Nothing to do: the program is ending.
  }
  return written;
}

}  // namespace orv
