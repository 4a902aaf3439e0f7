#include "session/session.h"

#include <unistd.h>

#include <climits>

#include "build/focc_build.h"
#include "model/source_reader.h"
#include "page/line_assign.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

}  // namespace

Session::Session(UserInterface& u, std::string program, std::string settingsPath, SessionHooks h)
    : ui(u),
      programDir(std::move(program)),
      hooks(std::move(h)),
      settingsPath_(std::move(settingsPath)) {
  startDir_ = CurrentDirectory();
  if (!programDir.empty() && ::chdir(programDir.c_str()) != 0) {
    // The supplied data is found through absolute paths; only relative
    // document names depend on the current directory.
  }
  ReadSettings(settings, settingsPath_, &ui);
  layout.fonts = MakePageFonts(settings);
  view.currentCite = settings.cite;
  view.relayoutNeeded = true;
  MakeDirectory(DataRoot());
  MakeDirectory(NativePath(settings.HebrewDatastoreDir()));
  MakeDirectory(NativePath(settings.XlatDatastoreDir()));
  stores =
      std::make_unique<DatastoreSet>(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  InstallBookFOccBuilder(*stores, SourceFolder(programDir, settings.DataDir()), ui);
  stores->SetFOccView(FOccView::kNone, FOccViewSetting(settings.markFOcc), view.currentCite.book);
  env = std::make_unique<PageEnv>(PageEnv{settings, *stores, ui});
  ReassignSources();
  if (settings.showKJV) SetShowKJV(true);
}

Session::~Session() { Close(); }

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
  if (!stores->BookDS.Exists() && hooks.showBuild)
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
  for (TXRDataStore* s :
       {&stores->WordDS, &stores->FOccDS, &stores->FOc2DS, &stores->CiteDS, &stores->XlatDS,
        &stores->BookDS, static_cast<TXRDataStore*>(&stores->BookFOccDS)}) {
    s->ForceClose();
  }
  if (!startDir_.empty() && ::chdir(startDir_.c_str()) != 0) {
    // Nothing to do: the program is ending.
  }
  return written;
}

}  // namespace orv
