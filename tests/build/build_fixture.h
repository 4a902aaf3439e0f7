// A datastore set in a temporary folder, source files beside it, and a build
// context that records what the build dialog would show.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "build/build_context.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "platform/path_map.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv::test {

class BuildFixture : public ::testing::Test {
 protected:
  BuildFixture()
      : sourceDir_(dir_.path() + "/Source/"),
        set_(dir_.path() + "/heb/", dir_.path() + "/xlat/"),
        ctx_(set_, sourceDir_, ui_) {
    std::filesystem::create_directories(sourceDir_);
    ctx_.progress.status = [this](const std::string& s) { statuses_.push_back(s); };
    ctx_.progress.book = [this](const std::string& s) { titles_.push_back(s); };
    ctx_.progress.entries = [this](int32_t n) { entries_.push_back(n); };
  }

  // Every record of `store` in record order (the store is opened and closed).
  template <typename Rec>
  std::vector<Rec> ReadAll(TXRDataStore& store) {
    std::vector<Rec> out;
    TDSControl* h = store.Open(false);
    if (!DSIsOpen(h)) return out;
    Rec r;
    DSSetPos(h, 0);
    while (DSNext(h, &r) == kDSOk) out.push_back(r);
    store.Close();
    return out;
  }

  // DSCheckOrder with the store's own order check; 0 when in order.
  int32_t CheckOrder(TXRDataStore& store) {
    TDSControl* h = store.Open(true);
    int32_t recNo = 0;
    int32_t rc = DSIsOpen(h) ? DSCheckOrder(h, recNo) : -1;
    store.Close();
    return rc;
  }

  bool FileExists(TXRDataStore& store) { return std::filesystem::exists(NativePath(store.Path())); }

  TempDir dir_;
  std::string sourceDir_;
  ScriptedUI ui_;
  DatastoreSet set_;
  BuildContext ctx_;
  std::vector<std::string> statuses_;
  std::vector<std::string> titles_;
  std::vector<int32_t> entries_;
};

// The same with the stores' folders made beforehand (a build makes them
// itself), for tests that fill stores by hand or open them first.
class StoreDirsFixture : public BuildFixture {
 protected:
  StoreDirsFixture() {
    std::filesystem::create_directories(dir_.path() + "/heb");
    std::filesystem::create_directories(dir_.path() + "/xlat");
  }
};

}  // namespace orv::test
