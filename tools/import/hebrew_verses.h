// The verse numbers of one book of the Open Scriptures Hebrew Bible, read
// from its OSIS file without its words.
#pragma once

#include <string>
#include <vector>

#include "import/import_result.h"
#include "import/verse_map.h"

namespace orv {

// Reads the osisID ("Book.chapter.verse") of every <verse> element of the
// OSIS file at `path` (native) into `verses`, in file order (cleared first).
// Fails naming the file when it cannot be opened, and the file and line when
// it is not well-formed XML or a verse's osisID does not end in two numbers.
ImportResult ReadHebrewVerseNumbers(const std::string& path, std::vector<VerseRef>& verses);

}  // namespace orv
