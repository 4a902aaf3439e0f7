// The text of the settings file as the program writes it: fixed sections and
// key order, CR LF line ends, source entries in their columns, font entries
// on two lines. Reading this text gives back the same settings.
#pragma once

#include <string>

#include "config/settings.h"

namespace orv {

// The whole file. The version written is always kSettingsVersion. Texts are
// cut to their capacities, a line feed inside a text becomes a blank, and a
// font size is held to the -99..999 its three columns can show.
std::string FormatSettings(const Settings& s);

}  // namespace orv
