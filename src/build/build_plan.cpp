#include "build/build_plan.h"

#include "build/db_build.h"
#include "datastore/data_store.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "platform/user_interface.h"

namespace orv {

bool StoreNeedsBuild(TXRDataStore& store) {
  if (store.Path().empty() || !store.Exists()) return true;
  TDSControl* h = store.Open(false);
  int32_t count = DSIsOpen(h) ? DSCount(h) : 0;
  store.Close();
  return count < kRebuildThreshold;
}

BuildPlan PlanBuild(DatastoreSet& set, BuildFlags asked, UserInterface& ui) {
  BuildPlan plan;
  plan.status = "Ready to build the datastores...";
  if (asked.Any()) {
    plan.flags = asked;
  } else {
    plan.flags.word = StoreNeedsBuild(set.WordDS);
    plan.flags.cite = StoreNeedsBuild(set.CiteDS);
    if (!plan.flags.word && !plan.flags.cite) {
      ui.Message(kRebuildWarning);
      plan.status = "Rebuild datastores??";
      plan.flags = BuildFlags{true, true, true};
    }
  }
  if (plan.flags.word || plan.flags.cite) plan.flags.book = false;
  return plan;
}

bool EnsureDatastores(DatastoreSet& set, UserInterface& ui,
                      const std::function<void()>& showBuild) {
  if (set.WordDS.Exists()) return true;
  if (!ui.YesNo(kNeedDatastores)) return false;
  if (showBuild) showBuild();
  return set.WordDS.Exists();
}

}  // namespace orv
