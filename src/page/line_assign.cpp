#include "page/line_assign.h"

#include "config/il_sources.h"
#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/source_reader.h"
#include "page/ilt_writeback.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "platform/utf8.h"

namespace orv {
namespace {

constexpr size_t kLineNameCapacity = 23;
constexpr size_t kLineLanguageCapacity = 11;

void AssignHebrewLine(LineSource& hebrew, PageEnv& env, const std::string& programDir) {
  std::string dir = SourceFolder(programDir, env.settings.DataDir());
  if (dir == hebrew.directory && hebrew.kind == SourceKind::kText) return;
  bool wasOpen = DSIsOpen(env.stores.WordDS.Handle());
  if (wasOpen) CloseHebrewGroup(env.stores);
  SourceClose(hebrew);
  hebrew.directory = dir;
  hebrew.kind = SourceKind::kText;
  hebrew.sourceName = FitText(env.settings.hebrew.entry[0].name, kLineNameCapacity);
  hebrew.extension = ".OLF";
  hebrew.state = SourceState::kClosed;
  hebrew.direction = 1;
  OpenHebrewGroup(env.stores);
}

}  // namespace

std::string ResolveSourcePath(const std::string& path) {
  bool absolute =
      !path.empty() && (path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'));
  std::string resolved = absolute ? path : "\\ORV\\" + path;
  if (resolved.back() != '\\' && resolved.back() != '/') resolved += '\\';
  return resolved;
}

void AssignSources(Page& page, PageEnv& env, const std::string& programDir,
                   WordReload& reloadWords) {
  // Pending edits belong to the files the lines read now.
  WritePendingEdits(page, env);
  PageLines& lines = page.lines;
  AssignHebrewLine(lines.source[0], env, programDir);
  CloseXlatGroup(env.stores);
  lines.highestLine = 0;
  lines.firstIltLine = 0;
  const TILObject& il = env.settings.il;
  for (int n = 1; n <= kInterlinearLines; ++n) {
    if (il.Selection(n) <= 0) continue;
    lines.highestLine = n;
    LineSource& s = lines.source[static_cast<size_t>(n)];
    const SourceKind kind = il.LineKindOf(n);
    const std::string dir = ResolveSourcePath(il.LinePath(n));
    if (dir != s.directory || kind != s.kind) {
      SourceClose(s);
      s.directory = dir;
      s.kind = kind;
      s.sourceName = FitText(il.LineName(n), kLineNameCapacity);
      s.language = FitText(il.LineLanguage(n), kLineLanguageCapacity);
      s.extension = kind == SourceKind::kText ? ".ILT" : "";
      s.direction = 1;
      s.state = SourceState::kClosed;
      s.position = {};
      s.citeStore = kind == SourceKind::kDatabase ? &env.stores.CiteDS : nullptr;
      s.xlatStore = kind == SourceKind::kDatabase ? &env.stores.XlatDS : nullptr;
      s.citeCursor = 0;
    }
    if (s.kind == SourceKind::kText && lines.firstIltLine == 0) lines.firstIltLine = n;
  }
  OpenXlatGroup(env.stores);
  reloadWords = WordReload::kReadAgain;
}

}  // namespace orv
