#include "app/orv/cmd_sources.h"

#include <filesystem>
#include <ostream>

#include "app/cli/cli_session.h"
#include "app/orv/cmd_prefs.h"
#include "platform/path_map.h"
#include "prefs/sources_manager.h"

namespace orv::cli {
namespace {

constexpr const char kUsage[] =
    "orv sources: list | create-ilt NAME LANGUAGE DIR | add-ilt DIR | add-db DIR |"
    " delete ilt|db N\n";

void List(const TILObject& il, std::ostream& out) {
  int32_t number = 0;
  const auto print = [&](const char* kind, const std::vector<SourceEntry>& table) {
    int i = 0;
    for (const SourceEntry& e : table) {
      out << kind << ' ' << ++i << "\tsource " << ++number << '\t' << e.name << '\t' << e.language
          << '\t' << e.path << '\n';
    }
  };
  print("ilt", il.InterlinearTexts());
  print("db", il.Databases());
}

// The number of a "delete" argument; 0 when it is not a whole number.
int EntryNumber(const std::string& text) {
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || n > kManagedMaxEntries) return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

int CmdSources(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string action = args.empty() ? "" : args[0];
  const size_t want = action == "list"                            ? 1
                      : action == "create-ilt"                    ? 4
                      : action == "add-ilt" || action == "add-db" ? 2
                      : action == "delete"                        ? 3
                                                                  : 0;
  if (want == 0 || args.size() != want) {
    err << kUsage;
    return kUsageError;
  }
  CliSession session(out, err, false);
  TILObject& il = session.settings.il;
  if (action == "list") {
    List(il, out);
    return 0;
  }
  const bool databases = action == "add-db" || (action == "delete" && args[1] == "db");
  if (action == "delete" && args[1] != "ilt" && args[1] != "db") {
    err << kUsage;
    return kUsageError;
  }
  SourcesManager manager(
      il, databases ? SourcesMode::kTranslationDatabases : SourcesMode::kInterlinearTexts,
      session.programDir, DataRoot());
  bool done = false;
  if (action == "create-ilt") {
    done = manager.CreateSource(session.ui, args[1], args[2], args[3]);
  } else if (action == "delete") {
    const int row = EntryNumber(args[2]);
    manager.SelectCell(row, 0);
    done = manager.DelRef(session.ui);
    if (!done) session.ui.Message(row == 1 ? kFirstEntryMessage : kNoSuchEntryMessage);
  } else {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::absolute(args[1], ec);
    if (ec || !std::filesystem::is_directory(dir, ec)) {
      err << "orv sources: no folder " << args[1] << '\n';
      return 1;
    }
    done = manager.AddDirectory(session.ui, dir.string());
  }
  if (!done) return 1;
  manager.Close(session.ui);
  if (!SaveSettings(session.settings, err)) return 1;
  List(il, out);
  return 0;
}

}  // namespace orv::cli
