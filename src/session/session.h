// The program's state for one run of the main window: the settings, the
// datastore set, the view state, the page (line sources, word buffer and
// layout) and the King James text, with the start-up, first paint and
// close of the main window. The window reaches the dialogs it shows
// through SessionHooks and the user through UserInterface.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "build/build_context.h"
#include "config/settings.h"
#include "edit/db_browser.h"
#include "edit/page_word_editor.h"
#include "edit/word_editor.h"
#include "kjv/kjv_index.h"
#include "kjv/kjv_text.h"
#include "model/datastore_set.h"
#include "model/version.h"
#include "page/page_layout.h"
#include "page/page_print.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "search/search_state.h"

namespace orv {

class FileSystem;
class Surface;
class UserInterface;

inline constexpr const char* kMainCaption = kProgramCaption;
inline constexpr const char kApplicationTitle[] = "Hebrew Orvane";

// What the session asks of the window's dialogs. Each may be left empty.
struct SessionHooks {
  // The build dialog, modal: with nothing `asked` it decides what to build;
  // `closeWhenDone` closes it once the build ends.
  std::function<void(BuildFlags asked, bool closeWhenDone)> showBuild;
  // The document viewer, modal, with `file` relative to the program folder.
  std::function<void(const std::string& caption, const std::string& file)> showDocument;
  // The word definition editor, modal, for a word (storage letters) and a
  // citation (null: no particular use); the searches show their finds in it.
  std::function<void(const std::string& word, Citation cite)> showWordEditor;
};

// The message for a data folder (native) that cannot be written.
std::string UnwritableFolderMessage(const std::string& folder);
// What a start that cannot write says of a store whose last save was cut short.
std::string SaveCutShortMessage(const std::string& file);

class Session {
 public:
  // The main window's creation: makes `programDir` (native) the current
  // directory (the old one is restored by Close), reads the settings from
  // `settingsPath` (reporting a newer or damaged file through `ui`), makes
  // the page fonts, the datastore set and the first-occurrence view, assigns
  // the line sources and, when the King James text is shown, creates it.
  //
  // A folder of the settings or the datastores that cannot be written is
  // named once through `ui`; the datastores in it are only read (see
  // TXRDataStore::SetReadOnly) and the first paint builds none there.
  // `fs` (default: the real file system) is what the datastores and that
  // check use.
  Session(UserInterface& ui, std::string programDir, std::string settingsPath, SessionHooks hooks,
          FileSystem* fs = nullptr);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The paint handler: the page on the screen spacing and the King James
  // column when shown.
  void Paint(Surface& surface);

  // What follows the very first paint (the window calls it once the paint
  // has ended, since it may show dialogs): the BOOK check (the build dialog
  // when BOOK is missing and its folder can be written; BOOK then stays open
  // for the run) and the release notes or getting-started document after a
  // version change. Clears firstPaintPending; does nothing when it is clear.
  void AfterFirstPaint();

  // Shows or hides the King James column (creating or dropping the text),
  // with a new geometry and layout.
  void SetShowKJV(bool show);

  // The settings, datastores and line sources after a change of the
  // settings' sources: assigns the lines again and asks for a reload.
  void ReassignSources();

  // Asks for a new layout; `reload` also reads the words again.
  void Relayout(bool reload = false);

  // The main window's close: the position into the settings, the settings
  // written, pending interlinear edits written, the first-occurrence view,
  // datastores and line sources closed, the old current directory back.
  // Returns false when the settings file could not be written (the rest is
  // done anyway). Safe to call twice.
  bool Close();

  UserInterface& ui;
  const std::string programDir;
  Settings settings;
  std::unique_ptr<DatastoreSet> stores;
  std::unique_ptr<PageEnv> env;
  ViewState view;
  SearchState search;
  PageEditorMemory pageEditors;  // the Strong's and ILT editors' places
  BrowserState browser;          // the database browser's record and search
  WordEditor wordEditor;
  Page page;
  PageLayout layout;
  std::unique_ptr<KjvIndex> kjvIndex;
  std::unique_ptr<TKJV> kjv;
  SessionHooks hooks;
  bool firstPaintPending = true;
  bool windowAlive = true;
  PrintScope printWholePage = PrintScope::kPage;  // `PrintWholePage`: what printing prints

 private:
  // The seven datastores.
  std::vector<TXRDataStore*> AllStores() const;
  // Sets the datastores whose folder cannot be written to read-only, and
  // names the first such folder (the settings' own first) to the user.
  void CheckFolders(FileSystem& fs);

  std::string settingsPath_;
  std::string startDir_;
  bool closed_ = false;
  bool saveSettings_ = false;
};

}  // namespace orv
