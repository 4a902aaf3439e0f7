#include "prefs/sources_manager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/text_utils.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"
#include "prefs/ilt_book_files.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

fs::path Canonical(const std::string& native) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::path(native), ec);
  if (ec) p = fs::path(native).lexically_normal();
  // "a/b/" and "a/b" name one folder.
  return p.has_filename() ? p : p.parent_path();
}

bool SameFolder(const std::string& a, const std::string& b) { return Canonical(a) == Canonical(b); }

std::string ToStored(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::vector<SourceEntry> TableOf(const TILObject& il, SourcesMode mode) {
  return mode == SourcesMode::kInterlinearTexts ? il.InterlinearTexts() : il.Databases();
}

}  // namespace

std::string StoredSourcePath(const std::string& chosen, const std::string& base) {
  const fs::path full = Canonical(chosen);
  const fs::path rel = full.lexically_relative(Canonical(base));
  const std::string r = rel.generic_string();
  // A folder outside `base` is kept whole: a relative "../x" would depend
  // on where the data root is.
  if (r.empty() || r == "." || r.rfind("..", 0) == 0) return ToStored(full.generic_string());
  return ToStored(r);
}

std::string PathIdentifier(const std::string& stored) {
  std::string p = stored;
  while (!p.empty() && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  const size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

SourcesManager::SourcesManager(TILObject& il, SourcesMode mode, std::string programDir,
                               std::string dataRoot, int maxEntries)
    : il_(il),
      mode_(mode),
      programDir_(std::move(programDir)),
      dataRoot_(std::move(dataRoot)),
      maxEntries_(maxEntries) {
  for (const SourceEntry& e : TableOf(il_, mode_)) rows.push_back({e.name, e.language, e.path});
}

std::string SourcesManager::Caption() const {
  return mode_ == SourcesMode::kInterlinearTexts ? "Manage Interliner Text File Sources"
                                                 : "Manage Translation Sources";
}

std::string SourcesManager::KindLabel() const {
  return mode_ == SourcesMode::kInterlinearTexts ? "ILT files" : "Translation databases";
}

std::vector<std::string> SourcesManager::Headers() const {
  return {mode_ == SourcesMode::kInterlinearTexts ? "Interlinear Text Identifier"
                                                  : "Translation Identifier",
          "Language", "Directory where files located"};
}

bool SourcesManager::LastRowNamed() const {
  return rows.empty() || !TrimBlanks(rows.back().identifier).empty();
}

bool SourcesManager::AddRefEnabled() const { return EntryCount() < maxEntries_; }

bool SourcesManager::CreateEnabled() const {
  return mode_ == SourcesMode::kInterlinearTexts && EntryCount() < maxEntries_;
}

bool SourcesManager::SelectCell(int row, int column) {
  if (column == kDirColumn) return false;
  selectedRow_ = row;
  return true;
}

std::string SourcesManager::NextLanguage() const {
  return rows.empty() ? kUnknownLanguage : rows.back().language;
}

bool SourcesManager::Refuse(UserInterface& ui, const char* message) {
  ui.Message(message);
  return false;
}

bool SourcesManager::AddRef(UserInterface& ui) {
  if (!LastRowNamed()) return false;
  if (!AddRefEnabled()) return Refuse(ui, kTableFullMessage);
  std::string folder = dataRoot_;
  if (!ui.SelectFolder(KindLabel(), folder)) return false;
  return AddDirectory(ui, folder);
}

bool SourcesManager::AddDirectory(UserInterface& ui, const std::string& chosen) {
  if (!AddRefEnabled()) return Refuse(ui, kTableFullMessage);
  if (SameFolder(chosen, programDir_)) return Refuse(ui, kProgramDirMessage);
  if (SameFolder(chosen, dataRoot_)) return Refuse(ui, kDataRootMessage);
  const std::string stored = StoredSourcePath(chosen, dataRoot_);
  SourceRow row{PathIdentifier(stored), NextLanguage(), stored};
  // The table follows the rows at once, so row i is always source i and the
  // line selections stay in step however rows are added and removed.
  if (mode_ == SourcesMode::kInterlinearTexts) {
    il_.AddInterlinearText(row.identifier, row.language, row.directory);
  } else {
    il_.AddTranslationDatabase(row.identifier, row.language, row.directory);
  }
  rows.push_back(std::move(row));
  return true;
}

bool SourcesManager::Create(UserInterface& ui) {
  if (!LastRowNamed() || mode_ != SourcesMode::kInterlinearTexts) return false;
  if (!CreateEnabled()) return Refuse(ui, kTableFullMessage);
  const std::string caption = "New " + KindLabel();
  std::string identifier;
  if (!ui.InputBox(caption, "Enter a description / identifier", identifier) || identifier.empty())
    return false;
  std::string language = NextLanguage();
  if (!ui.InputBox(caption, "Change the language description", language) || language.empty())
    return false;
  std::string typed;
  if (!ui.InputBox(caption, "Enter directory to create", typed) || typed.empty()) return false;
  return CreateSource(ui, identifier, language, typed);
}

bool SourcesManager::CreateSource(UserInterface& ui, const std::string& identifier,
                                  const std::string& language, const std::string& typed) {
  if (!CreateEnabled()) return Refuse(ui, kTableFullMessage);
  std::string relative = typed;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  relative.erase(0, relative.find_first_not_of('/'));
  const std::string dir = JoinPath(dataRoot_, relative);
  if (SameFolder(dir, programDir_)) return Refuse(ui, kProgramDirMessage);
  if (SameFolder(dir, dataRoot_)) return Refuse(ui, kDataRootMessage);
  std::error_code ec;
  const bool madeDir = fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir, ec)) {
    ui.Message(std::string(kCreateDirMessage).append(dir));
    return false;
  }
  std::vector<std::string> made;
  bool written;
  {
    WaitCursor wait(ui);
    written = WriteBookFiles(dir, language, identifier, made);
  }
  if (!written) {
    // Nothing half made: a source without its book files would show empty lines.
    for (const std::string& f : made) fs::remove(f, ec);
    if (madeDir) fs::remove(dir, ec);
    return Refuse(ui, kCreateFilesMessage);
  }
  const std::string stored = StoredSourcePath(dir, dataRoot_);
  il_.AddInterlinearText(identifier, language, stored);
  rows.push_back({identifier, language, stored});
  return true;
}

std::string DeletedSourceMessage(const std::string& name, const std::vector<int>& lines) {
  std::string text(lines.size() == 1 ? "Line " : "Lines ");
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text.append(i + 1 == lines.size() ? " and " : ", ");
    text.append(std::to_string(lines[i]));
  }
  text.append(" showed the deleted source");
  // A source without a name (a hand-edited table) is not quoted as "".
  if (!name.empty()) text.append(" \"").append(name).append("\"");
  return text.append(lines.size() == 1 ? " and now shows nothing." : " and now show nothing.");
}

void SourcesManager::DeleteEntry(UserInterface& ui, int position) {
  const bool ilt = mode_ == SourcesMode::kInterlinearTexts;
  const int32_t number = ilt ? position : il_.InterlinearCount() + position;
  const std::string name = il_.SourceName(number);
  std::vector<int> lines;
  for (int n = 1; n <= kInterlinearLines; ++n) {
    if (il_.Selection(n) == number) lines.push_back(n);
  }
  if (ilt) {
    il_.DeleteInterlinearText(position);
  } else {
    il_.DeleteTranslationDatabase(position);
  }
  // The table has already set those lines to none; without a word the user
  // would only find an empty line on the page.
  if (!lines.empty()) ui.Message(DeletedSourceMessage(name, lines));
}

bool SourcesManager::DelRef(UserInterface& ui) {
  if (!DelRefEnabled()) return false;
  DeleteEntry(ui, selectedRow_);
  rows.erase(rows.begin() + (selectedRow_ - 1));
  return true;
}

void SourcesManager::Close(UserInterface& ui) {
  while (rows.size() > 1 && TrimBlanks(rows.back().identifier).empty()) rows.pop_back();
  const bool ilt = mode_ == SourcesMode::kInterlinearTexts;
  for (int i = static_cast<int>(TableOf(il_, mode_).size()); i > EntryCount(); --i) {
    DeleteEntry(ui, i);
  }
  // Renaming keeps every source's number, so the selections are copied over.
  TILObject renamed;
  std::vector<SourceEntry> texts = il_.InterlinearTexts();
  std::vector<SourceEntry> dbs = il_.Databases();
  std::vector<SourceEntry>& mine = ilt ? texts : dbs;
  for (size_t i = 0; i < mine.size() && i < rows.size(); ++i) {
    mine[i].name = rows[i].identifier;
    mine[i].language = rows[i].language;
  }
  for (const SourceEntry& e : texts) renamed.AddInterlinearText(e.name, e.language, e.path);
  for (const SourceEntry& e : dbs) renamed.AddTranslationDatabase(e.name, e.language, e.path);
  for (int n = 1; n <= kInterlinearLines; ++n) renamed.SetSelection(n, il_.Selection(n));
  il_ = renamed;
}

}  // namespace orv
