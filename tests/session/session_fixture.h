// A Session as the main window makes it, over a temporary program folder
// and data root: the 39 books of a seeded text with the short Genesis of the
// page tests (chapter 1 of five verses, chapter 2 of one), ORV_ROOT naming
// the data root while the test runs. The build dialog is a build that runs
// at once; the documents shown are recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "build/build_context.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "model/source_reader.h"
#include "page/page_fixture.h"
#include "session/session.h"
#include "support/fake_surface.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv::test {

class SessionFixture : public ::testing::Test {
 protected:
  SessionFixture() {
    std::filesystem::create_directories(SourceDir());
    SmallText(11, 3, 4).Write(SourceDir());
    WriteSource(SourceDir(), 1, kGenesis);
  }

  // The main window's creation; the build hook builds what it is asked for.
  // `fs`, when given, is the file system of the datastores.
  Session& Open(FileSystem* fs = nullptr) {
    SessionHooks hooks;
    hooks.showBuild = [this](BuildFlags asked, bool) {
      builds_.push_back(asked);
      BuildContext ctx(*session_->stores, SourceDir(), ui_);
      RunBuild(ctx, asked, [] { return true; });
    };
    hooks.showDocument = [this](const std::string& caption, const std::string& file) {
      documents_.push_back(caption + ": " + file);
    };
    session_ = std::make_unique<Session>(ui_, dir_.File("prog"), SettingsFile(), hooks, fs);
    return *session_;
  }

  // Paints the page on a fake surface of `width` x `height` after a
  // resize, as the window's paint handler does.
  void Paint(int width = 700, int height = 300) {
    surface_.SetClipRect({0, 0, width, height});
    surface_.Clear();
    session_->layout.geometryChanged = true;
    session_->Paint(surface_);
  }

  // Whether the last paint underlined a first occurrence.
  bool Underlined() const { return surface_.Dump().find("pen #008000") != std::string::npos; }

  std::string SourceDir() const { return dir_.File("prog/Source"); }
  const std::string& SettingsFile() const { return settingsFile_; }

  TempDir dir_;
  ScopedEnv rootEnv_{"ORV_ROOT", dir_.File("root").c_str()};
  std::string settingsFile_ = dir_.File("root/ORV.INI");  // what Open() reads
  ScriptedUI ui_;
  FakeSurface surface_;
  std::vector<BuildFlags> builds_;
  std::vector<std::string> documents_;
  std::unique_ptr<Session> session_;
};

}  // namespace orv::test
