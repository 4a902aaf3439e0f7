// The main window offscreen over a small text (SmallText seed 11) whose
// datastores are built beforehand where the window's settings look for
// them, with Strong's number 430 on the first word of Exodus; painted
// once, as the window's first paint does, and after every command run.
// Modal dialogs go to `modal` (by default they return at once).
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "build/db_build.h"
#include "build/source_text.h"
#include "cite/citation_text.h"
#include "config/settings.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/main/orv_main.h"
#include "ui/qt_app.h"

namespace orv::test {

inline constexpr Citation kExodusFirstWord{2, 1, 1, 1};

class BuiltWindowTest : public ::testing::Test {
 protected:
  BuiltWindowTest() : text_(11, 3, 4) {
    TestApp();
    std::filesystem::create_directories(dir_.File("prog/Source"));
    text_.Write(dir_.File("prog/Source"));
    BuildStores();
    form_ = std::make_unique<ui::TForm1>(ui_, dir_.File("prog"), dir_.File("root/ORV.INI"));
    form_->runModal = [this](QDialog& d) { return modal ? modal(d) : 0; };
    form_->resize(900, 700);
    Paint();
  }

  void Paint() {
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter p(&image);
    form_->FormPaint(p, image.rect());
    p.end();
    form_->GetSession().AfterFirstPaint();
  }

  // Runs a menu item, then paints, as the window would.
  void Run(const char* item) {
    form_->Item(item)->trigger();
    Paint();
  }

  // The marked word as a citation text; "" when none is marked.
  std::string Marked() {
    const Citation c = form_->GetSession().view.highlightCite;
    return c.IsNull() ? "" : CitationText(c);
  }

  TempDir dir_;
  ScopedEnv rootEnv_{"ORV_ROOT", dir_.File("root").c_str()};
  SmallText text_;
  ScriptedUI ui_;
  std::function<int(QDialog&)> modal;
  std::unique_ptr<ui::TForm1> form_;

 private:
  void BuildStores() {
    Settings settings;
    ReadSettings(settings, dir_.File("root/ORV.INI"));  // none yet: the defaults
    DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
    ScriptedUI quiet;
    quiet.AllowUnusedAnswers();
    BuildContext ctx(set, dir_.File("prog/Source/"), quiet);
    RunBuild(ctx, BuildFlags{true, true, true}, [] { return true; });
    TDSControl* h = set.CiteDS.Open(true);
    CiteRec rec{};
    rec.cite = kExodusFirstWord;
    int32_t recNo = 0;
    ASSERT_EQ(DSFind(h, &rec, recNo), kDSFound);
    rec.strongs = 430;
    ASSERT_EQ(DSUpdate(h, recNo, &rec), kDSOk);
    set.CiteDS.ForceClose();
  }
};

}  // namespace orv::test
