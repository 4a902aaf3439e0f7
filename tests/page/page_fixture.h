// A small Genesis (source, interlinear text, datastores) in a temporary
// folder, and everything a paint needs, for the page tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "build/source_text.h"
#include "config/settings.h"
#include "kjv/kjv_text.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "support/fake_surface.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv::test {

// Genesis 1:1-5 and 2:1 in source spelling, right to left.
inline constexpr const char kGenesis[] =
    "*BOOK Genesis\n*CITE Gen \n*R-L\n"
    "*1\n"
    "1 brasyt bra alhyM at h-smyM wat harU\n"
    "2 wharU hyth thw wbhw wxsK al-pny thwM\n"
    "3 wyamr alhyM yhy awr wyhy-awr\n"
    "4 wyra alhyM at-h-awr ky-jwb\n"
    "5 wyqra alhyM lawr ywM\n"
    "*2\n"
    "1 wyklw h-smyM\n";

class PageFixture : public ::testing::Test {
 protected:
  PageFixture() : set_(dir_.path() + "/heb/", dir_.path() + "/xlat/"), env_{settings_, set_, ui_} {
    std::filesystem::create_directories(dir_.File("Source"));
    std::filesystem::create_directories(dir_.File("heb"));
    std::filesystem::create_directories(dir_.File("xlat"));
    std::filesystem::create_directories(dir_.File("ILT"));
    WriteSource(dir_.File("Source"), 1, kGenesis);
    std::ofstream(dir_.File("ILT/GEN.ILT"), std::ios::binary)
        << "*L-R\n*1\n1 in-beginning created God ... the-heavens and the-earth\n"
           "2 and-the-earth was formless and-void and-darkness on-face-of the-deep\n";
    settings_.displayFont = {12, "Orvane Hebrew"};
    settings_.header = 2;
    settings_.thematic = -1;
    settings_.markFOcc = -1;
    settings_.il.AddInterlinearText("English", "English", dir_.path() + "/ILT/");
  }
  ~PageFixture() override { FinishPage(page_, env_); }

  // Assigns the sources and paints the page at `cite` on a surface of
  // `width` x `height`.
  std::string Paint(Citation cite, int width, int height, TKJV* kjv = nullptr) {
    AssignSources(page_, env_, dir_.path(), view_.reloadWords);
    layout_.fonts = MakePageFonts(settings_);
    layout_.geometryChanged = true;
    surface_.SetClipRect({0, 0, width, height});
    surface_.Clear();
    view_.currentCite = cite;
    view_.relayoutNeeded = true;
    PaintScreen(surface_, layout_, page_, env_, view_, kjv);
    return surface_.Dump();
  }
  void AddStrongs() {
    TDSControl* h = set_.CiteDS.Open(true);
    const uint16_t numbers[] = {7225, 1254, 430, 853, 8064, 853, 776};
    for (uint8_t w = 1; w <= 7; ++w) {
      CiteRec r{};
      r.cite = {1, 1, 1, w};
      r.strongs = numbers[w - 1];
      DSInsert(h, &r);
    }
    set_.CiteDS.Close();
  }
  const WordEntry& Entry(int k) const { return page_.buffer.entry[static_cast<size_t>(k)]; }

  TempDir dir_;
  Settings settings_;
  DatastoreSet set_;
  ScriptedUI ui_;
  PageEnv env_;
  Page page_;
  PageLayout layout_;
  ViewState view_;
  FakeSurface surface_;
};

}  // namespace orv::test
