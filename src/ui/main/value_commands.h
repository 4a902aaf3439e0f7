// The thematic value and embedded word commands of the main window: Tools >
// Thematic value (the thematic value dialog, made once and kept), and the
// Search submenu's Thematic Value and Embedded word searches, whose dialogs
// hand a run filter to the run search (search/run_search.h).
#pragma once

namespace orv::ui {

class TForm1;
class TThemVal;

// The window's thematic value dialog, made on first use and kept.
TThemVal& ThemValDialog(TForm1& form);

// `SearchThematicValue`: the search dialog over the search state's
// parameters; on Search, the scan (from the page or from Genesis 1:1).
void SearchThematicValue(TForm1& form);
// `SearchEmbeddedWord`: the same with the embedded word dialog; the scan
// always starts at the page.
void SearchEmbeddedWord(TForm1& form);

// Enables and attaches "Thematicvalue2", "ThematicValue1" and "Embeddedword1".
void WireValueCommands(TForm1& form);

}  // namespace orv::ui
