// orv words CITE [COUNT]: the page's word buffer filled at CITE.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Fills the page buffer at CITE asking for COUNT words (default 512) with
// the current settings' line selections, and prints one line per entry from
// CITE's entry to the last loaded: citation text, Hebrew text, Strong's
// number, thematic value and the eight line texts, separated by tabs.
// Returns 0; 2 for a citation it cannot read or a bad COUNT.
int CmdWords(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
