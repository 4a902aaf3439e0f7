// A small Genesis (source, interlinear text, datastores) in a temporary
// folder, with the page and what a fill or a paint needs, for the page
// tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "build/source_text.h"
#include "config/settings.h"
#include "kjv/kjv_text.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "support/fake_surface.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
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

// The folders Source (holding `genesis` as GEN.OLF), heb and xlat (the
// datastores) and ILT, with the settings and the page over them.
class PageFolders : public ::testing::Test {
 protected:
  explicit PageFolders(const char* genesis)
      : set_(dir_.path() + "/heb/", dir_.path() + "/xlat/"), env_{settings_, set_, ui_} {
    for (const char* sub : {"Source", "heb", "xlat", "ILT"}) {
      std::filesystem::create_directories(dir_.File(sub));
    }
    WriteSource(dir_.File("Source"), 1, genesis);
  }
  ~PageFolders() override { FinishPage(page_, env_); }

  const WordEntry& Entry(int k) const { return page_.buffer.entry[static_cast<size_t>(k)]; }
  std::string Ilt() const { return dir_.File("ILT/GEN.ILT"); }

  TempDir dir_;
  Settings settings_;
  DatastoreSet set_;
  ScriptedUI ui_;
  PageEnv env_;
  Page page_;
};

// kGenesis with glosses for verses 1 and 2, laid out and painted on a fake
// surface.
class PageFixture : public PageFolders {
 protected:
  PageFixture() : PageFolders(kGenesis) {
    WriteText(Ilt(),
              "*L-R\n*1\n1 in-beginning created God ... the-heavens and the-earth\n"
              "2 and-the-earth was formless and-void and-darkness on-face-of the-deep\n");
    settings_.displayFont = {12, "Orvane Hebrew"};
    settings_.header = 2;
    settings_.thematic = -1;
    settings_.markFOcc = -1;
    settings_.il.AddInterlinearText("English", "English", dir_.path() + "/ILT/");
  }

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
  // Strong's numbers for the words of Genesis 1:1.
  void AddStrongs() {
    const uint16_t numbers[] = {7225, 1254, 430, 853, 8064, 853, 776};
    for (uint8_t w = 1; w <= 7; ++w) AddCite(set_, {1, 1, 1, w}, numbers[w - 1]);
  }

  PageLayout layout_;
  ViewState view_;
  FakeSurface surface_;
};

// Genesis 1:1-3 and 2:1, filled into the word buffer with Strong's numbers
// and letter values, an interlinear text and a translation database.
inline constexpr const char kShortGenesis[] =
    "*BOOK Genesis\n*CITE Gen \n"
    "*1\n"
    "1 brasyt bra alhyM\n"
    "2 wharU hyth thw\n"
    "3 wyamr alhyM\n"
    "*2\n"
    "1 wyklw h-smyM\n";

class BufferFixture : public PageFolders {
 protected:
  BufferFixture() : PageFolders(kShortGenesis) {
    settings_.showStrongs = true;
    settings_.thematic = 1;
    settings_.il.AddInterlinearText("English", "English", dir_.path() + "/ILT/");
    settings_.il.AddTranslationDatabase("Db", "English", dir_.path() + "/xlat/");
  }

  void Assign() { AssignSources(page_, env_, dir_.path(), reload_); }
  FillResult Fill(Citation p, int wanted = kPageWanted) {
    return FillBuffer(page_, env_, p, wanted, reload_);
  }
  // Line `line` of every entry in the buffer (0: the Hebrew word).
  std::vector<std::string> Column(int line) const {
    std::vector<std::string> out;
    for (int k = 1; k <= page_.buffer.count; ++k) {
      const WordEntry& e = Entry(k);
      out.push_back(line == 0 ? e.hebrew : e.text[static_cast<size_t>(line)]);
    }
    return out;
  }

  WordReload reload_ = WordReload::kValid;
};

}  // namespace orv::test
