#include "build/db_verify.h"

#include "build/build_plan.h"
#include "datastore/data_store.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "platform/user_interface.h"

namespace orv {

std::string VerifyStore(TXRDataStore& store) {
  const std::string tag = store.Tag();
  TDSControl* h = store.Open(true);
  std::string message;
  if (!DSIsOpen(h)) {
    message = "Could not open " + tag + " datastore";
  } else if (DSCount(h) < 10) {
    message = "No entries in " + tag + " datastore";
  } else {
    int32_t recNo = 0;
    if (DSCheckOrder(h, recNo) == kDSOk) {
      message = tag + " datastore is good";
    } else {
      message = "Error(s) in " + tag + " datastore @ " + std::to_string(recNo);
    }
  }
  store.Release();
  return message;
}

std::vector<std::string> VerifyDatastores(DatastoreSet& set, UserInterface& ui,
                                          const std::function<void()>& showBuild) {
  std::vector<std::string> shown;
  auto show = [&](const std::string& text) {
    shown.push_back(text);
    ui.Message(text);
  };
  show(VerifyStore(set.BookDS));
  if (!EnsureDatastores(set, ui, showBuild)) return shown;
  show(VerifyStore(set.WordDS));
  show(set.FOccDS.Exists() ? VerifyStore(set.FOccDS) : "No FOcc datastore available");
  show(set.FOc2DS.Exists() ? VerifyStore(set.FOc2DS) : "No FOc2 datastore available");
  show(set.CiteDS.Exists() ? VerifyStore(set.CiteDS) : "No Cite datastore available");
  return shown;
}

}  // namespace orv
