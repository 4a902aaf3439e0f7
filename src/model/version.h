// The program's name and version, written once. The settings file, the
// archive header, the window caption, the printed footer and the supplied
// release notes carry the version; the build reads it from here too.
#pragma once

#include <string_view>

// A macro only so that captions can be joined to it as literals.
#define ORV_VERSION "1.9.1"

namespace orv {

inline constexpr std::string_view kProgramVersion = ORV_VERSION;
// The main window's caption and the printed pages' footer.
inline constexpr char kProgramCaption[] = "Hebrew Orvane, Version " ORV_VERSION;

}  // namespace orv
