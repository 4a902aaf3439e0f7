// Saving the list dialog's lines to a text file.
#pragma once

#include <string>
#include <vector>

namespace orv {

class UserInterface;

// Writes `items` to the file at `nativePath`, one line each in list order,
// every line ending in CR LF; no items give an empty file. The lines go to a
// temporary file beside the target, which replaces it only when complete,
// so a failure leaves an existing file as it was. Returns "" on success,
// else the text to show ("Cannot write <path>: <reason>").
std::string WriteListFile(const std::string& nativePath, const std::vector<std::string>& items);

// The list dialog's Save: asks for a file through `ui`, proposing the list's
// caption as its name (slashes made "_"), default extension "TXT", filter
// "Text files" (*.TXT), starting in the data root (created when missing);
// writes the items there and shows the error text through `ui` when that
// fails. Returns whether a file was written; false also on Cancel.
bool SaveListFile(UserInterface& ui, const std::string& caption,
                  const std::vector<std::string>& items);

}  // namespace orv
