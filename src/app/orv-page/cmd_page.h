// orv page CITE --png FILE [--size WIDTHxHEIGHT] [--pages N]: the
// interlinear page painted offscreen into an image file.
#pragma once

#include <iosfwd>

#include "app/cli/command_line.h"

namespace orv::cli {

// Paints the page that starts at CITE with the current settings (line
// selections, Strong's numbers, thematic values, first-occurrence marks,
// the King James column when shown) through the program's own page engine
// and Qt surface, on a white image of WIDTH x HEIGHT pixels (default
// 1920x1080), and writes it as a PNG file. Runs Qt's offscreen platform
// unless QT_QPA_PLATFORM says otherwise. Prints the page's citation range.
// With --pages N (1..1000) paints N pages moving as Page Down does, into
// FILE-1.png, FILE-2.png, ... (FILE without its ".png"), one range line
// each; it stops early at the end of the text.
// Returns 0; 1 when a file cannot be written; 2 for a citation it cannot
// read, a missing --png, a bad size or page count.
int CmdPage(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
