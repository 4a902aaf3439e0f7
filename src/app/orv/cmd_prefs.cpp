#include "app/orv/cmd_prefs.h"

#include <cstring>
#include <ostream>

#include "app/cli/cli_session.h"
#include "prefs/prefs_keys.h"

namespace orv::cli {

bool SaveSettings(const Settings& settings, std::ostream& err) {
  int error = 0;
  if (WriteSettings(settings, SettingsPath(), &error)) return true;
  err << "** The settings could not be written to " << SettingsPath() << ": "
      << std::strerror(error) << " **\n";
  return false;
}

int CmdPrefs(const Args& args, std::ostream& out, std::ostream& err) {
  const bool show = args.size() == 1 && args[0] == "show";
  if (!show && (args.size() < 3 || args[0] != "set")) {
    err << "orv prefs: show | set KEY VALUE\n";
    return kUsageError;
  }
  CliSession session(out, err, false);
  if (show) {
    for (const std::string& line : DisplaySettingsLines(session.settings)) out << line << '\n';
    return 0;
  }
  const std::string& key = args[1];
  std::string value = args[2];
  for (size_t i = 3; i < args.size(); ++i) value.append(" ").append(args[i]);
  PageFonts fonts = MakePageFonts(session.settings);
  PrefsTarget target{session.settings, &fonts};
  const std::string refused = SetPreference(target, session.set->FOccDS.Exists(), key, value);
  if (!refused.empty()) {
    err << refused << '\n';
    return 1;
  }
  if (!SaveSettings(session.settings, err)) return 1;
  for (const std::string& line : DisplaySettingsLines(session.settings)) {
    if (line.rfind(key + " ", 0) == 0) out << line << '\n';
  }
  return 0;
}

}  // namespace orv::cli
