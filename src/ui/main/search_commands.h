// The Edit menu's searches on the main window: Find (Ctrl+F), Find Next
// (F3) and the Search submenu's Marked Words, Word definitions and Marked
// Uses. Each runs the core search (search/find.h, search/marked_search.h)
// over the window's session and repaints the page.
#pragma once

#include "search/search_env.h"

namespace orv::ui {

class TForm1;

// The searches' view of the window's session: its datastores, search
// state, view and user interface, EnsureDatastores through the window (it
// offers the build), and the word definition editor of the session's hooks.
SearchEnv SearchEnvOf(TForm1& form);

// Enables and attaches "Find1", "FindNext1", "MarkedWords1", "WordDefs" and
// "MarkedUses1".
void WireSearchCommands(TForm1& form);

}  // namespace orv::ui
