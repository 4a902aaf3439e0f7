// The import's last step: the finished files go from its temporary folder
// into the program folder, all of them or none.
#pragma once

#include <filesystem>

#include "import/import_result.h"

namespace orv {

// Moves every file under `from` to the same place under `to`, replacing
// the files there. The files it replaces are first moved aside into
// `from`/.replaced; when a move fails, every file moved so far goes back
// and every replaced file is put back, so `to` is left as it was. A folder
// where a file should go is never replaced: that fails.
// Requires: `from` and `to` are on one file system (the moves are renames);
// `from` is removed by the caller afterwards, with what it still holds.
ImportResult MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace orv
