// The program directory: the folder of the data supplied with the program
// ("Source/GEN.OLF", "KJV/GEN.str", "Hebrew.def", "Strongs.dat", ...).
// The program makes it the current directory at start; core code takes the
// folder as a parameter where it can, so tests can pass a folder of their own.
#pragma once

#include <string>

namespace orv {

// $ORV_PROGRAM_DIR when set and not empty; else <executable's folder>/../share/orvane
// when that is a directory; else the executable's folder (read from
// /proc/self/exe; "." if that cannot be read). A native path, no trailing slash.
std::string ProgramDir();

// The rule of ProgramDir over given inputs: `envValue` (nullptr or empty =
// unset) and the executable's native path.
std::string ProgramDirFor(const char* envValue, const std::string& executable);

// The native path of the running executable; empty if it cannot be read.
std::string ExecutablePath();

}  // namespace orv
