// Stored paths ("\ORV\WORD.XRD", "Source\", "ILT_X\") are kept as written in
// the settings, so settings files stay exchangeable; these functions turn
// them into native paths.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The data root that "\ORV\" stands for: $ORV_ROOT, else
// $XDG_DATA_HOME/orvane, else ~/.local/share/orvane. No trailing slash.
std::string DataRoot();

// Maps a stored path to a native one: a leading "\ORV\" (any case) becomes
// the data root, backslashes become slashes; "X:\..." loses its drive.
std::string NativePath(const std::string& stored);

// `dir` and `name` joined by one "/": none is added when `dir` is empty or
// already ends in "/". Native paths.
std::string JoinPath(std::string_view dir, std::string_view name);

// Creates one directory level; an existing directory is fine.
bool MakeDirectory(const std::string& nativePath);

}  // namespace orv
