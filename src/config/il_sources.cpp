#include "config/il_sources.h"

#include "platform/utf8.h"

namespace orv {

bool HebrewSources::Append(std::string_view name, std::string_view path) {
  if (count >= kMaxHebrewSources) return false;
  entry[count] = SourceEntry{FitText(name, kSourceNameCapacity), "", std::string(path)};
  ++count;
  return true;
}

int32_t TILObject::Selection(int n) const {
  if (n < 1 || n > kInterlinearLines) return 0;
  return selection_[n - 1];
}

void TILObject::SetSelection(int n, int32_t source) {
  if (n < 1 || n > kInterlinearLines) return;
  selection_[n - 1] = source;
}

const SourceEntry* TILObject::Source(int32_t s) const {
  if (s <= 0 || s > SourceCount()) return nullptr;
  if (s <= InterlinearCount()) return &ilt_[s - 1];
  return &db_[s - InterlinearCount() - 1];
}

SourceKind TILObject::KindOf(int32_t s) const {
  // Non-positive numbers count as "no source" here, so a stray negative
  // selection never passes for an interlinear text.
  if (s <= 0) return SourceKind::kNone;
  if (s <= InterlinearCount()) return SourceKind::kText;
  if (s <= SourceCount()) return SourceKind::kDatabase;
  return SourceKind::kNone;
}

std::string TILObject::SourceName(int32_t s) const {
  const SourceEntry* e = Source(s);
  return e ? e->name : std::string();
}

std::string TILObject::LineName(int n) const { return SourceName(Selection(n)); }

std::string TILObject::LineLanguage(int n) const {
  const SourceEntry* e = Source(Selection(n));
  return e ? e->language : std::string();
}

std::string TILObject::LinePath(int n) const {
  const SourceEntry* e = Source(Selection(n));
  return e ? e->path : std::string();
}

void TILObject::AddInterlinearText(std::string_view name, std::string_view language,
                                   std::string_view path) {
  if (InterlinearCount() >= kMaxInterlinearTexts) return;
  const int32_t oldCount = InterlinearCount();
  for (int32_t& s : selection_) {
    if (s > oldCount) ++s;
  }
  ilt_.push_back(SourceEntry{FitText(name, kSourceNameCapacity),
                             FitText(language, kSourceLanguageCapacity), std::string(path)});
}

void TILObject::AddTranslationDatabase(std::string_view name, std::string_view language,
                                       std::string_view path) {
  if (DatabaseCount() >= kMaxTranslationDbs) return;
  db_.push_back(SourceEntry{FitText(name, kSourceNameCapacity),
                            FitText(language, kSourceLanguageCapacity), std::string(path)});
}

void TILObject::DropSource(int32_t number) {
  for (int32_t& s : selection_) {
    if (s <= 0) continue;  // negative values are kept as they are
    if (s == number) {
      s = 0;
    } else if (s > number) {
      --s;
    }
  }
}

void TILObject::DeleteInterlinearText(int i) {
  if (i < 1 || i > InterlinearCount()) return;
  DropSource(i);
  ilt_.erase(ilt_.begin() + (i - 1));
}

void TILObject::DeleteTranslationDatabase(int i) {
  if (i < 1 || i > DatabaseCount()) return;
  DropSource(InterlinearCount() + i);
  db_.erase(db_.begin() + (i - 1));
}

void TILObject::ClearTables() {
  ilt_.clear();
  db_.clear();
}

}  // namespace orv
