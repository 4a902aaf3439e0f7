// Numbered temporary files for rewriting a text file: the changed copy is
// written to a fresh "ORV_<n>.TMP" and then put in the original's place.
#pragma once

#include <string>

namespace orv {

inline constexpr int kTempNameTries = 1001;  // ORV_0.TMP .. ORV_1000.TMP

// Creates the first of "ORV_0.TMP" ... "ORV_1000.TMP" that does not exist yet
// (empty, closed) in `directory` (a native path; "" = the current directory)
// and returns 0 with `name` set to it (joined to `directory` when one is
// given); -1 with `name` untouched when none can be created. Creating it
// beside the file it will replace keeps ReplaceFile a plain rename.
int MakeTempName(std::string& name, const std::string& directory = "");

// Puts `temporary` in the place of `target` (native paths): the temporary
// file is flushed to disk and renamed over the target, so the target is at
// every moment either the old file or the complete new one. A temporary file
// on another file system is first copied beside the target. Returns 0 or the
// errno value of the failing step; on failure the target is unchanged.
int ReplaceFile(const std::string& target, const std::string& temporary);

}  // namespace orv
