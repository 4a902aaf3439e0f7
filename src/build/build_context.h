// What a datastore build works with: the datastore set, the folder of the
// source files, the user interface for its messages, the progress shown in
// the build dialog and the cancel flag that the dialog's Cancel button sets.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace orv {

class DatastoreSet;
class UserInterface;

// Which stores a build makes. WORD always comes with FOCC and FOC2.
struct BuildFlags {
  bool word = false;
  bool cite = false;
  bool book = false;

  bool Any() const { return word || cite || book; }
};

// The build dialog's display. Every member may be left empty.
struct BuildProgress {
  std::function<void(const std::string&)> status;  // the status line
  std::function<void(const std::string&)> book;    // title of the book being read
  std::function<void(int32_t)> entries;            // "Total Entries:"
  // Called at every book and every kRefreshLines lines, so the dialog can
  // repaint and take a click on Cancel.
  std::function<void()> refresh;

  static constexpr int kRefreshLines = 256;

  void Status(const std::string& text) const {
    if (status) status(text);
    Refresh();
  }
  void Book(const std::string& title) const {
    if (book) book(title);
  }
  void Entries(int32_t n) const {
    if (entries) entries(n);
  }
  void Refresh() const {
    if (refresh) refresh();
  }
};

// Runs before a build makes CITE anew, which throws away the selections,
// marks and Strong's numbers kept in it (the program writes a backup);
// false stops the build before anything changed.
using CiteRebuildGuard = std::function<bool(DatastoreSet&, UserInterface&)>;
// Sets the guard every BuildContext made afterwards starts with.
void SetCiteRebuildGuard(CiteRebuildGuard guard);
const CiteRebuildGuard& DefaultCiteRebuildGuard();

// Owned by the caller for the length of a build; not copyable.
struct BuildContext {
  BuildContext(DatastoreSet& s, std::string dir, UserInterface& u)
      : set(s), sourceDir(std::move(dir)), ui(u) {}
  BuildContext(const BuildContext&) = delete;
  BuildContext& operator=(const BuildContext&) = delete;

  DatastoreSet& set;
  std::string sourceDir;  // native folder of GEN.OLF ... MAL.OLF
  UserInterface& ui;      // message boxes
  BuildProgress progress;
  // Set by the dialog's Cancel button; each pass clears it when it starts
  // and stops reading after the line during which it was set.
  std::atomic<bool> cancel{false};
  bool done = false;  // the last build ran to its end (cancelled or not)
  CiteRebuildGuard beforeCiteRebuild = DefaultCiteRebuildGuard();
};

}  // namespace orv
