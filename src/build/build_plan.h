// Deciding what a build makes (the build dialog's show) and offering a build
// when a command needs the word datastores.
#pragma once

#include <functional>
#include <string>

#include "build/build_context.h"

namespace orv {

class DatastoreSet;
class TXRDataStore;
class UserInterface;

inline constexpr const char kRebuildWarning[] =
    "If you rebuild the Cite datastore you loose Strong's numbers and definition selections; "
    "Create an archive first to save these.";
inline constexpr const char kNeedDatastores[] =
    "Need datastores to perform this function.  Create now?";

// Whether a WORD or CITE store has to be built: no path, no file with
// records, a file that cannot be opened, or fewer than 1024 records. The
// store is opened and closed again to count.
bool StoreNeedsBuild(TXRDataStore& store);

struct BuildPlan {
  BuildFlags flags;
  std::string
      status;  // the status line: "Ready to build the datastores..." or "Rebuild datastores??"
};

// What the build dialog builds. When nothing is `asked`, decides from the
// stores: WORD and CITE as StoreNeedsBuild says; when neither is needed,
// shows kRebuildWarning and plans a rebuild of both. Otherwise builds what
// is asked. Either way BOOK is dropped when WORD or CITE is built: BOOK is
// built only when asked for alone.
BuildPlan PlanBuild(DatastoreSet& set, BuildFlags asked, UserInterface& ui);

// Makes sure WORD exists before a command that needs it: when it does not,
// asks kNeedDatastores and on Yes calls `showBuild` (the build dialog with
// auto close). True when WORD exists afterwards.
bool EnsureDatastores(DatastoreSet& set, UserInterface& ui, const std::function<void()>& showBuild);

}  // namespace orv
